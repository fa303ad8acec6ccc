// Plays the browser version with a game controller in headless Chromium, the Gamepad API faked in
// the page before it loads (a standard-mapping pad whose buttons and stick the test sets, and the
// `gamepadconnected` event), and checks it against the native game's headless runs of the same
// `button` script: the walk by the stick and the d-pad, the guided path typed on the on-screen
// keyboard, the goodbye. Also checks that the page reads no pad while none is in.
//
//   node pad.js --site DIR --vesk NATIVE_BINARY --source SOURCE_DIR --work DIR --modules DIR
'use strict';
const play = require('./play.js');

// The standard mapping's buttons by index, as the test's own model of the pad.
const kIndex = {A: 0, B: 1, X: 2, Y: 3, Back: 8, Start: 9, Up: 12, Down: 13, Left: 14, Right: 15};

// The on-screen keyboard's letter rows (the US letters of the 2-set keys).
const kRows = ['qwertyuiop', 'asdfghjkl', 'zxcvbnm'];

// 카르벤, 무라셴 and 비밀 on the 2-set keys (P is Shift+p, ㅖ).
const kGuidedPath = ['zkfmqps', 'anfktPs', 'qlalf'];

// The button lines that type `letters` (upper case for Shift) with the keyboard's cursor at
// `at` (moved along), then Start. Rows grow shorter downwards: up first, sideways, then down.
function buttonsTyping(letters, at) {
  const lines = [];
  for (const letter of letters) {
    const lower = letter.toLowerCase();
    const row = kRows.findIndex(keys => keys.includes(lower));
    const column = kRows[row].indexOf(lower);
    for (; at.row > row; --at.row) lines.push('button Up');
    for (; at.column > column; --at.column) lines.push('button Left');
    for (; at.column < column; ++at.column) lines.push('button Right');
    for (; at.row < row; ++at.row) lines.push('button Down');
    if (letter !== lower) lines.push('button Y');
    lines.push('button A');
  }
  lines.push('button Start');
  return lines;
}

// The fake pad, in the page before its scripts run: navigator.getGamepads lists it once
// `padConnect` has announced it, and counts its calls in `padReads`.
function fakeGamepad() {
  const pad = {
    id: 'Test pad (STANDARD GAMEPAD Vendor: 045e Product: 028e)', index: 0, connected: true,
    mapping: 'standard', timestamp: 0, axes: [0, 0, 0, 0],
    buttons: Array.from({length: 17}, () => ({pressed: false, touched: false, value: 0})),
  };
  let plugged = false;
  window.padReads = 0;
  Object.defineProperty(Navigator.prototype, 'getGamepads', {
    configurable: true,
    value: function() {
      ++window.padReads;
      return [plugged ? pad : null, null, null, null];
    },
  });
  function announce(type) {
    const event = new Event(type);
    event.gamepad = pad;
    window.dispatchEvent(event);
  }
  window.padConnect = function() {
    plugged = true;
    pad.connected = true;
    announce('gamepadconnected');
  };
  window.padDisconnect = function() {
    plugged = false;
    pad.connected = false;
    announce('gamepaddisconnected');
  };
  // Sets the pad to `buttons` (indices held down) and `axes`, and resolves once the page has read
  // it: a read after the change is done once the one after it begins.
  window.padHold = function(buttons, axes) {
    pad.buttons.forEach((button, i) => {
      button.pressed = button.touched = buttons.includes(i);
      button.value = button.pressed ? 1 : 0;
    });
    pad.axes = axes.concat([0, 0]);
    pad.timestamp = performance.now();
    const until = window.padReads + 2;
    return new Promise(function(resolve) {
      (function wait() {
        if (window.padReads >= until) resolve(); else requestAnimationFrame(wait);
      })();
    });
  };
}

// Plays `button NAME [xN]` lines and `stick NAME` lines (the left stick pushed that way and let
// back) on the fake pad, each pressed and let go.
async function playPad(page, lines) {
  await page.evaluate(async function(lines, kIndex) {
    const kStick = {Up: [0, -1], Down: [0, 1], Left: [-1, 0], Right: [1, 0]};
    for (const line of lines) {
      const [what, name, times] = line.split(' ');
      for (let i = 0; i < (times ? Number(times.slice(1)) : 1); ++i) {
        if (what === 'stick') await window.padHold([], kStick[name]);
        else await window.padHold([kIndex[name]], [0, 0]);
        await window.padHold([], [0, 0]);
      }
    }
  }, lines, kIndex);
}

// The native run plays the stick's pushes as the d-pad's buttons.
function nativeScript(lines) {
  return lines.map(line => line.replace(/^stick /, 'button ')).join('\n') + '\n';
}

// Only the typing-mode field: in a talk the on-screen keyboard stands over the event log, drawn
// with the game's own font on both.
const kTypingMode = play.kControls.slice(1);

async function expectSamePixels(page, native, controls) {
  const {counts} = await page.evaluate(play.differingPixels, native.pictures, controls);
  if (!counts.includes(0)) throw new Error(`${native.name}: pixels differ from the native run: ${counts}`);
}

const checks = [];
function check(name, body) { checks.push({name, body}); }

check('a pad walks, types the guided path on the on-screen keyboard and says goodbye', async function(browser, base) {
  const page = await browser.newPage();
  await page.evaluateOnNewDocument(fakeGamepad);
  await page.setViewport({width: 1300, height: 1000});
  await page.goto(base + '?walk-rate=0', {waitUntil: 'load'});
  await page.waitForFunction('Module.firstFrameAt !== undefined', {timeout: 10000});
  page.errors = [];
  page.on('pageerror', error => page.errors.push(error.message));
  // No pad in: the page does not read any.
  await new Promise(resolve => setTimeout(resolve, 300));
  const idle = await page.evaluate('window.padReads');
  if (idle !== 0) throw new Error(`the page read the pads ${idle} times before one came in`);
  await page.evaluate('window.padConnect()');

  const walk = ['stick Up x3'];
  await playPad(page, walk);
  await play.expectSameAsNative(page, play.runNative('pad-walk', nativeScript(walk)));

  const talk = [...walk, 'button Up x20'];
  await playPad(page, talk.slice(1));
  const atKing = play.runNative('pad-king', nativeScript(talk));
  await play.expectSameAsNative(page, atKing);
  await expectSamePixels(page, atKing, kTypingMode);

  const at = {row: 0, column: 0};
  const typing = kGuidedPath.flatMap(word => buttonsTyping(word, at));
  await playPad(page, typing);
  const typed = play.runNative('pad-typed', nativeScript([...talk, ...typing]));
  await play.expectSameAsNative(page, typed);
  await expectSamePixels(page, typed, kTypingMode);

  await playPad(page, ['button Start']);
  await play.expectSameAsNative(page,
                                play.runNative('pad-goodbye', nativeScript([...talk, ...typing, 'button Start'])));

  // Pulled out, the pad is no longer read.
  await page.evaluate('window.padDisconnect()');
  await new Promise(resolve => setTimeout(resolve, 200));
  const before = await page.evaluate('window.padReads');
  await new Promise(resolve => setTimeout(resolve, 300));
  const after = await page.evaluate('window.padReads');
  if (after !== before) throw new Error(`the page read a pulled pad ${after - before} more times`);
  await page.close();
});

play.run(checks, async () => []);
