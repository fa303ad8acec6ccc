// The page's local server (tools/serve.js) under hostile requests, sent as raw bytes so that no
// client cleans up the path first: each one gets an error and the server goes on serving; nothing
// outside the served folders is reached; and the site's compressed copies go only to browsers
// that take them.
//
//   node --test tests/web/serve.test.js
'use strict';
const assert = require('node:assert/strict');
const childProcess = require('node:child_process');
const fs = require('node:fs');
const net = require('node:net');
const os = require('node:os');
const path = require('node:path');
const test = require('node:test');
const zlib = require('node:zlib');

const tools = path.join(__dirname, '..', '..', 'tools');
const {serve} = require(path.join(tools, 'serve.js'));

// The served folder `site/`, a second mount `native/`, and beside them what must stay unreached:
// a sibling folder whose name starts with the served one's, and a secret file.
const base = fs.mkdtempSync(path.join(os.tmpdir(), 'vesk-serve-'));
const site = path.join(base, 'site'), native = path.join(base, 'native');
const kSecret = 'SECRET, never served';
const kPage = '<!DOCTYPE html><title>page</title>\n' + '<p>a line of the page</p>\n'.repeat(200);
const kScript = 'console.log("the game");\n'.repeat(400);
function write(file, text) {
  fs.mkdirSync(path.dirname(file), {recursive: true});
  fs.writeFileSync(file, text);
}
write(path.join(site, 'index.html'), kPage);
write(path.join(site, 'vesk.js'), kScript);
write(path.join(site, 'vesk.wasm'), Buffer.alloc(50000, 'wasm'));
write(path.join(site, 'picture.png'), Buffer.alloc(5000, 'png'));
write(path.join(site, 'app.webmanifest'), '{"name": "Vesk"}\n');
write(path.join(site, 'worker.js'), 'self.addEventListener("fetch", () => {});\n');
fs.mkdirSync(path.join(site, 'room', 'index.html'), {recursive: true});
childProcess.execFileSync('mkfifo', [path.join(site, 'pipe')]);
write(path.join(site + '-old', 'x'), kSecret);
write(path.join(base, 'secret.txt'), kSecret);
fs.symlinkSync(path.join(base, 'secret.txt'), path.join(site, 'out'));
fs.symlinkSync(site + '-old', path.join(site, 'outside'));
fs.symlinkSync('vesk.js', path.join(site, 'inside.js'));
write(path.join(native, 'a.txt'), 'native\n');
childProcess.execFileSync(process.execPath, [path.join(tools, 'compress-site.js'), site]);

let server, port;
test.before(async function() {
  server = await serve({'/': site, '/native/': native}, 0);
  port = server.address().port;
});
test.after(function() {
  server.close();
  fs.rmSync(base, {recursive: true, force: true});
});

// Sends `text` as it is and reads the answer until the server closes the connection.
function raw(text) {
  return new Promise(function(resolve, reject) {
    const socket = net.connect(port, '127.0.0.1');
    const chunks = [];
    socket.setTimeout(10000, function() {
      socket.destroy();
      reject(new Error(`no answer to ${JSON.stringify(text.split('\r\n')[0])}`));
    });
    socket.on('data', chunk => chunks.push(chunk));
    socket.on('error', reject);
    socket.on('end', function() {
      const answer = Buffer.concat(chunks);
      const split = answer.indexOf('\r\n\r\n');
      const [statusLine, ...lines] = answer.subarray(0, split).toString('latin1').split('\r\n');
      const headers = {};
      for (const line of lines) {
        const colon = line.indexOf(':');
        headers[line.slice(0, colon).toLowerCase()] = line.slice(colon + 1).trim();
      }
      const body = answer.subarray(split + 4);
      resolve({status: Number(statusLine.split(' ')[1]), headers, body});
    });
    socket.write(text);
  });
}

