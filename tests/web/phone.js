// Plays the browser version in headless Chromium's phone emulation (touch, a coarse pointer, 3
// device pixels to a CSS pixel) and checks it against the native game's headless runs: the
// picture fills the screen, touches walk as arrow keys do, the phone's keyboard (DevTools IME
// events and the `input` events a phone's keyboard sends) talks to the king, the live region
// reads out what he says, and the page installs and plays offline. With --measure yes it also
// measures the page as a phone on a slow network sees it.
//
//   node phone.js --site DIR --vesk NATIVE_BINARY --source SOURCE_DIR --work DIR --modules DIR
//                 [--measure yes]
'use strict';
const childProcess = require('child_process');
const fs = require('fs');
const path = require('path');
const play = require('./play.js');
const {kWords, kPhoneKeyboards, editField} = require('./phone-keyboards.js');

const {args} = play;
const kPortrait = {width: 390, height: 844, deviceScaleFactor: 3, isMobile: true, hasTouch: true};
const kLandscape = {...kPortrait, width: 844, height: 390};
const kWidth = 632, kHeight = 453;

// The map view: 9 x 11 cells of 24 pixels at the client area's corner, the hero in cell (4, 5).
const kCell = 24, kHero = {column: 4, row: 5};

async function tapCell(page, column, row) {
  const box = await page.$eval('#screen', canvas => {
    const r = canvas.getBoundingClientRect();
    return {left: r.left, top: r.top, scale: r.width / canvas.width};
  });
  await page.touchscreen.tap(box.left + (column + 0.5) * kCell * box.scale,
                             box.top + (row + 0.5) * kCell * box.scale);
}

// The cell a tap for `key` goes to, `seed` choosing how far along the arrow's axis and how far
// off it (as far as a tie for the vertical arrows, less for the horizontal ones); Shift is the
// hero's own cell.
function cellFor(key, seed) {
  const {column, row} = kHero;
  const along = 1 + seed % 4;
  const off = vertical => {
    const reach = vertical ? along : along - 1;
    return (seed >> 2) % (2 * reach + 1) - reach;
  };
  switch (key) {
    case 'Up': return [column + off(true), row - along];
    case 'Down': return [column + off(true), row + along];
    case 'Left': return [column - along, row + off(false)];
    case 'Right': return [column + along, row + off(false)];
    default: return [column, row];
  }
}

// Script lines `key K` and `key K xN` played as taps on the map view.
function tapKeys(page) {
  let seed = 7;
  return async function(line) {
    const [what, key, times] = line.trim().split(' ');
    if (what !== 'key' || !['Up', 'Down', 'Left', 'Right', 'Shift'].includes(key)) return false;
    for (let i = 0; i < (times ? Number(times.slice(1)) : 1); ++i) {
      seed = (seed * 1103515245 + 12345) % 2147483648;
      await tapCell(page, ...cellFor(key, seed >> 8));
    }
    return true;
  };
}

// Enter and Backspace as phones' keyboards send them: mostly a key-down of code 229, then what
// the key does to the text, by the field's own editing commands (which raise trusted `input`
// events of type `insertLineBreak` and `deleteContentBackward`); every third, a key of no place
// on a keyboard (an empty code) that names the key.
function phoneKeyboardKeys(page) {
  const commands = {Enter: 'insertLineBreak', Backspace: 'delete'};
  let sent = 0;
  return async function(line) {
    const [what, key] = line.trim().split(' ');
    if (what !== 'key' || !commands[key]) return false;
    await page.evaluate(function(key, command, placeless) {
      const field = document.activeElement;
      const init = placeless ? {key, code: '', bubbles: true, cancelable: true}
                             : {key, keyCode: 229, bubbles: true, cancelable: true};
      if (field.dispatchEvent(new KeyboardEvent('keydown', init)) && !placeless) {
        document.execCommand(command);
      }
      field.dispatchEvent(new KeyboardEvent('keyup', init));
    }, key, commands[key], ++sent % 3 === 0);
    return true;
  };
}

// Layout rounds to 1/64 of a CSS pixel.
const onDevicePixel = x => Math.abs(x - Math.round(x)) < 0.05;

const focused = page => page.evaluate(() => document.activeElement && document.activeElement.id);

// --- Checks. ---

const checks = [];
function check(name, body) { checks.push({name, body}); }

