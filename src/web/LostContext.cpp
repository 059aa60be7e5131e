#include "web/Page.h"

#include <SDL2/SDL.h>
#include <emscripten.h>

namespace
{
// clang-format off
// A lost WebGL context comes back only if the page asks for it (by preventing
// the default of the loss). While it is gone the round waits, as when the
// page is hidden. Once it is back, Emscripten's own GL layer first takes its
// extensions and client-side vertex buffers anew (the old ones belong to the
// dead context), then the game rebuilds its textures.
EM_JS(void, ListenForLostContext, (), {
    const canvas = Module.canvas || document.getElementById("canvas");
    if (!canvas || Module.fornalinaWatchingContext)
        return;
    Module.fornalinaWatchingContext = true;
    canvas.addEventListener("webglcontextlost", function(event) {
        event.preventDefault();
        _fornalina_page_hidden();
        if (Module.fornalinaPictureLost)
            Module.fornalinaPictureLost();
    });
    canvas.addEventListener("webglcontextrestored", function() {
        const context = GL.currentContext;
        if (context) {
            context.initExtensionsDone = false;
            GL.initExtensions(context);
            GL.generateTempBuffers(false, context);
            GL.currArrayBuffer = 0; // the new context has nothing bound
            GL.currElementArrayBuffer = 0;
            _fornalina_context_restored();
        }
        if (Module.fornalinaPictureBack)
            Module.fornalinaPictureBack();
    });
});
// clang-format on
}

// Called by the page once the context is back: the display hears of it as of
// a new size, whose answer (al_acknowledge_resize) makes the shader anew and
// uploads every bitmap again, glyph pages included, from the memory copy
// Allegro's SDL display keeps of each (backed up after each flip, as SDL may
// lose textures); then every screen draws itself anew.
extern "C" EMSCRIPTEN_KEEPALIVE void fornalina_context_restored()
{
    SDL_Window* window = SDL_GL_GetCurrentWindow();
    if (window == nullptr)
    {
        return;
    }
    SDL_Event event{};
    event.type = SDL_WINDOWEVENT;
    event.window.event = SDL_WINDOWEVENT_RESIZED;
    event.window.windowID = SDL_GetWindowID(window);
    SDL_GetWindowSize(window, &event.window.data1, &event.window.data2);
    SDL_PushEvent(&event);
}

namespace Page
{
void WatchContext()
{
    ListenForLostContext();
}
}
