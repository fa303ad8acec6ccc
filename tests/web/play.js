// Plays the browser version in headless Chromium and checks it against the native game's
// headless runs of the same keys: the same pixels in the map view and both panes, the same event
// log lines, the same hero and talk state. Also measures the page (first frame, sizes, the cost
// of a walking key) and leaves a screenshot of it.
//
//   node play.js --site DIR --vesk NATIVE_BINARY --source SOURCE_DIR --work DIR --modules DIR
// Prints one line a check and closes with "N passed, N failed"; exits non-zero on any failure.
'use strict';
const childProcess = require('child_process');
const fs = require('fs');
const os = require('os');
const path = require('path');
const zlib = require('zlib');

const args = {};
for (let i = 2; i + 1 < process.argv.length; i += 2) {
  args[process.argv[i].slice(2)] = process.argv[i + 1];
}
for (const key of ['site', 'vesk', 'source', 'work', 'modules']) args[key] = path.resolve(args[key]);
const puppeteer = require(path.join(args.modules, 'node_modules', 'puppeteer-core'));
const {serve} = require(path.join(args.source, 'tools', 'serve.js'));

// The window's own controls, the event log and the typing-mode field, draw with the desktop's
// sans-serif face natively and with the game's bitmap font in the page: their pixels may differ.
const kControls = [
  {left: 0, top: 272, right: 217, bottom: 449},
  {left: 589, top: 336, right: 625, bottom: 350},
];

// --- Scripts: the native headless runner's script lines, played by both. ---

// A walk of a few hundred arrow keys, the same every run.
function walkingScript() {
  const arrows = ['Up', 'Down', 'Left', 'Right'];
  let seed = 12345;
  const lines = [];
  for (let i = 0; i < 300; ++i) {
    seed = (seed * 1103515245 + 12345) % 2147483648;
    lines.push(`key ${arrows[(seed >> 16) % 4]} x${1 + ((seed >> 8) % 4)}`);
  }
  return lines.join('\n') + '\n';
}

// The guided path to the secret, the words given to the system input method: each syllable is
// composed from its first letter, then committed, and each word ends with `enter`.
const kWords = ['카르벤', '무라셴', '비밀'];
const kFirstLetters = 'ㄱㄲㄴㄷㄸㄹㅁㅂㅃㅅㅆㅇㅈㅉㅊㅋㅌㅍㅎ';
function firstLetter(syllable) {
  const index = syllable.codePointAt(0) - 0xAC00;
  return index >= 0 && index < 11172 ? kFirstLetters[Math.floor(index / 588)] : syllable;
}
function imeScript(words = kWords, enter = 'key Enter') {
  const lines = ['key Up x23'];
  for (const word of words) {
    for (const syllable of word) {
      lines.push(`compose ${firstLetter(syllable)}`, `compose ${syllable}`, `text ${syllable}`);
    }
    lines.push(enter);
  }
  return lines.join('\n') + '\n';
}

// --- The native game. ---

function runNative(name, script, ime) {
  const dir = path.join(args.work, name);
  fs.mkdirSync(dir, {recursive: true});
  const scriptFile = path.join(dir, 'run.script');
  fs.writeFileSync(scriptFile, script);
  const result = {name};
  // The caret blinks on the timer, so the browser may show either phase: a run with one tick
  // more gives the other.
  for (const [suffix, extra] of [['', ''], ['-tick', 'tick\n']]) {
    const file = path.join(dir, `run${suffix}.script`);
    fs.writeFileSync(file, script + extra);
    childProcess.execFileSync(args.vesk, [
      '--headless', '--script', file, '--screenshot', path.join(dir, `native${suffix}.png`),
      '--log', path.join(dir, 'log.txt'), '--state', path.join(dir, 'state.json'),
      '--ime', ime || 'builtin', '--data', path.join(args.source, 'data')]);
  }
  result.log = fs.readFileSync(path.join(dir, 'log.txt'), 'utf8');
  result.state = JSON.parse(fs.readFileSync(path.join(dir, 'state.json'), 'utf8'));
  result.pictures = [`/native/${name}/native.png`, `/native/${name}/native-tick.png`];
  return result;
}

