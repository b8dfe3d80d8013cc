// The site offline: everything it has is cached when the worker installs, and answered
// from the cache first; a new build's worker (its cache named anew) replaces the old cache.
const cacheName = "zchart-@CACHE_VERSION@";
const files = ["./", "index.html", "zmatch.html", "zline.html", "manifest.webmanifest",
               "zmatch.svg", "zline.svg", "zmatch-192.png", "zmatch-512.png"];

self.addEventListener("install", (event) => {
  event.waitUntil(caches.open(cacheName).then((cache) => cache.addAll(files))
                    .then(() => self.skipWaiting()));
});

self.addEventListener("activate", (event) => {
  event.waitUntil(caches.keys().then((names) => Promise.all(
    names.filter((n) => n.startsWith("zchart-") && n !== cacheName).map((n) => caches.delete(n))))
    .then(() => self.clients.claim()));
});

self.addEventListener("fetch", (event) => {
  if (event.request.method !== "GET") return;
  event.respondWith(caches.match(event.request, {ignoreSearch: true})
    .then((hit) => hit || fetch(event.request)));
});
