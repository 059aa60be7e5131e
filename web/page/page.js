// The page around the game: loading, the start prompt (browsers let a page
// play sound only after a click or a key), the keyboard, a hidden page, a
// lost picture, and the end of the game. The game and loader.js talk to it
// through Module.fornalina*.
"use strict";

var Module = (function () {
    const canvas = document.getElementById("canvas");
    const panel = document.getElementById("panel");
    const parts = ["loading", "start", "starting", "goodbye", "failure"].reduce(function (found, id) {
        found[id] = document.getElementById(id);
        return found;
    }, {});
    let state = "loading"; // then "ready", "starting", "playing" (or "pictureLost"), "ended"
    // A lost WebGL context is given this long to come back before the player
    // is told (browsers give it back within a second or two when they can).
    const PICTURE_LOST_SECONDS = 5;
    let pictureLostTimer = null;

    // The button of the part shown, where there is one, takes the focus, so
    // that ENTER presses it, and so does a gamepad's A.
    function show(part) {
        Object.keys(parts).forEach(function (id) {
            parts[id].hidden = id !== part;
        });
        panel.hidden = part === null;
        canvas.classList.toggle("waiting", part !== null);
        document.getElementById("backdrop").style.display = part === null ? "none" : "block";
        const button = part === null ? null : parts[part].querySelector("button");
        if (button) {
            button.focus();
            pressOnGamepadA(button);
        }
    }

    // Presses the button when a gamepad's A goes down (not when it was held
    // down already as the button appeared), while the button is shown.
    function pressOnGamepadA(button) {
        if (!navigator.getGamepads) {
            return;
        }
        const held = new Set();
        let first = true;
        (function poll() {
            if (button.closest("[hidden]")) {
                return;
            }
            for (const pad of navigator.getGamepads()) {
                const down = pad && pad.buttons[0] && pad.buttons[0].pressed;
                if (down && !first && !held.has(pad.index)) {
                    button.click();
                    return;
                }
                if (pad) {
                    held[down ? "add" : "delete"](pad.index);
                }
            }
            first = false;
            requestAnimationFrame(poll);
        })();
    }

    function fail(text) {
        state = "ended";
        clearTimeout(pictureLostTimer);
        document.getElementById("message").textContent = text;
        show("failure");
    }

    // An error the game could not report itself.
    function stopped(error) {
        console.error("Fornalina parou:", error);
        if (state !== "ended") {
            fail("O jogo parou por um erro inesperado.");
        }
    }
    window.addEventListener("error", function (event) {
        stopped(event.error || event.message);
    });
    window.addEventListener("unhandledrejection", function (event) {
        stopped(event.reason);
    });

    // The game starts once the page has shown that it is starting: its
    // start-up holds the page until its first frame is drawn, when it first
    // waits and callMain returns. Sound may play, as the player has clicked or
    // pressed a key on the page.
    function start() {
        if (state !== "ready") {
            return;
        }
        state = "starting";
        show("starting");
        requestAnimationFrame(function () {
            setTimeout(function () {
                try {
                    Module.callMain([]);
                } catch (error) {
                    stopped(error);
                    return;
                }
                if (state === "starting") {
                    state = "playing";
                    show(null);
                    canvas.focus();
                }
            }, 0);
        });
    }

    // Keys that would scroll the page are the game's; F11 is the browser's
    // own fullscreen, which the game must not take.
    const gameKeys = ["ArrowLeft", "ArrowRight", "ArrowUp", "ArrowDown", " ", "PageUp", "PageDown", "Home", "End"];
    window.addEventListener("keydown", function (event) {
        if (event.key === "F11") {
            event.stopImmediatePropagation();
            return;
        }
        if (gameKeys.indexOf(event.key) >= 0) {
            event.preventDefault();
        }
        if (state === "ready" && !/^(F\d+|Shift|Control|Alt|Meta|AltGraph|CapsLock|Tab)$/.test(event.key)) {
            // The key that starts the game is not also the game's first key.
            event.preventDefault();
            event.stopImmediatePropagation();
            start();
        }
    }, true);
    panel.addEventListener("click", function () {
        start();
    });
    document.getElementById("again").addEventListener("click", function () {
        window.location.reload();
    });
    document.getElementById("retry").addEventListener("click", function () {
        window.location.reload();
    });
    show("loading");
    document.addEventListener("visibilitychange", function () {
        if (document.hidden && state === "playing") {
            Module._fornalina_page_hidden();
        }
    });

    // Whether the browser can draw with WebGL, asked while the game loads: a
    // page's first WebGL context takes a tenth of a second or more to make,
    // which would otherwise come after the player's click.
    let webGl = false;
    try {
        webGl = document.createElement("canvas").getContext("webgl") !== null;
    } catch (e) {
        webGl = false;
    }

    return {
        canvas: canvas,
        fornalinaWebGl: webGl,
        print: function (text) {
            console.log(text);
        },
        printErr: function (text) {
            console.error(text);
        },
        // The share of every byte to download that has arrived, 0 to 1.
        fornalinaProgress: function (share) {
            const percent = Math.round(1000 * Math.min(1, share)) / 10;
            document.getElementById("progress").style.width = percent + "%";
            document.getElementById("bar").setAttribute("aria-valuenow", String(percent));
        },
        fornalinaDownloadFailed: function () {
            if (state === "loading") {
                fail("Não foi possível baixar o jogo. Verifique a sua conexão com a internet e tente de novo.");
            }
        },
        // The round waits meanwhile (the game pauses it).
        fornalinaPictureLost: function () {
            clearTimeout(pictureLostTimer);
            pictureLostTimer = setTimeout(function () {
                if (state === "playing") {
                    state = "pictureLost";
                    document.getElementById("message").textContent =
                        "O navegador perdeu a imagem do jogo e não a devolveu.";
                    show("failure");
                }
            }, PICTURE_LOST_SECONDS * 1000);
        },
        // Back even after the player was told: the game goes on, paused.
        fornalinaPictureBack: function () {
            clearTimeout(pictureLostTimer);
            if (state === "pictureLost") {
                state = "playing";
                show(null);
                canvas.focus();
            }
        },
        onRuntimeInitialized: function () {
            if (state !== "loading") {
                return;
            }
            Module.fornalinaProgress(1);
            Module._fornalina_fit_canvas();
            state = "ready";
            show("start");
        },
        onAbort: stopped,
        fornalinaFailure: fail,
        fornalinaEnded: function (status) {
            if (state === "playing" || state === "starting" || state === "pictureLost") {
                state = "ended";
                if (status === 0) {
                    show("goodbye");
                } else {
                    fail("O jogo parou.");
                }
            }
        },
    };
})();
