#include "platform/Platform.h"

#include "web/Page.h"

#include <cstdlib>

namespace Platform
{
Launch PrepareLaunch(int, char**)
{
    // The page preloads Assets/ at the root of its file system, where the
    // game starts: nothing to look for, no command line to read.
    Page::KeepCanvasFitted();
    Page::WatchContext();
    // A frame gives control back to the browser once, as it waits for the next
    // animation frame. SDL would give it back at each buffer swap too: a
    // second timeout a frame, and the whole stack unwound and rewound for it,
    // through function pointers the build does not prepare for that. (SDL's
    // own delay then no longer sleeps; Allegro's rests are patched not to use
    // it.)
    setenv("SDL_EMSCRIPTEN_ASYNCIFY", "0", 1);
    return Launch();
}

int EndLaunch(int exitStatus)
{
    Page::GameEnded(exitStatus);
    return exitStatus;
}
}
