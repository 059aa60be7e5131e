// Runs in each page the benchmark opens, before the page's own scripts. It
// counts WebGL draw calls into the page's canvas, so that frames can be timed
// and counted without touching the game; it is read through window.benchProbe.
"use strict";

(function () {
    const probe = {
        draws: 0, // calls that draw into the canvas itself, not into a texture
        promptShownAt: null, // performance.now() of each moment: milliseconds after navigation
        clickAt: null,
        firstDrawAt: null,
        firstFrameAt: null,
        contextAttributes: null,
    };
    window.benchProbe = probe;

    // A census of every WebGL call while it is on: how many of each, and the
    // page's own time inside them (the GPU process's work comes after, out of
    // sight). Off, each call costs one test.
    let census = null;
    const contexts = [window.WebGLRenderingContext, window.WebGL2RenderingContext].filter(Boolean);
    for (const context of contexts) {
        const prototype = context.prototype;
        for (const name of Object.getOwnPropertyNames(prototype)) {
            const descriptor = Object.getOwnPropertyDescriptor(prototype, name);
            if (name === "constructor" || typeof descriptor.value !== "function") {
                continue;
            }
            const original = descriptor.value;
            prototype[name] = function () {
                if (census === null) {
                    return original.apply(this, arguments);
                }
                const start = performance.now();
                try {
                    return original.apply(this, arguments);
                } finally {
                    const spent = performance.now() - start;
                    const tally = census.calls[name] ?? (census.calls[name] = { count: 0, ms: 0 });
                    ++tally.count;
                    tally.ms += spent;
                    if (name === "enable" || name === "disable" || name === "blendFunc" || name === "clear") {
                        const detailed = `${name}(${[...arguments].join(", ")})`;
                        census.detail[detailed] = (census.detail[detailed] ?? 0) + 1;
                    }
                }
            };
        }
        const bindFramebuffer = prototype.bindFramebuffer;
        prototype.bindFramebuffer = function (target, framebuffer) {
            // Emscripten binds the canvas as undefined (its table has no framebuffer 0).
            this.benchDrawsToTexture = framebuffer !== null && framebuffer !== undefined;
            return bindFramebuffer.call(this, target, framebuffer);
        };
        for (const name of ["drawArrays", "drawElements"]) {
            const draw = prototype[name];
            prototype[name] = function () {
                if (!this.benchDrawsToTexture) {
                    noteDraw(this);
                }
                return draw.apply(this, arguments);
            };
        }
    }

    // The first frame drawn after the start prompt was passed shows when the
    // browser next begins a frame, where the next animation frame is called.
    function noteDraw(context) {
        ++probe.draws;
        if (probe.firstDrawAt === null && probe.clickAt !== null) {
            probe.firstDrawAt = performance.now();
            probe.contextAttributes = context.getContextAttributes();
            requestAnimationFrame(function () {
                probe.firstFrameAt = performance.now();
            });
        }
    }

    window.addEventListener(
        "click",
        function () {
            if (probe.clickAt === null) {
                probe.clickAt = performance.now();
            }
        },
        true,
    );

    // The game's page shows its start prompt by unhiding #start.
    document.addEventListener("DOMContentLoaded", function () {
        const prompt = document.getElementById("start");
        if (prompt === null) {
            return;
        }
        const watcher = new MutationObserver(function () {
            if (!prompt.hidden && probe.promptShownAt === null) {
                probe.promptShownAt = performance.now();
                watcher.disconnect();
                // The benchmark's binding, if it set one: where to click, at once.
                if (typeof window.benchPromptShown === "function") {
                    const box = document.getElementById("panel").getBoundingClientRect();
                    window.benchPromptShown(box.left + box.width / 2, box.top + box.height / 2);
                }
            }
        });
        watcher.observe(prompt, { attributes: true, attributeFilter: ["hidden"] });
    });

    // Frames drawn, counted from now: animation frames that saw at least one
    // draw call since the one before.
    let count = null;
    probe.startCounting = function () {
        count = { frames: 0, callbacks: 0, draws: probe.draws, seen: probe.draws, start: performance.now() };
        const current = count;
        requestAnimationFrame(function tick() {
            if (count !== current) {
                return;
            }
            ++current.callbacks;
            if (probe.draws !== current.seen) {
                ++current.frames;
                current.seen = probe.draws;
            }
            requestAnimationFrame(tick);
        });
    };
    // The census from now, with frames counted as startCounting counts them.
    probe.startCensus = function () {
        census = { calls: {}, detail: {} };
        probe.startCounting();
    };
    // Per frame drawn since startCensus: each WebGL function's calls and ms,
    // and the arguments of the state changes and clears; the census ends.
    probe.stopCensus = function () {
        const counted = probe.stopCounting();
        const frames = Math.max(1, counted.frames);
        const taken = census;
        census = null;
        const perFrame = (value) => Number((value / frames).toFixed(3));
        const calls = {};
        for (const [name, tally] of Object.entries(taken.calls).sort((a, b) => b[1].count - a[1].count)) {
            calls[name] = { per_frame: perFrame(tally.count), ms_per_frame: perFrame(tally.ms) };
        }
        const detail = {};
        for (const [call, count] of Object.entries(taken.detail).sort()) {
            detail[call] = perFrame(count);
        }
        return { frames: counted.frames, seconds: counted.seconds, calls, state_calls: detail };
    };
    // What was counted since startCounting; counting stops.
    probe.stopCounting = function () {
        const current = count;
        count = null;
        return {
            seconds: (performance.now() - current.start) / 1000,
            frames: current.frames,
            callbacks: current.callbacks,
            draws: probe.draws - current.draws,
        };
    };
})();
