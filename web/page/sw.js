// Keeps the page and the core for use without a network. The build writes the
// cache name (a digest of the files) and the list of files; a new build
// replaces the old cache when the page next loads.
'use strict';

const CACHE = 'velmaro-@CACHE_VERSION@';
const FILES = [@CACHED_FILES@];

self.addEventListener('install', (event) => {
  event.waitUntil(
    caches.open(CACHE).then((cache) => cache.addAll(FILES)).then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(
    caches.keys()
      .then((names) => Promise.all(
        names.filter((name) => name.startsWith('velmaro-') && name !== CACHE)
          .map((name) => caches.delete(name))))
      .then(() => self.clients.claim()));
});

// Everything the page uses is in the cache: the network is asked only for
// what is not.
self.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET') return;
  event.respondWith(
    caches.match(event.request, { ignoreSearch: true })
      .then((cached) => cached || fetch(event.request)));
});
