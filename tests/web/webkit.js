// Plays the browser version in WebKitGTK (Debian's webkit2gtk-driver: WebKitWebDriver and its
// MiniBrowser, under Xvfb), the engine of the iPhone's browsers: the phones' keyboards of
// phone-keyboards.js type the guided path's words through the page's text field (?ime=system),
// and each gives the native headless run's pixels, log and state.
//
//   node webkit.js --site DIR --vesk NATIVE_BINARY --source SOURCE_DIR --work DIR --modules DIR
'use strict';
const childProcess = require('child_process');
const net = require('net');
const play = require('./play.js');
const {kWords, kPhoneKeyboards, editField} = require('./phone-keyboards.js');

const kMiniBrowser = process.env.MINIBROWSER ||
    '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser';

// A port nobody listens on, for the driver.
function freePort() {
  return new Promise(function(resolve) {
    const server = net.createServer().listen(0, '127.0.0.1', function() {
      const {port} = server.address();
      server.close(() => resolve(port));
    });
  });
}

async function until(condition, what, timeout = 20000) {
  const end = Date.now() + timeout;
  for (;;) {
    try {
      if (await condition()) return;
    } catch (error) {
      if (Date.now() > end) throw error;
    }
    if (Date.now() > end) throw new Error(`timed out waiting for ${what}`);
    await new Promise(resolve => setTimeout(resolve, 50));
  }
}

// A WebDriver session: `command` sends one command and gives its value.
async function startSession(driverUrl) {
  const request = async function(method, url, body) {
    const response = await fetch(url, {method, headers: {'content-type': 'application/json'},
                                       body: body && JSON.stringify(body)});
    const answer = await response.json();
    if (!response.ok) throw new Error(`${url}: ${JSON.stringify(answer.value)}`);
    return answer.value;
  };
  const {sessionId} = await request('POST', `${driverUrl}/session`, {capabilities: {alwaysMatch: {
    'webkitgtk:browserOptions': {binary: kMiniBrowser, args: ['--automation']}}}});
  const base = `${driverUrl}/session/${sessionId}`;
  return {
    command: (method, what, body) => request(method, `${base}/${what}`, body),
    run: (fn, ...args) => request('POST', `${base}/execute/sync`,
                                  {script: `return (${fn}).apply(null, arguments);`, args}),
    runAsync: (fn, ...args) => request('POST', `${base}/execute/async`, {
      script: `const done = arguments[arguments.length - 1];
               (${fn}).apply(null, [...arguments].slice(0, -1)).then(done, e => done(String(e)));`,
      args}),
    end: () => request('DELETE', base),
  };
}

async function main() {
  const {args} = play;
  require('fs').mkdirSync(args.work, {recursive: true});
  const native = play.runNative('webkit-keyboards', play.imeScript(kWords, 'key Enter'), 'system');
  const server = await play.serve({'/': args.site, '/native/': args.work}, 0);
  const site = `http://127.0.0.1:${server.address().port}/`;
  // A display of its own for the browser's window, whose number Xvfb picks among the free ones.
  const xvfb = childProcess.spawn('Xvfb', ['-displayfd', '1', '-screen', '0', '1300x1000x24'],
                                  {stdio: ['ignore', 'pipe', 'ignore']});
  const display = await new Promise(function(resolve, reject) {
    let said = '';
    xvfb.stdout.on('data', function(data) {
      said += data;
      if (said.includes('\n')) resolve(`:${said.trim()}`);
    });
    xvfb.on('error', reject);
    xvfb.on('exit', code => reject(new Error(`Xvfb ended (${code}) before it had a display`)));
  });
  const port = await freePort();
  const driver = childProcess.spawn('WebKitWebDriver', [`--port=${port}`],
                                    {stdio: 'ignore', env: {...process.env, DISPLAY: display}});
  let passed = 0, failed = 0;
  try {
    const driverUrl = `http://127.0.0.1:${port}`;
    await until(() => fetch(`${driverUrl}/status`).then(r => r.ok), 'WebKitWebDriver');
    for (const [keyboard, stepsOf] of Object.entries(kPhoneKeyboards)) {
      const session = await startSession(driverUrl);
      try {
        await session.command('POST', 'url', {url: `${site}?walk-rate=0&ime=system`});
        await until(() => session.run(() => Module.firstFrameAt !== undefined), 'the first frame');
        // The walk to the king by the keyboard's arrows.
        const up = '\uE013';
        const keys = [];
        for (let i = 0; i < 23; ++i) keys.push({type: 'keyDown', value: up}, {type: 'keyUp', value: up});
        await session.command('POST', 'actions', {actions: [{type: 'key', id: 'keys', actions: keys}]});
        const echoed = [];
        for (const word of kWords) {
          for (const step of stepsOf(word)) await session.run(editField, ...step);
          echoed.push(await session.run(() => document.getElementById('ime').value));
          await session.run(() => document.execCommand('insertLineBreak'));
        }
        if (echoed.join() !== kWords.join()) throw new Error(`the field held ${echoed}`);
        const counts = await session.runAsync(async function(urls, controls, differingPixels) {
          return (await eval(`(${differingPixels})`)(urls, controls)).counts;
        }, native.pictures, play.kControls, play.differingPixels.toString());
        // The state as the page writes it: WebDriver's answer would not keep its keys' order.
        const report = await session.run(() => ({log: UTF8ToString(Module._WebEventLog()),
                                                 state: UTF8ToString(Module._WebState())}));
        const problems = [];
        if (!Array.isArray(counts) || !counts.includes(0)) problems.push(`pixels differ from the native run: ${counts}`);
        if (report.log !== native.log) problems.push(`the log: ${report.log}`);
        if (JSON.stringify(JSON.parse(report.state)) !== JSON.stringify(native.state)) {
          problems.push(`the state: ${report.state}, natively ${JSON.stringify(native.state)}`);
        }
        if (problems.length) throw new Error(problems.join('\n'));
        ++passed;
        console.log(`ok: in WebKit, ${keyboard}`);
      } catch (error) {
        ++failed;
        console.log(`FAILED: in WebKit, ${keyboard}\n  ${String(error.message).replace(/\n/g, '\n  ')}`);
      } finally {
        await session.end();
      }
    }
  } finally {
    driver.kill();
    xvfb.kill();
    server.close();
  }
  console.log(`${passed} passed, ${failed} failed`);
  process.exit(failed ? 1 : 0);
}

main().catch(function(error) {
  console.log(`FAILED: ${error.stack}`);
  console.log('0 passed, 1 failed');
  process.exit(1);
});
