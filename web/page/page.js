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

    // SDL sets the canvas's size as it makes its window, to the size the
    // canvas already has; a canvas with a WebGL context would still throw its
    // drawing buffers away and make them again, after the player's click. The
    // size it has is kept as it is.
    ["width", "height"].forEach(function (name) {
        const size = Object.getOwnPropertyDescriptor(HTMLCanvasElement.prototype, name);
        Object.defineProperty(canvas, name, {
            configurable: true,
            get: function () {
                return size.get.call(this);
            },
            set: function (value) {
                if (Number(value) !== size.get.call(this)) {
                    size.set.call(this, value);
                }
            },
        });
    });

    // The game's WebGL context, made while the game loads, with the attributes
    // the game asks for (src/web/WebPlatform.cpp: no alpha, depth or stencil,
    // no antialiasing): the canvas hands the game this one, and making it and
    // turning on its extensions, as Emscripten does, would otherwise come
    // after the player's click. Without it the game says it has no display.
    let webGl = false;
    try {
        const context = canvas.getContext("webgl", {
            alpha: false,
            depth: false,
            stencil: false,
            antialias: false,
            premultipliedAlpha: true,
            preserveDrawingBuffer: false,
        });
        webGl = context !== null;
        if (webGl) {
            (context.getSupportedExtensions() || []).forEach(function (name) {
                context.getExtension(name);
            });
        }
    } catch (e) {
        webGl = false;
    }

    // The audio context SDL takes as it finds it (Module.SDL2.audioContext),
    // made as the start prompt shows: it waits, suspended, until the player's
    // click or key resumes it (touch.js), and its making no longer holds the
    // game's start.
    function prepareAudio() {
        const Context = window.AudioContext || window.webkitAudioContext;
        Module.SDL2 = Module.SDL2 || {};
        if (Context && !Module.SDL2.audioContext) {
            try {
                Module.SDL2.audioContext = new Context();
            } catch (error) {
                // SDL makes its own then.
            }
        }
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
            prepareAudio();
            // The page's storage opens on its first use: the game reads its
            // settings there as it starts.
            try {
                void window.localStorage.length;
            } catch (error) {
                // The game plays on without its settings.
            }
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