check('the picture fills a phone\'s width in portrait and its height in landscape, sharp, and the page does not move', async function(browser, base) {
  const page = await play.openPage(browser, base, '', null, kPortrait);
  const measure = () => page.evaluate(function() {
    const game = document.getElementById('game').getBoundingClientRect();
    const canvas = document.getElementById('screen');
    return {width: game.width, height: game.height, left: game.left, top: game.top,
            innerWidth, innerHeight, ratio: devicePixelRatio,
            pixels: [canvas.width, canvas.height], rendering: getComputedStyle(canvas).imageRendering,
            touchAction: getComputedStyle(document.body).touchAction,
            scrolls: document.scrollingElement.scrollHeight > innerHeight,
            pad: getComputedStyle(document.getElementById('pad')).display};
  });
  const portrait = await measure();
  if (portrait.width / portrait.innerWidth < 0.9) throw new Error(`portrait: ${JSON.stringify(portrait)}`);
  await page.setViewport(kLandscape);
  await page.waitForFunction(() => innerWidth > innerHeight);
  const landscape = await measure();
  if (landscape.height / landscape.innerHeight < 0.75) throw new Error(`landscape: ${JSON.stringify(landscape)}`);
  for (const shape of [portrait, landscape]) {
    const aspect = shape.width / shape.height;
    if (Math.abs(aspect - kWidth / kHeight) > 0.01 || shape.pixels.join() !== `${kWidth},${kHeight}` ||
        !['pixelated', 'crisp-edges'].includes(shape.rendering) || shape.touchAction !== 'none' || shape.scrolls ||
        shape.pad !== 'grid' || !onDevicePixel(shape.left * shape.ratio) ||
        !onDevicePixel(shape.top * shape.ratio)) {
      throw new Error(`the picture: ${JSON.stringify(shape)}`);
    }
  }
  await play.closePage(page);
  // A desktop keeps whole device pixels to a game pixel, and no pad.
  const desktop = await play.openPage(browser, base);
  const size = await desktop.evaluate(() => [document.getElementById('game').offsetWidth,
                                             getComputedStyle(document.getElementById('pad')).display]);
  if (size.join() !== `${2 * kWidth},none`) throw new Error(`the desktop's picture: ${size}`);
  await play.closePage(desktop);
});

check('touches walk as the arrows towards them, as the native game walks', async function(browser, base) {
  const arrows = ['Up', 'Down', 'Left', 'Right', 'Up', 'Down', 'Left', 'Right', 'Shift'];
  let seed = 4321;
  const lines = [];
  for (let i = 0; i < 120; ++i) {
    seed = (seed * 1103515245 + 12345) % 2147483648;
    lines.push(`key ${arrows[(seed >> 16) % arrows.length]}`);
  }
  const script = lines.join('\n') + '\n';
  const native = play.runNative('touch-walking', script);
  const page = await play.openPage(browser, base, '', null, kPortrait);
  await play.playScript(page, null, script, tapKeys(page));
  await play.expectSameAsNative(page, native);
  await play.closePage(page);
});

check('a held touch walks on at the walk rate, the first step at once', async function(browser, base) {
  const page = await play.openPage(browser, base, 'walk-rate=8', null, kPortrait);
  const row = async () => (await play.report(page)).state.hero.y;
  const box = await page.$eval('#screen', c => { const r = c.getBoundingClientRect(); return [r.left, r.top, r.width / c.width]; });
  const start = await row();
  const session = await page.createCDPSession();
  const point = {x: box[0] + 4.5 * kCell * box[2], y: box[1] + 2.5 * kCell * box[2]};
  await session.send('Input.dispatchTouchEvent', {type: 'touchStart', touchPoints: [point]});
  const first = await row();
  await page.waitForFunction(`JSON.parse(UTF8ToString(Module._WebState())).hero.y <= ${start - 3}`, {timeout: 5000});
  await session.send('Input.dispatchTouchEvent', {type: 'touchEnd', touchPoints: []});
  const stopped = await row();
  await new Promise(resolve => setTimeout(resolve, 400));
  if (first !== start - 1) throw new Error(`the first step did not come at once: row ${start} then ${first}`);
  if (await row() !== stopped) throw new Error('the hero walked on after the touch ended');
  await play.closePage(page);
});