// --- The page. ---

const kCodes = {
  Up: 'ArrowUp', Down: 'ArrowDown', Left: 'ArrowLeft', Right: 'ArrowRight', Escape: 'Escape',
  Enter: 'Enter', Backspace: 'Backspace', Space: 'Space', Tab: 'Tab', RAlt: 'AltRight',
};
function codeOf(name) {
  if (kCodes[name]) return kCodes[name];
  if (/^[a-z]$/.test(name)) return 'Key' + name.toUpperCase();
  if (/^[0-9]$/.test(name)) return 'Digit' + name;
  throw new Error(`no key code for ${name}`);
}

// `lineHandler` may play a line itself (and say so by returning true) before the usual ones.
async function playScript(page, session, script, lineHandler) {
  for (const line of script.split('\n')) {
    if (lineHandler && await lineHandler(line)) continue;
    const [what, ...rest] = line.trim().split(' ');
    if (what === 'key') {
      let name = rest[0], count = 1;
      if (rest[1]) count = Number(rest[1].slice(1));
      const shifted = name.startsWith('Shift+');
      if (shifted) name = name.slice(6);
      for (let i = 0; i < count; ++i) {
        if (shifted) await page.keyboard.down('ShiftLeft');
        await page.keyboard.press(codeOf(name));
        if (shifted) await page.keyboard.up('ShiftLeft');
      }
    } else if (what === 'compose') {
      const text = rest.join(' ');
      await session.send('Input.imeSetComposition',
                         {text, selectionStart: text.length, selectionEnd: text.length});
    } else if (what === 'text') {
      await session.send('Input.insertText', {text: rest.join(' ')});
    } else if (what && what !== 'tick' && !what.startsWith('#')) {
      throw new Error(`cannot play script line: ${line}`);
    }
  }
}

// The keys are pressed and let go at once, as the native script presses them; a busy machine
// can still hold one longer than a held arrow's pace, so the page leaves pacing to the desktop.
// Each page opens in a browser context of its own, a first visit with nothing kept, unless it is
// given the context of an earlier visit. A `language` stands for the browser's (navigator.language).
const kDesktop = {width: 1300, height: 1000};
async function openPage(browser, base, query, context, viewport = kDesktop, language) {
  const own = context ? null : await browser.createBrowserContext();
  const page = await (context || own).newPage();
  page.ownContext = own;
  if (language) {
    await page.evaluateOnNewDocument(language => {
      Object.defineProperty(navigator, 'language', {get: () => language});
    }, language);
  }
  await page.setViewport(viewport);
  const errors = [];
  page.consoleLines = [];
  page.on('pageerror', error => errors.push(error.message));
  page.on('console', message => {
    page.consoleLines.push(message.text());
    if (message.type() === 'error' && !message.text().startsWith('vesk: settings kept by the page')) {
      errors.push(message.text());
    }
  });
  // The desktop's key repeat, unless the test asks for a pace of its own (an option given twice
  // is refused).
  const pace = query && /(^|&)walk-rate=/.test(query) ? '' : 'walk-rate=0';
  const address = [pace, query].filter(part => part).join('&');
  await page.goto(base + (address ? '?' + address : ''), {waitUntil: 'load'});
  await page.waitForFunction('Module.firstFrameAt !== undefined', {timeout: 10000});
  page.errors = errors;
  return page;
}

async function closePage(page) {
  await page.close();
  if (page.ownContext) await page.ownContext.close();
}

async function report(page) {
  return page.evaluate(() => ({
    log: UTF8ToString(Module._WebEventLog()),
    state: JSON.parse(UTF8ToString(Module._WebState())),
  }));
}