// A request for `target` as written, with a loopback Host unless `headers` gives another.
function request(target, headers = {}, method = 'GET') {
  const all = {Host: `127.0.0.1:${port}`, Connection: 'close', ...headers};
  const lines = Object.entries(all).filter(([, value]) => value !== null)
                      .map(([name, value]) => `${name}: ${value}\r\n`);
  return raw(`${method} ${target} HTTP/1.1\r\n${lines.join('')}\r\n`);
}

async function assertStillServing() {
  const answer = await request('/');
  assert.equal(answer.status, 200);
  assert.equal(answer.body.toString(), kPage);
}

test('a request the server cannot use gets an error, and the server goes on', async function() {
  for (const [target, status] of [['/%', 400], ['/%zz/index.html', 400], ['http://[/', 400],
                                  ['/room/', 404], ['/room', 404], ['/nothing', 404],
                                  ['/%00', 400]]) {
    assert.equal((await request(target)).status, status, target);
    await assertStillServing();
  }
});

test('nothing outside the served folders is reached, through names or links', async function() {
  for (const target of ['/..%2fsite-old/x', '/../site-old/x', '/%2e%2e/site-old/x',
                        '/..%5csite-old/x', '/native/..%2f..%2fsecret.txt', '/out',
                        '/outside/x', `http://127.0.0.1:${port}/../secret.txt`]) {
    const answer = await request(target);
    assert.notEqual(answer.status, 200, target);
    assert.ok(!answer.body.includes(kSecret), target);
  }
  // A link that stays inside is followed.
  const inside = await request('/inside.js');
  assert.equal(inside.status, 200);
  assert.equal(inside.body.toString(), kScript);
});

test('a FIFO is refused at once and ties up none of the file threads', async function() {
  // Node reads files on 4 threads: more requests than that for a FIFO stopped all file reads.
  const answers = await Promise.all(Array.from({length: 6}, () => request('/pipe')));
  assert.deepEqual(answers.map(answer => answer.status), [404, 404, 404, 404, 404, 404]);
  await assertStillServing();
});

test('only GET and HEAD are answered', async function() {
  for (const method of ['POST', 'DELETE', 'OPTIONS', 'PUT']) {
    const answer = await request('/vesk.js', {'Content-Length': '0'}, method);
    assert.equal(answer.status, 405, method);
    assert.equal(answer.headers.allow, 'GET, HEAD');
    assert.ok(!answer.body.includes('the game'));
  }
  const head = await request('/vesk.js', {}, 'HEAD');
  assert.equal(head.status, 200);
  assert.equal(head.headers['content-length'], String(kScript.length));
  assert.equal(head.body.length, 0);
});

test('only a loopback Host with the server\'s port is served', async function() {
  for (const host of ['evil.example.com', `evil.example.com:${port}`, `127.0.0.1:${port + 1}`,
                      `localhost.example.com:${port}`, '127.0.0.1']) {
    assert.equal((await request('/', {Host: host})).status, 421, host);
  }
  // The address in an absolute target stands for the Host.
  assert.equal((await request(`http://evil.example.com:${port}/`)).status, 421);
  assert.equal((await raw('GET / HTTP/1.0\r\n\r\n')).status, 400);
  // Two Host headers, in either order: whichever one a proxy in front of the server reads, the
  // server must not serve the other.
  const loopback = `127.0.0.1:${port}`;
  for (const hosts of [[loopback, 'evil.example.com'], ['evil.example.com', loopback],
                       [loopback, loopback]]) {
    const lines = hosts.map(host => `Host: ${host}\r\n`).join('');
    assert.equal((await raw(`GET / HTTP/1.1\r\n${lines}Connection: close\r\n\r\n`)).status, 400,
                 hosts.join(', '));
  }
  for (const host of [`localhost:${port}`, `LocalHost:${port}`, `[::1]:${port}`]) {
    assert.equal((await request('/', {Host: host})).status, 200, host);
  }
  assert.equal((await request(`http://localhost:${port}/vesk.js`)).status, 200);
});