check('on a phone the king is reached by touch and talked to with the phone\'s keyboard, as natively, and the live region reads his answers', async function(browser, base) {
  // The phone types through its own keyboard without ?ime=: the native run types the same words
  // through the system input method. Backspaces take back letters typed too many.
  const script = play.imeScript(['카르벤', '무라셴', '그래ㄱㄴ'], 'key Enter')
      .replace('text ㄱ\n', 'text ㄱ\nkey Backspace\n')
      .replace('text ㄴ\n', 'text ㄴ\nkey Backspace\n') + 'key Enter\n';
  const native = play.runNative('phone-talk', script, 'system');
  const page = await play.openPage(browser, base, '', null, kPortrait);
  if (await focused(page) === 'ime') throw new Error('the phone\'s keyboard is open before the talk');
  const session = await page.createCDPSession();
  const taps = tapKeys(page), keyboard = phoneKeyboardKeys(page);
  let talking = false;
  await play.playScript(page, session, script, async function(line) {
    if (!talking && line.startsWith('compose')) {
      talking = true;
      if (await focused(page) !== 'ime') throw new Error('the talk did not open the phone\'s keyboard');
    }
    return await keyboard(line) || await taps(line);
  });
  if (await focused(page) === 'ime') throw new Error('the phone\'s keyboard stayed open after the talk');
  await page.screenshot({path: path.join(args.work, 'phone.png')});
  await play.expectSameAsNative(page, native);
  const said = await page.$$eval('#live p', lines => lines.map(line => line.textContent));
  const region = await page.$eval('#live', e => e.getAttribute('aria-live'));
  for (const line of ['talk to someone', '그래, 그것은 나의 이름이지.', '음.. 잘 알고 있군']) {
    if (region !== 'polite' || !said.includes(line)) {
      throw new Error(`the live region (${region}) reads: ${said.join(' / ')}`);
    }
  }
  await play.closePage(page);
});

check('every phone keyboard\'s way of typing Korean gives the king the words a desktop types', async function(browser, base) {
  const words = kWords;
  const native = play.runNative('phone-keyboards', play.imeScript(words, 'key Enter'), 'system');
  const problems = [];
  for (const [keyboard, stepsOf] of Object.entries(kPhoneKeyboards)) {
    const page = await play.openPage(browser, base, '', null, kPortrait);
    await play.playScript(page, null, 'key Up x23', tapKeys(page));
    const echoed = [];
    for (const word of words) {
      for (const step of stepsOf(word)) await page.evaluate(editField, ...step);
      const field = await page.evaluate(() => document.getElementById('ime').value);
      echoed.push(`${field} (the game's line ${(await play.report(page)).state.edit})`);
      await page.evaluate(() => document.execCommand('insertLineBreak'));
    }
    try {
      // The field held each word, as the game's line did, when the return key sent it.
      if (echoed.join() !== words.map(word => `${word} (the game's line ${word})`).join()) {
        throw new Error(`the field held ${echoed.join(', ')}`);
      }
      await play.expectSameAsNative(page, native);
    } catch (error) {
      problems.push(`${keyboard}: ${error.message}`);
    }
    await play.closePage(page);
  }
  if (problems.length) throw new Error(problems.join('\n'));
});

check('the pad\'s arrows walk, and ?ime=builtin keeps the game\'s own keyboard on a phone', async function(browser, base) {
  const typing = ['d', 'k', 's', 's', 'u', 'd'].map(key => `key ${key}`);
  const native = play.runNative('phone-pad', ['key Up x22', 'key Left', 'key Right', 'key Up',
                                              ...typing].join('\n') + '\n');
  const page = await play.openPage(browser, base, 'ime=builtin', null, kPortrait);
  const pad = async function(key) {
    const box = await page.$eval(`#pad button[data-key=${key}]`, b => {
      const r = b.getBoundingClientRect();
      return [r.left + r.width / 2, r.top + r.height / 2];
    });
    await page.touchscreen.tap(...box);
  };
  for (let i = 0; i < 22; ++i) await pad('Up');
  for (const key of ['Left', 'Right', 'Up']) await pad(key);
  // The game's keyboard reads a keyboard's keys on the canvas, as on a desktop.
  await play.playScript(page, null, typing.join('\n'));
  await play.expectSameAsNative(page, native);
  await play.closePage(page);
});

