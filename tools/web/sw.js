// Keeps the page's files so that, once loaded, it plays without a network. Each build names its own
// store (tools/web/build.sh writes the version and the list): a new build's worker fills its store, takes
// over and drops the stores of earlier builds.
const STORE = 'quorvel-bees-@VERSION@';
const FILES = @FILES@;

self.addEventListener('install', E => {
  // Past any HTTP cache, so the store holds this build's files and not an earlier one's.
  E.waitUntil(caches.open(STORE)
    .then(S => S.addAll(FILES.map(F => new Request(F, { cache: 'reload' }))))
    .then(() => self.skipWaiting()));
});

self.addEventListener('activate', E => {
  E.waitUntil(caches.keys()
    .then(Keys => Promise.all(Keys.filter(K => K.startsWith('quorvel-bees-') && K !== STORE).map(K => caches.delete(K))))
    .then(() => self.clients.claim()));
});

self.addEventListener('fetch', E => {
  if (E.request.method !== 'GET') return;
  E.respondWith(caches.open(STORE)
    .then(S => S.match(E.request, { ignoreSearch: true }))
    .then(Kept => Kept || fetch(E.request)));
});
