// Keeps every file of the site, so that it plays offline after one visit.
// The build fills in the files and a cache name made from their contents
// (web/ServiceWorker.cmake): a new build is a new cache. Files are served
// from this worker's own cache first. A new worker waits until no page of the
// old one is open (no skipWaiting): an old index.js must never meet a new
// index.wasm under a running game. Once it takes over, the old caches go.
"use strict";

const CACHE = "fornalina-@SITE_HASH@";
const FILES = [@SITE_FILES@];

self.addEventListener("install", function (event) {
    event.waitUntil(
        caches.open(CACHE).then(function (cache) {
            // From the server, past any copy the browser keeps.
            return cache.addAll(
                FILES.map(function (file) {
                    return new Request(file, { cache: "reload" });
                }),
            );
        }),
    );
});

self.addEventListener("activate", function (event) {
    event.waitUntil(
        caches.keys().then(function (names) {
            return Promise.all(
                names
                    .filter(function (name) {
                        return name.indexOf("fornalina-") === 0 && name !== CACHE;
                    })
                    .map(function (name) {
                        return caches.delete(name);
                    }),
            );
        }),
    );
});

self.addEventListener("fetch", function (event) {
    const request = event.request;
    const url = new URL(request.url);
    if (request.method !== "GET" || url.origin !== self.location.origin) {
        return;
    }
    // A folder is its index.html, as the server answers it.
    const key = url.pathname.endsWith("/") ? new URL("index.html", url).href : request;
    event.respondWith(
        caches.open(CACHE).then(function (cache) {
            return cache.match(key, { ignoreSearch: true }).then(function (found) {
                return found || fetch(request);
            });
        }),
    );
});
