// The site offline. On the first visit the worker's install caches the small files and the
// page the visitor asked for, and is done: that page works offline at once. The other page
// (a few megabytes each) follows in the background, and anything still missing is cached
// the first time it is fetched. Everything is answered from the cache first; a new build's
// worker (its cache named anew) replaces the old cache.
const cacheName = "zchart-@CACHE_VERSION@";
const small = ["./", "index.html", "manifest.webmanifest", "favicon.ico", "zmatch.svg",
               "zline.svg", "zmatch-192.png", "zmatch-512.png"];
const pages = ["zmatch.html", "zline.html"];

// The pages of the windows that asked for the worker, as the cache names them.
function askedPages() {
  return self.clients.matchAll({type: "window", includeUncontrolled: true}).then((list) =>
    pages.filter((p) => list.some((c) => new URL(c.url).pathname.endsWith("/" + p))));
}

function cacheMissing(cache, files) {
  return Promise.all(files.map((f) => cache.match(f).then((hit) => hit || cache.add(f))));
}

self.addEventListener("install", (event) => {
  event.waitUntil(Promise.all([caches.open(cacheName), askedPages()])
    .then(([cache, asked]) => cache.addAll(small.concat(asked)))
    .then(() => self.skipWaiting()));
});

self.addEventListener("activate", (event) => {
  event.waitUntil(caches.keys().then((names) => Promise.all(
    names.filter((n) => n.startsWith("zchart-") && n !== cacheName).map((n) => caches.delete(n))))
    .then(() => self.clients.claim()));
  // Not waited for: the pages are answered meanwhile.
  caches.open(cacheName).then((cache) => cacheMissing(cache, pages)).catch(() => {});
});

self.addEventListener("fetch", (event) => {
  if (event.request.method !== "GET") return;
  event.respondWith(caches.match(event.request, {ignoreSearch: true}).then((hit) => hit ||
    fetch(event.request).then((response) => {
      if (response.ok && new URL(event.request.url).origin === self.location.origin) {
        const copy = response.clone();
        caches.open(cacheName).then((cache) => cache.put(event.request, copy));
      }
      return response;
    })));
});
