// Writes beside each file of a built site that is worth it a brotli (.br) and a gzip (.gz) copy,
// which tools/serve.js sends to browsers that take the encoding; removes copies whose file is gone.
//   node tools/compress-site.js DIR
// A copy newer than its file is kept as it is, so a rebuild compresses only what changed; both
// formats are written without a time stamp, so the same file gives the same copy.
'use strict';
const fs = require('fs');
const path = require('path');
const zlib = require('zlib');
const {typeOf, kEncodings} = require('./serve.js');

// Smaller files gain less than a packet.
const kSmallest = 1024;

const kCompressors = {
  br: bytes => zlib.brotliCompressSync(bytes, {params: {
    [zlib.constants.BROTLI_PARAM_QUALITY]: zlib.constants.BROTLI_MAX_QUALITY,
    [zlib.constants.BROTLI_PARAM_SIZE_HINT]: bytes.length}}),
  gzip: bytes => zlib.gzipSync(bytes, {level: zlib.constants.Z_BEST_COMPRESSION}),
};

function regularFiles(dir) {
  return fs.readdirSync(dir, {withFileTypes: true}).flatMap(function(entry) {
    const file = path.join(dir, entry.name);
    return entry.isDirectory() ? regularFiles(file) : entry.isFile() ? [file] : [];
  });
}

function compressSite(dir) {
  const files = regularFiles(dir);
  const present = new Set(files);
  for (const file of files) {
    const encoding = kEncodings.find(e => file.endsWith(e.suffix));
    if (encoding) {
      const original = file.slice(0, -encoding.suffix.length);
      if (!present.has(original) || !typeOf(original).compress) fs.rmSync(file);
      continue;
    }
    if (!typeOf(file).compress) continue;
    const stat = fs.statSync(file);
    let bytes = null;
    for (const {name, suffix} of kEncodings) {
      const copy = file + suffix;
      if (fs.statSync(copy, {throwIfNoEntry: false})?.mtimeMs >= stat.mtimeMs) continue;
      bytes = bytes || fs.readFileSync(file);
      const compressed = stat.size >= kSmallest ? kCompressors[name](bytes) : null;
      if (compressed && compressed.length < bytes.length) {
        // Written aside, then renamed: a server never sends half a copy.
        fs.writeFileSync(copy + '.part', compressed);
        fs.renameSync(copy + '.part', copy);
      } else {
        fs.rmSync(copy, {force: true});
      }
    }
  }
}

if (require.main === module) {
  if (process.argv.length !== 3) {
    console.error('usage: node tools/compress-site.js DIR');
    process.exit(2);
  }
  compressSite(process.argv[2]);
}
