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

    const contexts = [window.WebGLRenderingContext, window.WebGL2RenderingContext].filter(Boolean);
    for (const context of contexts) {
        const prototype = context.prototype;
        const bindFramebuffer = prototype.bindFramebuffer;
        prototype.bindFramebuffer = function (target, framebuffer) {
            this.benchDrawsToTexture = framebuffer !== null;
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
