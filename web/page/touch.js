// The page on a touch screen: the current screen's controls, as the game
// names them (Module.fornalinaScreen), laid out for the screen's shape
// (layout.js); each control asks the game for its action
// (Module._fornalina_control), never by typing keys. A page without a touch
// screen stays as it is: the controls come with a coarse pointer, or with the
// first touch. Also here: sound from the first tap (iOS plays only an audio
// context made or resumed inside a tap), and fullscreen asked on the first
// tap where the browser allows it.
"use strict";

(function () {
    const root = document.documentElement;
    const canvas = document.getElementById("canvas");
    const backdrop = document.getElementById("backdrop");
    const controls = document.getElementById("controls");
    const columns = { left: document.getElementById("controls-left"), right: document.getElementById("controls-right") };
    const safeArea = document.getElementById("safe-area");
    let touch = false;
    let shown = { screen: -1, musicOn: false, controls: [] }; // the game's last word
    let buttons = []; // the buttons of shown.controls, in their order
    const held = new Map(); // pointer id: the button it holds

    let ready = false; // the game's functions may be called

    // Later, not from inside the game's own call (a screen's new controls
    // letting go of the old ones).
    function tell(action, pressed) {
        Promise.resolve().then(function () {
            if (ready) {
                Module._fornalina_control(action, pressed ? 1 : 0);
            }
        });
    }

    // A control is pressed by one finger or more; the game hears its first
    // press and its last release.
    function holders(button) {
        let count = 0;
        held.forEach(function (other) {
            count += other === button ? 1 : 0;
        });
        return count;
    }

    function press(button, pointer) {
        const first = holders(button) === 0;
        held.set(pointer, button);
        button.classList.add("pressed");
        if (first) {
            tell(Number(button.dataset.action), true);
        }
    }

    function release(pointer) {
        const button = held.get(pointer);
        if (!button) {
            return;
        }
        held.delete(pointer);
        if (holders(button) > 0) {
            return;
        }
        button.classList.remove("pressed");
        const action = Number(button.dataset.action);
        tell(action, false);
        // Letting go of one direction while the other is still held walks
        // that way again, as the player's fingers say.
        if (button.classList.contains("held")) {
            held.forEach(function (other) {
                if (other !== button && other.classList.contains("held")) {
                    tell(Number(other.dataset.action), true);
                }
            });
        }
    }

    function releaseAll() {
        Array.from(held.keys()).forEach(release);
    }

    function sameControls(next) {
        return (
            next.screen === shown.screen &&
            next.controls.length === shown.controls.length &&
            next.controls.every(function (control, i) {
                return control.name === shown.controls[i].name;
            })
        );
    }

    function render(next) {
        const same = sameControls(next);
        shown = next;
        if (!same) {
            // A screen's controls go with it: no finger keeps holding one.
            releaseAll();
            columns.left.textContent = "";
            columns.right.textContent = "";
            buttons = [];
            next.controls.forEach(function (control) {
                const button = document.createElement("button");
                button.type = "button";
                button.className = "control";
                button.textContent = control.name;
                button.dataset.action = String(control.action);
                button.classList.toggle("held", control.held);
                columns[control.side].appendChild(button);
                buttons.push(button);
            });
            controls.dataset.screen = String(next.screen);
        }
        // A switch (the music) shows its state.
        next.controls.forEach(function (control, i) {
            if (control.on !== null && buttons[i]) {
                buttons[i].setAttribute("aria-pressed", control.on ? "true" : "false");
            }
        });
        controls.hidden = !touch || next.controls.length === 0;
    }

    function insets() {
        const style = getComputedStyle(safeArea);
        return {
            top: parseFloat(style.paddingTop) || 0,
            right: parseFloat(style.paddingRight) || 0,
            bottom: parseFloat(style.paddingBottom) || 0,
            left: parseFloat(style.paddingLeft) || 0,
        };
    }

    function view() {
        return { width: window.innerWidth, height: window.innerHeight, insets: insets() };
    }

    function place(element, box) {
        element.style.left = box.x + "px";
        element.style.top = box.y + "px";
        element.style.width = box.width + "px";
        element.style.height = box.height + "px";
    }

    // The game sizes the canvas (fornalina_fit_canvas, into canvasArea); the
    // page places it and the controls around it.
    function layOut() {
        if (!touch) {
            return;
        }
        const current = view();
        const area = FornalinaLayout.canvasArea(current);
        let size = { width: parseFloat(canvas.style.width), height: parseFloat(canvas.style.height) };
        if (ready) {
            Module._fornalina_fit_canvas();
            size = { width: parseFloat(canvas.style.width), height: parseFloat(canvas.style.height) };
        }
        if (!(size.width > 0 && size.height > 0)) {
            const scale = Math.min(area.width / 800, area.height / 600);
            size = { width: 800 * scale, height: 600 * scale };
        }
        const layout = FornalinaLayout.layOut(current, size);
        controls.className = "controls place-" + layout.place;
        place(columns.left, layout.left);
        place(columns.right, layout.right);
        canvas.style.left = layout.canvas.x + "px";
        canvas.style.top = layout.canvas.y + "px";
        place(backdrop, layout.canvas);
    }

    function enable() {
        if (touch) {
            return;
        }
        touch = true;
        root.classList.add("touch");
        document.getElementById("start").textContent = "Toque para começar";
        layOut();
        render(shown);
    }

    // What the game fits its canvas into: the safe area on a touch screen,
    // the whole window elsewhere.
    Module.fornalinaCanvasArea = function () {
        return touch ? FornalinaLayout.canvasArea(view()) : null;
    };
    Module.fornalinaScreen = render;
    const initialized = Module.onRuntimeInitialized;
    Module.onRuntimeInitialized = function () {
        ready = true;
        initialized();
        layOut();
    };
    // The game has ended and let go of its queue: no more controls for it.
    const ended = Module.fornalinaEnded;
    Module.fornalinaEnded = function (status) {
        ready = false;
        ended(status);
    };

    if (window.matchMedia && window.matchMedia("(pointer: coarse)").matches) {
        enable();
    }
    window.addEventListener("touchstart", enable, { capture: true, passive: true });
    // After every other listener of the resize (the game's own fit among
    // them), before the frame is drawn.
    window.addEventListener("resize", function () {
        requestAnimationFrame(layOut);
    });

    // Each finger on its own: a finger that slides off its control lets it
    // go, so a touch's pointer is not kept by the control it started on.
    controls.addEventListener("pointerdown", function (event) {
        const button = event.target.closest("button.control");
        if (!button) {
            return;
        }
        event.preventDefault();
        if (button.hasPointerCapture(event.pointerId)) {
            button.releasePointerCapture(event.pointerId);
        }
        press(button, event.pointerId);
    });
    controls.addEventListener("pointerout", function (event) {
        if (held.get(event.pointerId) === event.target) {
            release(event.pointerId);
        }
    });
    ["pointerup", "pointercancel"].forEach(function (type) {
        window.addEventListener(type, function (event) {
            release(event.pointerId);
        });
    });
    // A keyboard or a screen reader presses the button without a pointer.
    controls.addEventListener("click", function (event) {
        const button = event.target.closest("button.control");
        if (button && event.detail === 0) {
            tell(Number(button.dataset.action), true);
            tell(Number(button.dataset.action), false);
        }
    });
    window.addEventListener("blur", releaseAll);

    // No scrolling, zooming, selecting or long-press menu, whatever the fingers do.
    document.addEventListener(
        "touchmove",
        function (event) {
            if (touch) {
                event.preventDefault();
            }
        },
        { passive: false },
    );
    ["gesturestart", "contextmenu"].forEach(function (type) {
        document.addEventListener(type, function (event) {
            if (touch) {
                event.preventDefault();
            }
        });
    });

    // The page makes the audio context before the game starts (page.js);
    // browsers let it play after a gesture, iOS only when resumed inside the
    // gesture's handler.
    function resumeAudio() {
        const audio = Module.SDL2 && Module.SDL2.audioContext;
        if (audio && audio.state !== "running" && audio.resume) {
            audio.resume().catch(function () {});
        }
    }
    ["touchend", "pointerup", "click", "keydown"].forEach(function (type) {
        window.addEventListener(type, resumeAudio, true);
    });

    document.addEventListener("visibilitychange", function () {
        if (document.hidden) {
            releaseAll();
        } else {
            resumeAudio();
        }
    });

    // The first tap on the start prompt fills the screen where a page may
    // (Android); an iPhone has no fullscreen for pages, and an installed app
    // has it already.
    let askedForFullscreen = false;
    document.getElementById("panel").addEventListener("click", function () {
        const standalone = window.matchMedia && window.matchMedia("(display-mode: fullscreen), (display-mode: standalone)").matches;
        if (!touch || askedForFullscreen || standalone || !document.fullscreenEnabled || !root.requestFullscreen) {
            return;
        }
        askedForFullscreen = true;
        root.requestFullscreen({ navigationUI: "hide" }).catch(function () {});
    });
})();