check('a keyboard\'s keys walk on a touch screen too, and a touch on the input pane during a talk opens the phone\'s keyboard', async function(browser, base) {
  const page = await play.openPage(browser, base, '', null, kPortrait);
  for (let i = 0; i < 22; ++i) await tapCell(page, kHero.column, 0);
  // The last step to the king by a keyboard's arrow: a talk that no touch began leaves the
  // phone's keyboard closed.
  await page.keyboard.press('ArrowUp');
  if (!(await play.report(page)).state.talking) throw new Error('the arrow key did not reach the king');
  if (await focused(page) !== 'screen') throw new Error(`the focus is on ${await focused(page)}`);
  // The input pane: 225, 350 to 625, 446 in game pixels.
  const box = await page.$eval('#screen', c => { const r = c.getBoundingClientRect(); return [r.left, r.top, r.width / c.width]; });
  await page.touchscreen.tap(box[0] + 400 * box[2], box[1] + 400 * box[2]);
  if (await focused(page) !== 'ime') throw new Error(`the focus is on ${await focused(page)}`);
  // A hardware keyboard's Backspace edits the game's line, and the field follows it.
  await page.evaluate(editField, 0, false, '카르');
  await page.keyboard.press('Backspace');
  const field = await page.$eval('#ime', e => e.value), line = (await play.report(page)).state.edit;
  if (field !== '카' || line !== '카') throw new Error(`after Backspace the field holds ${field}, the line ${line}`);
  await play.closePage(page);
});

check('a hidden page runs no timer and goes on where it was when shown', async function(browser, base) {
  const page = await play.openPage(browser, base, '', null, kPortrait);
  for (let i = 0; i < 23; ++i) await tapCell(page, kHero.column, 0);  // a talk: the caret blinks
  const frames = () => page.evaluate(() => Module.framesDrawn || 0);
  await page.evaluate(() => { const drawn = Module.onFrame; Module.onFrame = function() { Module.framesDrawn = (Module.framesDrawn || 0) + 1; drawn(); }; });
  await page.evaluate(function() {
    Object.defineProperty(document, 'hidden', {configurable: true, get: () => true});
    Object.defineProperty(document, 'visibilityState', {configurable: true, get: () => 'hidden'});
    document.dispatchEvent(new Event('visibilitychange'));
  });
  const before = await frames();
  await new Promise(resolve => setTimeout(resolve, 1600));
  const hidden = await frames() - before;
  await page.evaluate(function() {
    delete document.hidden;
    delete document.visibilityState;
    document.dispatchEvent(new Event('visibilitychange'));
  });
  await new Promise(resolve => setTimeout(resolve, 1600));
  const shown = await frames() - before - hidden;
  if (hidden !== 0 || shown === 0) throw new Error(`frames drawn: ${hidden} hidden, ${shown} shown again`);
  await play.closePage(page);
});

check('the web app manifest names the game and its icons', async function(browser, base) {
  const page = await play.openPage(browser, base, '', null, kPortrait);
  const found = await page.evaluate(async function() {
    const link = document.querySelector('link[rel=manifest]');
    const response = await fetch(link.href);
    const manifest = await response.json();
    const icons = [];
    for (const icon of manifest.icons) {
      const bitmap = await createImageBitmap(await (await fetch(new URL(icon.src, link.href))).blob());
      icons.push({sizes: icon.sizes, purpose: icon.purpose, real: `${bitmap.width}x${bitmap.height}`});
    }
    return {type: response.headers.get('content-type'), manifest, icons};
  });
  const {manifest, icons, type} = found;
  const problems = [];
  if (!type.startsWith('application/manifest+json')) problems.push(`served as ${type}`);
  if (!manifest.name.includes('베스크') || !manifest.name.includes('Vesk') || !manifest.short_name) problems.push('names');
  if (!['standalone', 'fullscreen'].includes(manifest.display) || !manifest.start_url) problems.push('display');
  if (!manifest.theme_color || !manifest.background_color) problems.push('colours');
  for (const want of ['192x192 any', '512x512 any', '512x512 maskable']) {
    if (!icons.some(icon => `${icon.sizes} ${icon.purpose}` === want && icon.real === icon.sizes)) problems.push(want);
  }
  if (problems.length) throw new Error(`${problems.join(', ')}: ${JSON.stringify(found)}`);
  await play.closePage(page);
});

