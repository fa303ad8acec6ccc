// The page speaks through the browser's speech synthesis: Chromium, started with
// --enable-speech-dispatcher, speaks through a real speech-dispatcher of the test's own, whose one
// output module writes each text and its language to a file. With ?speech=1 the king's talk is
// heard there in Korean, line by line in order; F10 says the last line again and F9 turns speech
// off, saying so; while speech is on the live region is quiet.
//
//   node speech.js --site DIR --vesk NATIVE_BINARY --source SOURCE_DIR --work DIR --modules DIR
'use strict';
const childProcess = require('child_process');
const fs = require('fs');
const path = require('path');
const play = require('./play.js');
const {args, openPage, closePage, playScript} = play;

// The daemon's own folder: its configuration, its socket and the file its module writes.
const dir = path.join(args.work, 'speechd');
const said = path.join(dir, 'said.txt');
const socket = path.join(dir, 'speechd.sock');

function startService() {
  fs.rmSync(dir, {recursive: true, force: true});
  fs.mkdirSync(path.join(dir, 'modules'), {recursive: true});
  fs.mkdirSync(path.join(dir, 'log'));
  fs.writeFileSync(path.join(dir, 'speechd.conf'), [
    'CommunicationMethod "unix_socket"',
    'AudioOutputMethod "libao"',
    'AddModule "record" "sd_generic" "record.conf"',
    'DefaultModule record',
    'LanguageDefaultModule "ko" "record"',
    'LanguageDefaultModule "en" "record"',
    'DefaultPunctuationMode "all"', ''].join('\n'));
  // One line a text: the text, a tab, its language. No delimiter splits a text into pieces.
  fs.writeFileSync(path.join(dir, 'modules', 'record.conf'), [
    `GenericExecuteSynth "printf '%s\\\\t%s\\\\n' \\'$DATA\\' '$LANGUAGE' >> ${said}"`,
    'GenericDelimiters "\\x01"',
    'GenericMaxChunkLength 100000',
    'GenericLanguage "ko" "ko" "utf-8"',
    'GenericLanguage "en" "en" "utf-8"',
    'AddVoice "ko" "FEMALE1" "ko"',
    'AddVoice "en" "MALE1" "en"', ''].join('\n'));
  const daemon = childProcess.spawn('speech-dispatcher', [
    '-s', '-t', '0', '-C', dir, '-c', 'unix_socket', '-S', socket, '-L', path.join(dir, 'log'),
    '-P', path.join(dir, 'speechd.pid')], {stdio: ['ignore', 'ignore', fs.openSync(path.join(dir, 'speechd.err'), 'w')]});
  process.on('exit', () => daemon.kill());
  return daemon;
}

function heard() {
  return fs.existsSync(said) ? fs.readFileSync(said, 'utf8').split('\n').filter(line => line) : [];
}

// Waits until the file holds `line`, or a few seconds have gone; returns what it holds.
async function heardUpTo(line) {
  for (let tries = 0; tries < 100 && !heard().includes(line); ++tries) {
    await new Promise(resolve => setTimeout(resolve, 100));
  }
  return heard();
}

const korean = text => `${text}\tko`;
// From the start to the king, the guided path typed on the game's 2-set keyboard (카르벤, then
// 무라셴), and an empty line to say goodbye.
const kTalk = ['key Up x23', ...'zkfmqps'.split('').map(k => `key ${k}`), 'key Enter',
               ...['a', 'n', 'f', 'k', 't', 'Shift+p', 's'].map(k => `key ${k}`), 'key Enter',
               'key Enter'].join('\n');
const kHeard = [
  '안녕하신가. 아시다시피 나는 카르벤일쎄',
  '밑의 입력창에다가 "카르벤"이라고 타이핑해보게나',
  '카르벤',
  '그래, 그것은 나의 이름이지.',
  '그렇다면 이 세계를 만든 사람의 이름을 아는가?',
  '무라셴',
  '음.. 잘 알고 있군',
  '방금의 그 대화 방식을 대충 이해하겠는가?',
  '원래는 이런 식의 게임을 만들고 싶었다네',
  '뭐, 그 당시의 게임들은 대부분 이런 식이었거든',
  '하지만 그때의 실력으로는 한글 입력 받을 실력이',
  '안되었지',
  '사실 이 게임은 그리 훌륭하지도 않은 게임이네',
  '뭐랄까 그 당시 게임들을 적당히 뒤섞은 것이라고나',
  '할까? 어쨌든 비밀을 알려주지',
  '잘 가게나',
].map(korean);

const checks = [];
function check(name, body) { checks.push({name, body}); }

check('with ?speech=1 the king\'s talk is spoken in Korean, line by line in order; F10 repeats, F9 stops', async function(browser, base) {
  const page = await openPage(browser, base, 'speech=1');
  const region = () => page.$eval('#live', e => e.getAttribute('aria-live'));
  const problems = [];
  if (await region() !== 'off') problems.push(`with speech on the live region is ${await region()}`);
  await playScript(page, null, kTalk);
  let lines = await heardUpTo(kHeard[kHeard.length - 1]);
  // The walking messages on the way may or may not have been spoken; the talk's lines all are,
  // one after another, and nothing else comes between them.
  const talk = lines.filter(line => line.endsWith('\tko'));
  if (JSON.stringify(talk) !== JSON.stringify(kHeard)) {
    problems.push(`heard:\n${lines.join('\n')}`);
  }
  const before = lines.length;
  await page.keyboard.press('F10');
  // The repeat is heard before F9 is pressed: F9's own words would otherwise cut it short.
  for (let tries = 0; tries < 100 && heard().length <= before; ++tries) {
    await new Promise(resolve => setTimeout(resolve, 100));
  }
  await page.keyboard.press('F9');
  lines = await heardUpTo('speech off\ten');
  // F10 says again a line said before, F9 then says that speech is off.
  const after = lines.slice(before);
  if (after.length !== 2 || !lines.slice(0, before).includes(after[0]) ||
      after[1] !== 'speech off\ten') {
    problems.push(`after F10 and F9: ${after.join(' / ')}`);
  }
  if (await region() !== 'polite') problems.push(`with speech off the live region is ${await region()}`);
  const kept = await page.evaluate(() => localStorage.getItem('vesk.conf'));
  if (!/^speech = no$/m.test(kept || '')) problems.push(`kept: ${kept}`);
  if (page.errors.length) problems.push(`page errors: ${page.errors.join('; ')}`);
  await closePage(page);
  if (problems.length) throw new Error(problems.join('\n'));
});

fs.mkdirSync(args.work, {recursive: true});
startService();
for (let tries = 0; tries < 200 && !fs.existsSync(socket); ++tries) {
  childProcess.execFileSync('sleep', ['0.05']);
}
play.run(checks, null, {
  args: ['--enable-speech-dispatcher'],
  env: {...process.env, SPEECHD_ADDRESS: `unix_socket:${socket}`},
});
