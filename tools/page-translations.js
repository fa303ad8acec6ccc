// Writes the page's translation table from the program's catalogues (po/<language>.po): a script
// that defines pageTranslations = {language: {message: translation}}, so that the page and the
// game in it speak the player's language from the same texts as the desktop's game.
//   node tools/page-translations.js OUT.js po/ko.po [po/xx.po ...]
// Untranslated and fuzzy messages are left out: the page shows those in English.
'use strict';
const fs = require('fs');
const path = require('path');

// The messages of one .po file: entries apart by blank lines, each with a msgid and a msgstr,
// each a quoted string that may go on over the lines that follow it.
function readCatalogue(file) {
  const messages = {};
  let entry = {}, field = null;
  const finish = () => {
    if (entry.msgid && entry.msgstr && !entry.fuzzy) messages[entry.msgid] = entry.msgstr;
    entry = {};
    field = null;
  };
  fs.readFileSync(file, 'utf8').split('\n').forEach((line, index) => {
    const where = `${file}:${index + 1}`;
    if (line.trim() === '') return finish();
    if (line.startsWith('#~')) return;
    if (line.startsWith('#,')) {
      entry.fuzzy = /\bfuzzy\b/.test(line);
      return;
    }
    if (line.startsWith('#')) return;
    const start = line.match(/^(msgid|msgstr|msgctxt|msgid_plural|msgstr\[\d+\]) (".*")$/);
    if (start && !['msgid', 'msgstr'].includes(start[1])) {
      throw new Error(`${where}: the page's table takes plain messages only, not ${start[1]}`);
    }
    if (start) field = start[1];
    const quoted = start ? start[2] : line;
    if (!field || !/^".*"$/.test(quoted)) throw new Error(`${where}: not a .po line: ${line}`);
    entry[field] = (entry[field] || '') + JSON.parse(quoted);
  });
  finish();
  return messages;
}

const [out, ...catalogues] = process.argv.slice(2);
if (!out || catalogues.length === 0) {
  console.error('usage: node tools/page-translations.js OUT.js po/ko.po [po/xx.po ...]');
  process.exit(2);
}
const table = {};
for (const file of catalogues) table[path.basename(file, '.po')] = readCatalogue(file);
fs.writeFileSync(out, '// Made by tools/page-translations.js from po/; do not edit.\n' +
                 `const pageTranslations = ${JSON.stringify(table, null, 1)};\n`);