// Counts, for each picture at `urls`, the pixels outside the window's controls where the canvas
// differs from it. The canvas is read once, after every picture has loaded, so that the timer
// cannot change it between two comparisons. Returns the counts and, when none is 0, the canvas.
// Runs in the page, in any browser.
async function differingPixels(urls, controls) {
  const pictures = [];
  for (const url of urls) {
    const blob = await (await fetch(url)).blob();
    const bitmap = await createImageBitmap(blob, {colorSpaceConversion: 'none',
                                                  premultiplyAlpha: 'none'});
    const scratch = new OffscreenCanvas(bitmap.width, bitmap.height).getContext('2d');
    scratch.drawImage(bitmap, 0, 0);
    pictures.push(scratch.getImageData(0, 0, bitmap.width, bitmap.height));
  }
  const canvas = document.getElementById('screen');
  const actual = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
  const counts = pictures.map(function(picture) {
    if (picture.width !== canvas.width || picture.height !== canvas.height) return 'another size';
    const expected = picture.data;
    let differing = 0, left = canvas.width, top = canvas.height, right = -1, bottom = -1;
    for (let y = 0; y < canvas.height; ++y) {
      for (let x = 0; x < canvas.width; ++x) {
        if (controls.some(c => x >= c.left && x < c.right && y >= c.top && y < c.bottom)) continue;
        const i = (y * canvas.width + x) * 4;
        if (actual[i] !== expected[i] || actual[i + 1] !== expected[i + 1] ||
            actual[i + 2] !== expected[i + 2]) {
          ++differing;
          left = Math.min(left, x), top = Math.min(top, y);
          right = Math.max(right, x), bottom = Math.max(bottom, y);
        }
      }
    }
    return differing ? `${differing} in (${left},${top})-(${right},${bottom})` : 0;
  });
  if (counts.includes(0)) return {counts, picture: null};
  const copy = new OffscreenCanvas(canvas.width, canvas.height);
  copy.getContext('2d').putImageData(new ImageData(actual, canvas.width, canvas.height), 0, 0);
  const bytes = new Uint8Array(await (await copy.convertToBlob({type: 'image/png'})).arrayBuffer());
  let text = '';
  for (const byte of bytes) text += String.fromCharCode(byte);
  return {counts, picture: btoa(text)};
}

async function comparePictures(page, urls) {
  return page.evaluate(differingPixels, urls, kControls);
}

// The run matches the native one: pixels (in either phase of the caret), log and state.
async function expectSameAsNative(page, native) {
  const problems = [];
  const {counts, picture} = await comparePictures(page, native.pictures);
  if (picture) {
    // The page's picture goes beside the native ones, to be looked at.
    const file = path.join(args.work, native.name, 'page.png');
    fs.writeFileSync(file, Buffer.from(picture, 'base64'));
    problems.push(`pixels differ from the native run: ${counts}; the page's picture is ${file}`);
  }
  const {log, state} = await report(page);
  if (log !== native.log) {
    const lines = log.split('\n'), nativeLines = native.log.split('\n');
    const at = lines.findIndex((line, i) => line !== nativeLines[i]);
    problems.push(`log line ${at + 1} is "${lines[at]}", natively "${nativeLines[at]}"`);
  }
  if (JSON.stringify(state) !== JSON.stringify(native.state)) {
    problems.push(`state differs: ${JSON.stringify(state)} native ${JSON.stringify(native.state)}`);
  }
  if (page.errors.length) problems.push(`page errors: ${page.errors.join('; ')}`);
  if (problems.length) throw new Error(problems.join('\n'));
}

// --- Checks. ---

const checks = [];
function check(name, body) { checks.push({name, body}); }

check('walking a few hundred keys draws what the native game draws', async function(browser, base) {
  const script = walkingScript();
  const native = runNative('walking', script);
  const page = await openPage(browser, base);
  await playScript(page, null, script);
  await expectSameAsNative(page, native);
  await closePage(page);
});

