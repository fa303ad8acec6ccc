// A static web server on 127.0.0.1 for the browser version's folder.
//   node tools/serve.js DIR [PORT]     serves DIR, prints its address (PORT 0: any free port)
// The browser tests use serve() to serve the page and their own files beside it.
//
// It answers only GET and HEAD, only for one loopback Host (a page elsewhere cannot reach it by
// pointing its own name at 127.0.0.1), and only with regular files whose real path, links
// resolved, lies inside a served folder. Every file is revalidated on each use (no-cache with an
// ETag), so a rebuilt page or service worker is seen at once. A file with a compressed copy beside
// it (tools/compress-site.js writes them) goes compressed to a browser that takes the encoding.
'use strict';
const fs = require('fs');
const http = require('http');
const path = require('path');
const {pipeline} = require('stream');

// Content types by extension. `compress`: worth a compressed copy (a picture is compressed
// already).
const kTypes = {
  '.html': {type: 'text/html; charset=utf-8', compress: true},
  '.js': {type: 'text/javascript; charset=utf-8', compress: true},
  '.wasm': {type: 'application/wasm', compress: true},
  '.css': {type: 'text/css; charset=utf-8', compress: true},
  '.json': {type: 'application/json', compress: true},
  '.webmanifest': {type: 'application/manifest+json', compress: true},
  '.txt': {type: 'text/plain; charset=utf-8', compress: true},
  '.svg': {type: 'image/svg+xml', compress: true},
  '.png': {type: 'image/png', compress: false},
};
const kOtherType = {type: 'application/octet-stream', compress: false};
function typeOf(file) { return kTypes[path.extname(file)] || kOtherType; }

// The compressed copies a file may have beside it, the preferred first on equal terms.
const kEncodings = [{name: 'br', suffix: '.br'}, {name: 'gzip', suffix: '.gz'}];

// An answer other than the file asked for.
class Refusal extends Error {
  constructor(status, text, headers = {}) {
    super(text);
    this.status = status;
    this.headers = headers;
  }
}

// Whether `authority` (a Host header or an absolute target's) names this machine's loopback at
// `port`; a name that only resolves to it, as a rebinding page's does, is not enough.
function isLoopback(authority, port) {
  const match = /^(127\.0\.0\.1|localhost|\[::1\])(?::(\d+))?$/i.exec(authority || '');
  return match !== null && Number(match[2] || 80) === port;
}

