#include "desktop/StandardStreams.h"

#include <cerrno>
#include <fcntl.h>
#include <initializer_list>
#include <unistd.h>

void EnsureStandardStreams()
{
    for (const int descriptor : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO})
    {
        if (fcntl(descriptor, F_GETFD) != -1 || errno != EBADF)
        {
            continue;
        }
        // The lowest free number: this one, as the ones below it are open.
        const int null = open("/dev/null", O_RDWR);
        if (null >= 0 && null != descriptor)
        {
            dup2(null, descriptor);
            close(null);
        }
    }
}
