// The page's service worker: it keeps the page, the program, its wasm, the manifest, the icons
// and the licence notice, and serves them from what it keeps, so the game starts at once and plays
// with no network. The build writes the version, a digest of the kept files, into the cache's
// name: a new build's worker keeps its own files, takes over the open pages and drops the old ones.
'use strict';
const cacheName = 'vesk-@VESK_SITE_VERSION@';
const kept = [@VESK_KEPT_FILES@];
const pageAddresses = ['./', './index.html'].map(file => new URL(file, self.location).pathname);

self.addEventListener('install', function(event) {
  event.waitUntil(caches.open(cacheName)
      .then(cache => cache.addAll(kept.map(file => new Request(file, {cache: 'reload'}))))
      .then(() => self.skipWaiting()));
});

self.addEventListener('activate', function(event) {
  event.waitUntil(caches.keys()
      .then(names => Promise.all(names.filter(name => name.startsWith('vesk-') && name !== cacheName)
                                      .map(name => caches.delete(name))))
      .then(() => self.clients.claim()));
});

self.addEventListener('fetch', function(event) {
  const request = event.request;
  if (request.method !== 'GET' || new URL(request.url).origin !== self.location.origin) return;
  // The page's address carries the game's options (?ime=system): the kept page serves every
  // visit to the page. Any other kept file (the licence a link on the page opens) is itself.
  const toPage = request.mode === 'navigate' && pageAddresses.includes(new URL(request.url).pathname);
  event.respondWith(caches.open(cacheName)
      .then(cache => cache.match(toPage ? './' : request, {ignoreSearch: toPage}))
      .then(found => found || fetch(request)));
});
