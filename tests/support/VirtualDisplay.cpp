#include "support/VirtualDisplay.h"

#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

VirtualDisplay::VirtualDisplay()
{
    int ready[2];
    if (pipe2(ready, O_CLOEXEC) != 0)
    {
        return;
    }
    m_pid = fork();
    if (m_pid == 0)
    {
        // -displayfd: the server takes a free number and writes it there when it
        // accepts clients.
        const int fd = dup(ready[1]);
        const std::string fdText = std::to_string(fd);
        const int nothing = open("/dev/null", O_RDWR);
        dup2(nothing, STDOUT_FILENO);
        dup2(nothing, STDERR_FILENO);
        execlp("Xvfb", "Xvfb", "-displayfd", fdText.c_str(), "-noreset", "-nolisten", "tcp", "-screen", "0",
               "1024x768x24", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(ready[1]);
    std::string number;
    char byte;
    pollfd waiting{ready[0], POLLIN, 0};
    while (m_pid > 0 && poll(&waiting, 1, 20000) > 0 && read(ready[0], &byte, 1) == 1 && byte != '\n')
    {
        number += byte;
    }
    close(ready[0]);
    if (!number.empty())
    {
        m_name = ":" + number;
    }
}

VirtualDisplay::~VirtualDisplay()
{
    Kill();
}

void VirtualDisplay::Kill()
{
    if (m_pid > 0)
    {
        kill(m_pid, SIGKILL);
        waitpid(m_pid, nullptr, 0);
        m_pid = -1;
    }
}