check('typing the guided path on the built-in keyboard', async function(browser, base) {
  const script = fs.readFileSync(path.join(args.source, 'docs', 'talking.script'), 'utf8');
  const native = runNative('builtin', script);
  const page = await openPage(browser, base);
  await playScript(page, null, script);
  await expectSameAsNative(page, native);
  await page.screenshot({path: path.join(args.work, 'page.png')});
  await closePage(page);
});

check('typing the same words through the browser\'s input method', async function(browser, base) {
  const script = imeScript();
  const native = runNative('system', script, 'system');
  const page = await openPage(browser, base, 'ime=system');
  // The input method types into the hidden text field, which holds the focus.
  const focused = await page.evaluate(() => document.activeElement.id);
  if (focused !== 'ime') throw new Error(`the focus is on ${focused}`);
  const session = await page.createCDPSession();
  await playScript(page, session, script);
  await expectSameAsNative(page, native);
  await closePage(page);
});

check('a key pressed while the input method composes comes after the syllable', async function(browser, base) {
  // Enter reaches the page while 안 is still being composed: the syllable goes to the line first,
  // so the king hears 안, then 녕.
  const script = ['key Up x23', 'compose ㅇ', 'compose 아', 'compose 안', 'key Enter',
                  'compose ㄴ', 'compose 녀', 'compose 녕', 'key Enter'].join('\n') + '\n';
  const native = runNative('ordering', script, 'system');
  const page = await openPage(browser, base, 'ime=system');
  await playScript(page, await page.createCDPSession(), script);
  await expectSameAsNative(page, native);
  await closePage(page);
});

check('Escape ends the game and the page says so', async function(browser, base) {
  const page = await openPage(browser, base);
  await page.keyboard.press('Escape');
  const before = await report(page);
  await page.keyboard.press('ArrowUp');
  const after = await report(page);
  const message = await page.$eval('#message', e => getComputedStyle(e).display !== 'none' &&
                                                    e.textContent);
  if (!before.state.closed) throw new Error('the game did not close');
  if (JSON.stringify(after) !== JSON.stringify(before)) throw new Error('a key moved the hero after the end');
  if (!message || !message.includes('Reload')) throw new Error(`no end message: ${message}`);
  const lang = await page.evaluate(() => document.documentElement.lang);
  if (lang !== 'en') throw new Error(`the English page's lang is ${lang}`);
  await closePage(page);
});

check('a browser set to Korean gets the page\'s messages and the game\'s in Korean', async function(browser, base) {
  const page = await openPage(browser, base, 'fullscreen&walk-rate=fast', null, kDesktop, 'ko-KR');
  const lang = await page.evaluate(() => document.documentElement.lang);
  if (lang !== 'ko') throw new Error(`the Korean page's lang is ${lang}`);
  const label = await page.$eval('#screen', e => e.getAttribute('aria-label'));
  if (!label.startsWith('베스크 게임 화면')) throw new Error(`the game's label: ${label}`);
  const lines = await page.$$eval('footer .notice', lines => lines.map(e => e.textContent));
  // One line from the page (the option it does not take), one from the game (the bad value).
  if (lines.length !== 2 || !lines.every(line => line.startsWith('주소에서 무시한 부분: ')) ||
      !lines.some(line => line.includes('fullscreen')) ||
      !lines.some(line => line.includes('--walk-rate에는 0부터 60까지의 정수만'))) {
    throw new Error(`the page says: ${lines.join(' / ')}`);
  }
  await page.keyboard.press('Escape');
  const message = await page.$eval('#message', e => e.textContent);
  if (!message.startsWith('게임이 끝났습니다.')) throw new Error(`the end message: ${message}`);
  await closePage(page);
});