// Waits until the page's service worker has taken it over.
async function keptByWorker(page) {
  await page.waitForFunction(() => navigator.serviceWorker.controller !== null, {timeout: 20000});
}

check('once kept, the page plays with no network', async function(browser, base) {
  const page = await play.openPage(browser, base, '', null, kPortrait);
  await keptByWorker(page);
  await page.setOfflineMode(true);
  try {
    await page.reload({waitUntil: 'load'});
    await page.waitForFunction('Module.firstFrameAt !== undefined', {timeout: 10000});
    const before = (await play.report(page)).state.hero;
    await tapCell(page, kHero.column, 2);
    const after = (await play.report(page)).state.hero;
    if (after.y !== before.y - 1) throw new Error(`offline the hero went from ${JSON.stringify(before)} to ${JSON.stringify(after)}`);
  } finally {
    await page.setOfflineMode(false);
  }
  await play.closePage(page);
});

check('once kept, the licence link opens the licence itself, with no network too', async function(browser, base) {
  const page = await play.openPage(browser, base, '', null, kPortrait);
  await keptByWorker(page);
  const licence = fs.readFileSync(path.join(args.site, 'libhangul', 'COPYING.txt'), 'utf8');
  await page.setOfflineMode(true);
  try {
    // Where the page's footer link leads (on a narrow phone the footer's line is cut short).
    const link = await page.$eval('footer a[href="libhangul/COPYING.txt"]', a => a.href);
    await page.goto(link, {waitUntil: 'load'});
    const shown = await page.evaluate(() => ({type: document.contentType, text: document.body.innerText}));
    if (shown.type !== 'text/plain' || shown.text.trim() !== licence.trim()) {
      throw new Error(`the licence link showed ${shown.type}: ${JSON.stringify(shown.text.slice(0, 80))}`);
    }
  } finally {
    await page.setOfflineMode(false);
  }
  await play.closePage(page);
});

check('a rebuilt page replaces the kept one at the next load', async function(browser) {
  // A copy of the site, served on its own address, rebuilt with a changed page.
  const site = path.join(args.work, 'rebuilt-site');
  fs.rmSync(site, {recursive: true, force: true});
  fs.cpSync(args.site, site, {recursive: true});
  const server = await play.serve({'/': site}, 0);
  try {
    const base = `http://127.0.0.1:${server.address().port}/`;
    const page = await play.openPage(browser, base, '', null, kPortrait);
    await keptByWorker(page);
    const index = path.join(site, 'index.html');
    fs.writeFileSync(index, fs.readFileSync(index, 'utf8').replace('<head>', '<head>\n<meta name="rebuilt" content="yes">'));
    childProcess.execFileSync('cmake', [`-DSITE=${site}`,
      `-DTEMPLATE=${path.join(args.source, 'platform', 'web', 'service-worker.js')}`,
      '-P', path.join(args.source, 'platform', 'web', 'WriteServiceWorker.cmake')]);
    childProcess.execFileSync(process.execPath, [path.join(args.source, 'tools', 'compress-site.js'), site]);
    await page.reload({waitUntil: 'load'});
    await page.waitForFunction(() => document.querySelector('meta[name=rebuilt]'), {timeout: 20000});
    await page.waitForFunction('Module.firstFrameAt !== undefined', {timeout: 10000});
    await play.closePage(page);
  } finally {
    server.close();
  }
});

// --- Measurements: a phone with a 4 times slower processor on a slow network. ---

const kSlowNetwork = {offline: false, latency: 150, downloadThroughput: 1.6e6 / 8,
                      uploadThroughput: 0.75e6 / 8};

// Loads the page in `context` as a slow phone; resolves to the time from navigation to the first
// frame, in milliseconds.
async function slowLoad(context, base) {
  const page = await context.newPage();
  await page.setViewport(kPortrait);
  // Counts the wake-ups of the page's timers.
  await page.evaluateOnNewDocument(function() {
    window.timerWakeUps = 0;
    for (const name of ['setTimeout', 'setInterval']) {
      const original = window[name];
      window[name] = function(callback, ...rest) {
        return original.call(window, function(...more) {
          window.timerWakeUps += 1;
          return callback(...more);
        }, ...rest);
      };
    }
  });
  const session = await page.createCDPSession();
  await session.send('Emulation.setCPUThrottlingRate', {rate: 4});
  await session.send('Network.enable');
  await session.send('Network.emulateNetworkConditions', kSlowNetwork);
  await page.goto(base + '?walk-rate=0', {waitUntil: 'load', timeout: 60000});
  await page.waitForFunction('Module.firstFrameAt !== undefined', {timeout: 60000});
  return {page, time: await page.evaluate('Module.firstFrameAt')};
}

