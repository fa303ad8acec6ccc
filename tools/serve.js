// A static web server on 127.0.0.1 for the browser version's folder.
//   node tools/serve.js DIR [PORT]     serves DIR, prints its address (PORT 0: any free port)
// The browser tests use serve() to serve the page and their own files beside it.
'use strict';
const fs = require('fs');
const http = require('http');
const path = require('path');

const kTypes = {
  '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.wasm': 'application/wasm',
  '.png': 'image/png', '.css': 'text/css', '.txt': 'text/plain; charset=utf-8',
};

// `mounts`: URL prefix ('/' or '/name/') to folder. Resolves to the listening server.
function serve(mounts, port) {
  const server = http.createServer(function(request, response) {
    const url = decodeURIComponent(new URL(request.url, 'http://localhost').pathname);
    const prefix = Object.keys(mounts).filter(p => url.startsWith(p))
                       .sort((a, b) => b.length - a.length)[0];
    let file = prefix === undefined ? null : path.join(mounts[prefix], url.slice(prefix.length));
    // Never outside the served folder.
    if (file && !file.startsWith(path.resolve(mounts[prefix]))) file = null;
    if (file && fs.existsSync(file) && fs.statSync(file).isDirectory()) {
      file = path.join(file, 'index.html');
      if (!fs.existsSync(file)) file = null;
    }
    if (!file || !fs.existsSync(file)) {
      response.writeHead(404, {'Content-Type': 'text/plain'});
      response.end('not found\n');
      return;
    }
    const type = kTypes[path.extname(file)] || 'application/octet-stream';
    response.writeHead(200, {'Content-Type': type, 'Cache-Control': 'no-cache'});
    fs.createReadStream(file).pipe(response);
  });
  return new Promise(function(resolve, reject) {
    server.once('error', reject);
    server.listen(port, '127.0.0.1', () => resolve(server));
  });
}

module.exports = {serve};

if (require.main === module) {
  const dir = path.resolve(process.argv[2] || '.');
  serve({'/': dir}, Number(process.argv[3] || 8000)).then(function(server) {
    console.log(`Serving ${dir} on http://127.0.0.1:${server.address().port}/`);
  }, function(error) {
    console.error(`serve: ${error.message}`);
    process.exit(1);
  });
}