check('the address gives the game the page\'s options and names the others, one line each', async function(browser, base) {
  // openPage has seen the first frame, so the game started; ?ime=system put the focus on the
  // input method's field.
  const page = await openPage(browser, base, 'fullscreen&scale=3&ime=system&walk-rate=fast&data=%2Fetc');
  const focused = await page.evaluate(() => document.activeElement.id);
  if (focused !== 'ime') throw new Error(`?ime=system did not reach the game: the focus is on ${focused}`);
  const lines = await page.$$eval('footer .notice', lines => lines.map(e => e.textContent));
  if (lines.length !== 2 || !lines.some(line => line.includes(': fullscreen, scale=3, data=/etc (')) ||
      !lines.some(line => line.includes('--walk-rate takes a whole number'))) {
    throw new Error(`the page says: ${lines.join(' / ')}`);
  }
  const message = await page.$eval('#message', e => getComputedStyle(e).display);
  if (message !== 'none') throw new Error('the page shows an error');
  if (page.errors.length) throw new Error(`page errors: ${page.errors.join('; ')}`);
  await closePage(page);
});

check('the page, its script and its wasm arrive compressed', async function(browser, base) {
  const page = await openPage(browser, base);
  const sizes = await page.evaluate(() => [...performance.getEntriesByType('navigation'),
                                           ...performance.getEntriesByType('resource')]
      .map(e => ({name: e.name, encoded: e.encodedBodySize, decoded: e.decodedBodySize})));
  for (const name of ['/', '/vesk.js', '/vesk.wasm']) {
    const size = sizes.find(s => new URL(s.name).pathname === name);
    if (!size || !(size.encoded < size.decoded / 2)) {
      throw new Error(`${name} came as ${JSON.stringify(size)}`);
    }
  }
  await closePage(page);
});

check('the game has the focus, a click gives it back, and its keys do not scroll the page', async function(browser, base) {
  const page = await openPage(browser, base);
  const focused = await page.evaluate(() => document.activeElement.id);
  if (focused !== 'screen') throw new Error(`the focus is on ${focused}`);
  await page.evaluate(() => document.activeElement.blur());
  await page.click('#screen');
  const refocused = await page.evaluate(() => document.activeElement.id);
  if (refocused !== 'screen') throw new Error(`after a click the focus is on ${refocused}`);
  const defaults = await page.evaluate(function() {
    const canvas = document.getElementById('screen');
    return ['ArrowDown', 'Space', 'Tab', 'Backspace'].filter(function(code) {
      const event = new KeyboardEvent('keydown', {code, key: code, bubbles: true, cancelable: true});
      canvas.dispatchEvent(event);
      return !event.defaultPrevented;
    });
  });
  if (defaults.length) throw new Error(`the browser keeps ${defaults}`);
  await closePage(page);
});

check('the keyboard\'s Latin mode is kept for the next visit, and a broken kept text is ignored', async function(browser, base) {
  // Natively in one run: the king, the switch to Latin, then Latin letters. The page switches on
  // the first visit and types on the second.
  const talk = ['key Up x23'];
  const typing = ['key d', 'key k', 'key s', 'key s', 'key u', 'key d', 'key Enter'];
  const native = runNative('kept-mode', [...talk, 'key Shift+Space', ...typing].join('\n') + '\n');
  const context = await browser.createBrowserContext();
  try {
    const first = await openPage(browser, base, '', context);
    await playScript(first, null, [...talk, 'key Shift+Space'].join('\n'));
    const kept = await first.evaluate(() => localStorage.getItem('vesk.conf'));
    if (!kept || !kept.includes('hangul = no\n')) throw new Error(`the page keeps: ${kept}`);
    await first.close();
    const second = await openPage(browser, base, '', context);
    await playScript(second, null, [...talk, ...typing].join('\n'));
    await expectSameAsNative(second, native);
    // A text the page cannot read is left aside with one message.
    await second.evaluate(() => localStorage.setItem('vesk.conf', 'hangul = perhaps\n'));
    await second.close();
    const third = await openPage(browser, base, '', context);
    const said = third.consoleLines.filter(line => line.startsWith('vesk: settings kept by the page'));
    if (said.length !== 1 || !said[0].includes('line 1')) throw new Error(`the page said: ${said}`);
    await third.close();
  } finally {
    await context.close();
  }
});