const median = list => [...list].sort((a, b) => a - b)[Math.floor(list.length / 2)];

async function measure(browser, base) {
  const lines = [];
  const cold = [], warm = [];
  for (let i = 0; i < 3; ++i) {
    const context = await browser.createBrowserContext();
    const first = await slowLoad(context, base);
    cold.push(first.time);
    // A page without a service worker (an older build) is measured as the browser's cache keeps it.
    if (await first.page.evaluate(() => navigator.serviceWorker.getRegistration().then(Boolean))) {
      await keptByWorker(first.page);
    }
    await first.page.close();
    warm.push((await slowLoad(context, base)).time);
    await context.close();
  }
  lines.push(`first frame, cold: median ${median(cold).toFixed(0)} ms (${cold.map(t => t.toFixed(0)).join(', ')})`);
  lines.push(`first frame, kept by the service worker: median ${median(warm).toFixed(0)} ms ` +
             `(${warm.map(t => t.toFixed(0)).join(', ')})`);

  // A touch's step: from the touch event to the step's picture on the canvas, timed in the page.
  const context = await browser.createBrowserContext();
  const {page} = await slowLoad(context, base);
  const steps = await page.evaluate(function(cell) {
    const canvas = document.getElementById('screen');
    const r = canvas.getBoundingClientRect(), scale = r.width / canvas.width;
    const times = [];
    let drawnAt = 0;
    const drawn = Module.onFrame;
    Module.onFrame = function() { drawnAt = performance.now(); drawn(); };
    for (let i = 0; i < 40; ++i) {
      const touch = new Touch({identifier: i, target: canvas,
                               clientX: r.left + (i % 2 ? 2.5 : 6.5) * cell * scale,
                               clientY: r.top + 5.5 * cell * scale});
      const init = {touches: [touch], changedTouches: [touch], targetTouches: [touch],
                    bubbles: true, cancelable: true};
      drawnAt = 0;
      const start = performance.now();
      canvas.dispatchEvent(new TouchEvent('touchstart', init));
      if (drawnAt) times.push(drawnAt - start);
      canvas.dispatchEvent(new TouchEvent('touchend', {...init, touches: [], targetTouches: []}));
    }
    return times;
  }, kCell);
  lines.push(steps.length ? `a touch's step to its picture: median ${median(steps).toFixed(1)} ` +
                            `ms, slowest ${Math.max(...steps).toFixed(1)} ms (${steps.length} steps)`
                          : 'a touch walks no step');

  // A hidden page over 30 seconds, in a talk, where the caret blinks twice a second: how often
  // the page's timers wake it, and how many frames it draws.
  for (let i = 0; i < 23; ++i) await tapCell(page, kHero.column, 0);
  const other = await context.newPage();
  await other.bringToFront();
  let hidden = await page.evaluate(() => document.hidden);
  if (!hidden) {
    // A browser without windows may keep every tab visible: the page is told it is hidden.
    await page.evaluate(function() {
      Object.defineProperty(document, 'hidden', {configurable: true, get: () => true});
      document.dispatchEvent(new Event('visibilitychange'));
    });
    hidden = 'as told';
  }
  await page.evaluate(function() {
    const drawn = Module.onFrame;
    Module.framesDrawn = 0;
    Module.onFrame = function() { Module.framesDrawn += 1; drawn(); };
    window.timerWakeUps = 0;
  });
  await new Promise(resolve => setTimeout(resolve, 30000));
  const {frames, wakeUps} = await page.evaluate(() => ({frames: Module.framesDrawn, wakeUps: window.timerWakeUps}));
  lines.push(`a hidden page (hidden: ${hidden}) in a talk over 30 s: ${wakeUps} timer wake-ups, ` +
             `${frames} frames drawn`);
  await context.close();
  return lines;
}

play.run(checks, measure);
