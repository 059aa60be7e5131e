// Linked into the game and the tests when they are built with the sanitizers.
//
// LeakSanitizer names a leak after the libraries on its allocation stack, and
// the suppressions (tests/lsan.supp) name the system libraries whose leaks are
// not ours. Mesa's software GL driver is unloaded when the X connection
// closes, after which a block it keeps until exit comes from an unknown
// library that no suppression can name, and the fast unwinder stops at it.
// Keeping the driver loaded for the whole process keeps its leaks nameable.

#include <dlfcn.h>
#include <glob.h>

namespace
{
bool KeepTheGlDriverLoaded()
{
    glob_t found{};
    if (glob("/usr/lib/*/dri/swrast_dri.so", 0, nullptr, &found) == 0 && found.gl_pathc > 0)
    {
        dlopen(found.gl_pathv[0], RTLD_LAZY | RTLD_LOCAL | RTLD_NODELETE);
    }
    globfree(&found);
    return true;
}

const bool driverKept = KeepTheGlDriverLoaded();
}

// Referenced by the test support, so that a static library keeps this file.
bool GlDriverKeptLoaded()
{
    return driverKept;
}
