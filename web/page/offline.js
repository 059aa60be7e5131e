// The site as an app that plays offline: its service worker (sw.js, made at
// build time) keeps every file of the site once the page has been visited. It
// is registered once the game's files have loaded, so that its own download
// of them does not slow the first.
"use strict";

(function () {
    if (!("serviceWorker" in navigator)) {
        return;
    }
    const initialized = Module.onRuntimeInitialized;
    Module.onRuntimeInitialized = function () {
        initialized();
        navigator.serviceWorker.register("sw.js").catch(function (error) {
            // Without it the page still plays, online.
            console.warn("Fornalina: sem jogo offline:", error);
        });
    };
})();
