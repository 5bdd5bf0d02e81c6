// Keeps the page and the core for use without a network. The build writes the
// cache name (a digest of the files) and the SHA-256 of every file it caches.
// A new version is fetched past the browser's HTTP cache and checked file by
// file; it replaces the active one only when every file is the build's, so a
// stale or half-updated server never leaves a page that mixes two versions.
'use strict';

const CACHE = 'velmaro-@CACHE_VERSION@';
const DIGESTS = {@FILE_DIGESTS@};

const hex = (buffer) =>
  Array.from(new Uint8Array(buffer), (byte) => byte.toString(16).padStart(2, '0')).join('');

async function fetchChecked(path, digest) {
  const response = await fetch(path, { cache: 'reload' });
  if (!response.ok) throw new Error(`${path}: HTTP ${response.status}`);
  const body = await response.arrayBuffer();
  if (hex(await crypto.subtle.digest('SHA-256', body)) !== digest) {
    throw new Error(`${path} is not the file this version was built with`);
  }
  return [path, new Response(body, { headers: response.headers })];
}

// Everything is fetched and checked before anything is stored: a failed
// install leaves no cache behind, and the active version stays.
async function install() {
  const files = await Promise.all(
    Object.entries(DIGESTS).map(([path, digest]) => fetchChecked(path, digest)));
  const cache = await caches.open(CACHE);
  try {
    await Promise.all(files.map(([path, response]) => cache.put(path, response)));
  } catch (error) {
    await caches.delete(CACHE);
    throw error;
  }
}

self.addEventListener('install', (event) => {
  event.waitUntil(install().then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(
    caches.keys()
      .then((names) => Promise.all(
        names.filter((name) => name.startsWith('velmaro-') && name !== CACHE)
          .map((name) => caches.delete(name))))
      .then(() => self.clients.claim()));
});

// Answers come from this version's cache only; the network is asked only for
// what the version does not hold.
self.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET') return;
  event.respondWith(
    caches.open(CACHE)
      .then((cache) => cache.match(event.request, { ignoreSearch: true }))
      .then((cached) => cached || fetch(event.request)));
});