test('each request goes to the folder of the longest mount that holds its path', async function() {
  assert.equal((await request('/native/a.txt')).body.toString(), 'native\n');
  assert.equal((await request('/native/index.html')).status, 404);
  assert.equal((await request('/nativea.txt')).status, 404);
  assert.equal((await request('/vesk.js?x=1#y')).body.toString(), kScript);
});

test('a compressed copy goes to a browser that takes it, the file to others', async function() {
  const wasm = fs.readFileSync(path.join(site, 'vesk.wasm'));
  const cases = [['gzip, deflate, br', 'br'], ['gzip', 'gzip'], ['br;q=0, gzip;q=0.5', 'gzip'],
                 ['gzip;q=1, br;q=0.5', 'gzip'], ['*', 'br'], ['identity', undefined],
                 ['gzip;q=0', undefined], [null, undefined]];
  for (const [accepted, encoding] of cases) {
    const answer = await request('/vesk.wasm', {'Accept-Encoding': accepted});
    assert.equal(answer.status, 200);
    assert.equal(answer.headers['content-encoding'], encoding, accepted);
    assert.equal(answer.headers['content-type'], 'application/wasm');
    assert.equal(answer.headers.vary, 'Accept-Encoding');
    assert.equal(Number(answer.headers['content-length']), answer.body.length);
    const decode = {br: zlib.brotliDecompressSync, gzip: zlib.gunzipSync}[encoding] || (b => b);
    assert.deepEqual(decode(answer.body), wasm, accepted);
    assert.ok(encoding === undefined || answer.body.length < wasm.length / 10);
  }
  // A picture is compressed already; a file changed since its copies were made goes as it is.
  assert.ok(!fs.existsSync(path.join(site, 'picture.png.gz')));
  const later = new Date(Date.now() + 60000);
  fs.utimesSync(path.join(site, 'vesk.js'), later, later);
  const changed = await request('/vesk.js', {'Accept-Encoding': 'gzip, br'});
  assert.equal(changed.headers['content-encoding'], undefined);
  assert.equal(changed.body.toString(), kScript);
});

test('the site\'s compressed copies follow the files they copy', function() {
  const copies = () => fs.readdirSync(site).filter(name => /\.(gz|br)$/.test(name)).sort();
  assert.deepEqual(copies(), ['index.html.br', 'index.html.gz', 'vesk.js.br', 'vesk.js.gz',
                              'vesk.wasm.br', 'vesk.wasm.gz']);
  fs.renameSync(path.join(site, 'vesk.wasm'), path.join(site, 'vesk.wasm.away'));
  childProcess.execFileSync(process.execPath, [path.join(tools, 'compress-site.js'), site]);
  fs.renameSync(path.join(site, 'vesk.wasm.away'), path.join(site, 'vesk.wasm'));
  assert.deepEqual(copies(), ['index.html.br', 'index.html.gz', 'vesk.js.br', 'vesk.js.gz']);
});

test('every file is revalidated: a new service worker is seen at once', async function() {
  const manifest = await request('/app.webmanifest');
  assert.equal(manifest.headers['content-type'], 'application/manifest+json');
  const worker = await request('/worker.js');
  assert.equal(worker.headers['content-type'], 'text/javascript; charset=utf-8');
  assert.equal(worker.headers['cache-control'], 'no-cache');
  assert.ok(worker.headers.etag);
  const again = await request('/worker.js', {'If-None-Match': worker.headers.etag});
  assert.equal(again.status, 304);
  assert.equal(again.body.length, 0);
  fs.appendFileSync(path.join(site, 'worker.js'), '// a new build\n');
  const renewed = await request('/worker.js', {'If-None-Match': worker.headers.etag});
  assert.equal(renewed.status, 200);
  assert.ok(renewed.body.toString().endsWith('// a new build\n'));
});
