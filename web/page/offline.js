// The site as an app that plays offline: its service worker (sw.js, made at
// build time) keeps every file of the site once the page has been visited.
"use strict";

if ("serviceWorker" in navigator) {
    window.addEventListener("load", function () {
        navigator.serviceWorker.register("sw.js").catch(function (error) {
            // Without it the page still plays, online.
            console.warn("Fornalina: sem jogo offline:", error);
        });
    });
}
