#include "web/Page.h"

#include "screen/WindowFit.h"

#include <emscripten.h>

#include <cstdlib>

namespace
{
// The EM_JS bodies are JavaScript, which clang-format would take for C++.
// clang-format off
// The page's functions are looked up when called: the page defines them in
// web/page/page.js, and a page without them (a test's) still runs the game.
EM_JS(void, CallPageFailure, (const char* message), {
    const text = UTF8ToString(message);
    console.error(text);
    if (Module.fornalinaFailure)
        Module.fornalinaFailure(text);
});

EM_JS(void, CallPageEnded, (int exitStatus), {
    if (Module.fornalinaEnded)
        Module.fornalinaEnded(exitStatus);
});

// A browser may refuse storage (private modes, blocked cookies): then nothing
// is remembered, and nothing fails.
EM_JS(char*, ReadStorage, (const char* key), {
    let value = null;
    try {
        value = window.localStorage.getItem(UTF8ToString(key));
    } catch (e) {
    }
    return value === null ? 0 : allocateUTF8(value);
});

EM_JS(void, WriteStorage, (const char* key, const char* value), {
    try {
        window.localStorage.setItem(UTF8ToString(key), UTF8ToString(value));
    } catch (e) {
    }
});

// A context made only to ask; the browser lets it go with its canvas. The
// page asks while it loads (Module.fornalinaWebGl): a page's first context
// costs the most, and then not after the player's click.
EM_JS(int, CanUseWebGl, (), {
    if (typeof Module.fornalinaWebGl === "boolean")
        return Module.fornalinaWebGl ? 1 : 0;
    try {
        return document.createElement("canvas").getContext("webgl") ? 1 : 0;
    } catch (e) {
        return 0;
    }
});

// The whole device pixels the canvas fits into: the page's window, or what
// the page keeps for it (a touch screen's safe area, web/page/touch.js). At a
// zoom such as 110 % the window's CSS size is a fraction (727.27 CSS pixels
// for 800), which innerWidth rounds (727, so 799.7): the page's own box keeps
// the fraction.
EM_JS(int, WindowWidth, (), {
    const area = Module.fornalinaCanvasArea && Module.fornalinaCanvasArea();
    const width = area ? area.width : document.documentElement.getBoundingClientRect().width;
    return Math.floor(width * (window.devicePixelRatio || 1) + 0.01);
});
EM_JS(int, WindowHeight, (), {
    const area = Module.fornalinaCanvasArea && Module.fornalinaCanvasArea();
    const height = area ? area.height : document.documentElement.getBoundingClientRect().height;
    return Math.floor(height * (window.devicePixelRatio || 1) + 0.01);
});

// The canvas placed and sized on whole device pixels, so that the browser
// shows its pixels as they are rather than resampled by a fraction.
EM_JS(void, PlaceCanvas, (int left, int top, int width, int height), {
    const canvas = Module.canvas || document.getElementById("canvas");
    if (!canvas)
        return;
    const ratio = window.devicePixelRatio || 1;
    canvas.style.position = "fixed";
    canvas.style.left = left / ratio + "px";
    canvas.style.top = top / ratio + "px";
    canvas.style.width = width / ratio + "px";
    canvas.style.height = height / ratio + "px";
});

// Nearest pixels when enlarged, as on the desktop; smoothing only where the
// picture shrinks, which nearest pixels would tear.
EM_JS(void, SetCanvasSmoothing, (int smooth), {
    const canvas = Module.canvas || document.getElementById("canvas");
    if (canvas)
        canvas.style.imageRendering = smooth ? "auto" : "pixelated";
});

EM_JS(void, FitOnResize, (), {
    if (!Module.fornalinaFitting) {
        Module.fornalinaFitting = true;
        window.addEventListener("resize", function() { _fornalina_fit_canvas(); });
    }
});
// clang-format on
}

// Called by the page as its window changes size.
extern "C" EMSCRIPTEN_KEEPALIVE void fornalina_fit_canvas()
{
    // Whole device pixels, so that nearest-pixel scaling stays even.
    const PictureFit fit = FitPicture(WindowWidth(), WindowHeight());
    PlaceCanvas(fit.left, fit.top, fit.width, fit.height);
    SetCanvasSmoothing(fit.scale < 1.0f);
}

namespace Page
{
void ShowFailure(const std::string& utf8Message)
{
    CallPageFailure(utf8Message.c_str());
}

void GameEnded(int exitStatus)
{
    CallPageEnded(exitStatus);
}

std::string Stored(const char* key)
{
    char* value = ReadStorage(key);
    if (value == nullptr)
    {
        return std::string();
    }
    std::string text = value;
    std::free(value);
    return text;
}

void Store(const char* key, const char* value)
{
    WriteStorage(key, value);
}

bool HasWebGl()
{
    return CanUseWebGl() != 0;
}

void KeepCanvasFitted()
{
    fornalina_fit_canvas();
    FitOnResize();
}
}
