#include "platform/Platform.h"

#include "web/Page.h"

namespace Platform
{
Launch PrepareLaunch(int, char**)
{
    // The page preloads Assets/ at the root of its file system, where the
    // game starts: nothing to look for, no command line to read.
    Page::KeepCanvasFitted();
    Page::WatchContext();
    return Launch();
}

int EndLaunch(int exitStatus)
{
    Page::GameEnded(exitStatus);
    return exitStatus;
}
}