// --- Measurements. ---

async function measure(browser, base) {
  const lines = [];
  for (const name of ['vesk.wasm', 'vesk.js', 'index.html']) {
    const bytes = fs.readFileSync(path.join(args.site, name));
    lines.push(`${name}: ${bytes.length} bytes, ${zlib.gzipSync(bytes, {level: 9}).length} gzip`);
  }
  const loads = [];
  for (let i = 0; i < 5; ++i) {
    const page = await openPage(browser, base);
    loads.push(await page.evaluate('Module.firstFrameAt'));
    if (i < 4) await closePage(page);
    else {
      // A walking key: the handler, the scene and the upload, timed in the page. The page's clock
      // ticks in tenths of a millisecond, so keys are timed in batches of 40.
      const batches = await page.evaluate(function() {
        const canvas = document.getElementById('screen');
        const times = [];
        for (let batch = 0; batch < 20; ++batch) {
          let spent = 0;
          for (let i = 0; i < 40; ++i) {
            const code = i % 2 ? 'ArrowLeft' : 'ArrowRight';
            const init = {code, key: code, keyCode: i % 2 ? 37 : 39, bubbles: true, cancelable: true};
            const start = performance.now();
            canvas.dispatchEvent(new KeyboardEvent('keydown', init));
            spent += performance.now() - start;
            canvas.dispatchEvent(new KeyboardEvent('keyup', init));
          }
          times.push(spent / 40);
        }
        return times.sort((a, b) => a - b);
      });
      lines.push(`walking key in the page: median ${(batches[10] * 1000).toFixed(0)} µs, ` +
                 `slowest batch ${(batches[19] * 1000).toFixed(0)} µs a key (20 batches of 40)`);
      await closePage(page);
    }
  }
  loads.sort((a, b) => a - b);
  lines.push(`page load to first frame: median ${loads[2].toFixed(0)} ms of 5 ` +
             `(${loads.map(t => t.toFixed(0)).join(', ')})`);
  return lines;
}

// `launch` adds to the browser's start: more `args` and an `env` of its own.
async function main(checks, measuring, launch = {}) {
  fs.mkdirSync(args.work, {recursive: true});
  const server = await serve({'/': args.site, '/native/': args.work}, 0);
  const base = `http://127.0.0.1:${server.address().port}/`;
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'vesk-chromium-'));
  const browser = await puppeteer.launch({
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
    headless: true,
    args: ['--headless=new', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
           '--disable-background-networking', '--disable-component-update', '--disable-sync',
           `--user-data-dir=${profile}`, ...(launch.args || [])],
    env: launch.env || process.env,
  });
  let passed = 0, failed = 0;
  try {
    // --checks no: measurements only, as of an older build that would fail the checks.
    for (const {name, body} of args.checks === 'no' ? [] : checks) {
      try {
        await body(browser, base);
        ++passed;
        console.log(`ok: ${name}`);
      } catch (error) {
        ++failed;
        console.log(`FAILED: ${name}\n  ${String(error.message).replace(/\n/g, '\n  ')}`);
      }
    }
    if (args.measure === 'yes') for (const line of await measuring(browser, base)) console.log(`measured: ${line}`);
  } finally {
    await browser.close();
    server.close();
    fs.rmSync(profile, {recursive: true, force: true});
  }
  console.log(`${passed} passed, ${failed} failed`);
  process.exit(failed ? 1 : 0);
}

// tests/web/phone.js runs its own checks with this file's tools.
function run(checks, measuring, launch) {
  main(checks, measuring, launch).catch(function(error) {
    console.log(`FAILED: ${error.stack}`);
    console.log('0 passed, 1 failed');
    process.exit(1);
  });
}
module.exports = {args, puppeteer, serve, runNative, kControls, differingPixels, imeScript, playScript, openPage, closePage,
                  report, expectSameAsNative, run};
if (require.main === module) run(checks, measure);