// The authority (null: none) and the path of a request target: the usual '/path?query', or the
// absolute 'http://host/path' that a server must take as well.
function targetOf(target) {
  if (target.startsWith('/')) return {authority: null, pathPart: target.split(/[?#]/)[0]};
  let url;
  try {
    url = new URL(target);
  } catch {
    throw new Refusal(400, 'bad request target');
  }
  if (url.protocol !== 'http:') throw new Refusal(400, 'bad request target');
  return {authority: url.host, pathPart: url.pathname};
}

// The decoded segments of a path, without empty and '.' segments; refuses a broken escape and a
// segment that would climb or hold a separator.
function pathSegments(pathPart) {
  const segments = [];
  for (const raw of pathPart.split('/')) {
    let segment;
    try {
      segment = decodeURIComponent(raw);
    } catch {
      throw new Refusal(400, 'bad escape in the path');
    }
    if (segment === '..' || /[/\\\0]/.test(segment)) throw new Refusal(400, 'bad path');
    if (segment !== '' && segment !== '.') segments.push(segment);
  }
  return segments;
}

// Opens the regular file at `file` if its real path lies in `root` (a real path); for a folder,
// its index.html. Opening without blocking, then asking the open file what it is, keeps a FIFO
// from holding one of Node's few file threads. Resolves to {handle, stat, file} or null.
async function openInside(root, file, folderIndex = true) {
  let real;
  try {
    real = await fs.promises.realpath(file);
  } catch {
    return null;
  }
  if (real !== root && !real.startsWith(root + path.sep)) {
    throw new Refusal(403, 'outside the served folder');
  }
  let handle;
  try {
    handle = await fs.promises.open(
        real, fs.constants.O_RDONLY | fs.constants.O_NONBLOCK | fs.constants.O_NOFOLLOW);
  } catch {
    return null;
  }
  const stat = await handle.stat().catch(() => null);
  if (stat && stat.isFile()) return {handle, stat, file: real};
  await handle.close();
  const folder = folderIndex && stat && stat.isDirectory();
  return folder ? openInside(root, path.join(real, 'index.html'), false) : null;
}

// The weight an Accept-Encoding header `accepted` gives to `encoding` (0: refused).
function weightOf(accepted, encoding) {
  const weights = {};
  for (const item of (accepted || '').split(',')) {
    const [name, ...parameters] = item.trim().toLowerCase().split(';');
    const q = parameters.map(p => /^\s*q=([0-9.]+)\s*$/.exec(p)).find(Boolean);
    if (name) weights[name] = q ? Number(q[1]) : 1;
  }
  return weights[encoding] ?? weights['*'] ?? 0;
}

// The compressed copy of `opened` to send for `accepted`, or null: the acceptable copy with the
// highest weight that is at least as new as the file itself.
async function compressedCopy(root, opened, accepted) {
  const choices = kEncodings.map(e => ({...e, weight: weightOf(accepted, e.name)}))
                      .filter(e => e.weight > 0)
                      .sort((a, b) => b.weight - a.weight);
  for (const encoding of choices) {
    // A copy that is not a regular file inside the folder is no copy.
    const copy = await openInside(root, opened.file + encoding.suffix, false).catch(() => null);
    if (copy && copy.stat.mtimeMs >= opened.stat.mtimeMs) return {...copy, encoding: encoding.name};
    if (copy) await copy.handle.close();
  }
  return null;
}

// The mount whose prefix holds the most of `segments`, and the segments below it.
function mountOf(mounts, segments) {
  let best = null;
  for (const [prefix, folder] of Object.entries(mounts)) {
    const prefixSegments = prefix.split('/').filter(Boolean);
    const holds = prefixSegments.every((segment, i) => segments[i] === segment);
    if (holds && (!best || prefixSegments.length > best.depth)) {
      best = {folder, depth: prefixSegments.length};
    }
  }
  if (!best) throw new Refusal(404, 'not found');
  return {folder: best.folder, below: segments.slice(best.depth)};
}

// How many Host headers a request carries: Node keeps only the first in request.headers.
function hostCount(request) {
  return request.rawHeaders.filter((item, i) => i % 2 === 0 && item.toLowerCase() === 'host')
      .length;
}

async function answer(mounts, port, request, response) {
  const {authority, pathPart} = targetOf(request.url);
  // With two, a proxy in front may read the other one: the request names no one host.
  if (hostCount(request) > 1) throw new Refusal(400, 'more than one Host');
  const host = authority ?? request.headers.host;
  if (!host) throw new Refusal(400, 'no Host');
  if (!isLoopback(host, port)) throw new Refusal(421, 'served only as 127.0.0.1 or localhost');
  if (request.method !== 'GET' && request.method !== 'HEAD') {
    throw new Refusal(405, 'only GET and HEAD', {'Allow': 'GET, HEAD'});
  }
  const {folder, below} = mountOf(mounts, pathSegments(pathPart));
  const root = await fs.promises.realpath(folder);
  const opened = await openInside(root, path.join(root, ...below));
  if (!opened) throw new Refusal(404, 'not found');
  let sent = opened;  // the open file whose handle is still to be closed
  try {
    const {type, compress} = typeOf(opened.file);
    const copy = compress ? await compressedCopy(root, opened, request.headers['accept-encoding'])
                          : null;
    if (copy) {
      await opened.handle.close();
      sent = copy;
    }
    const etag = `"${sent.stat.size.toString(16)}-${sent.stat.mtimeMs.toString(16)}` +
                 `${copy ? '-' + copy.encoding : ''}"`;
    const headers = {'Content-Type': type, 'Cache-Control': 'no-cache', 'ETag': etag,
                     'X-Content-Type-Options': 'nosniff'};
    if (compress) headers['Vary'] = 'Accept-Encoding';
    if (copy) headers['Content-Encoding'] = copy.encoding;
    if (request.headers['if-none-match'] === etag) {
      response.writeHead(304, headers);
      response.end();
      return;
    }
    headers['Content-Length'] = sent.stat.size;
    response.writeHead(200, headers);
    if (request.method === 'HEAD') {
      response.end();
      return;
    }
    // The stream closes the handle.
    pipeline(sent.handle.createReadStream(), response, () => {});
    sent = null;
  } finally {
    if (sent) await sent.handle.close();
  }
}

// `mounts`: URL prefix ('/' or '/name/') to folder. Resolves to the listening server.
function serve(mounts, port) {
  const server = http.createServer(function(request, response) {
    answer(mounts, server.address().port, request, response).catch(function(error) {
      if (response.headersSent) {
        response.destroy();
        return;
      }
      const refusal = error instanceof Refusal ? error : new Refusal(500, 'server error');
      if (!(error instanceof Refusal)) console.error(`serve: ${request.url}: ${error.stack}`);
      const body = refusal.message + '\n';
      response.writeHead(refusal.status, {'Content-Type': 'text/plain; charset=utf-8',
                                          'Content-Length': Buffer.byteLength(body),
                                          ...refusal.headers});
      response.end(body);
    });
  });
  return new Promise(function(resolve, reject) {
    server.once('error', reject);
    server.listen(port, '127.0.0.1', () => resolve(server));
  });
}

module.exports = {serve, typeOf, kEncodings};

if (require.main === module) {
  const dir = path.resolve(process.argv[2] || '.');
  const port = Number(process.argv[3] || 8000);
  if (!fs.statSync(dir, {throwIfNoEntry: false})?.isDirectory()) {
    console.error(`serve: ${dir} is not a folder`);
    process.exit(2);
  }
  if (!Number.isInteger(port) || port < 0 || port > 65535) {
    console.error(`serve: ${process.argv[3]} is not a port (0 to 65535)`);
    process.exit(2);
  }
  serve({'/': dir}, port).then(function(server) {
    console.log(`Serving ${dir} on http://127.0.0.1:${server.address().port}/`);
  }, function(error) {
    console.error(`serve: ${error.message}`);
    process.exit(1);
  });
}
