#include "support/VirtualDisplay.h"

#include "support/Clock.h"
#include "support/WindowProperty.h"

#include <X11/Xlib.h>

#include <csignal>
#include <cstdlib>
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

bool VirtualDisplay::StartWindowManager()
{
    if (m_name.empty() || std::system("command -v openbox > /dev/null") != 0)
    {
        return false;
    }
    m_windowManager = fork();
    if (m_windowManager == 0)
    {
        const int nothing = open("/dev/null", O_RDWR);
        dup2(nothing, STDOUT_FILENO);
        dup2(nothing, STDERR_FILENO);
        setenv("DISPLAY", m_name.c_str(), 1);
        execlp("openbox", "openbox", "--sm-disable", static_cast<char*>(nullptr));
        _exit(127);
    }
    // Ready once it has claimed the screen: _NET_SUPPORTING_WM_CHECK appears.
    Display* display = XOpenDisplay(m_name.c_str());
    auto claimed = [display] {
        return !WindowProperty(display, DefaultRootWindow(display), "_NET_SUPPORTING_WM_CHECK").empty();
    };
    const bool ready = display != nullptr && WaitUntil(10.0, 0.05, claimed);
    if (display != nullptr)
    {
        XCloseDisplay(display);
    }
    return ready;
}

void VirtualDisplay::Kill()
{
    if (m_windowManager > 0)
    {
        kill(m_windowManager, SIGKILL);
        waitpid(m_windowManager, nullptr, 0);
        m_windowManager = -1;
    }
    if (m_pid > 0)
    {
        kill(m_pid, SIGKILL);
        waitpid(m_pid, nullptr, 0);
        m_pid = -1;
    }
}
