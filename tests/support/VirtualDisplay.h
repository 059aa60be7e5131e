#pragma once

#include <sys/types.h>

#include <string>

// An Xvfb of the test's own, on a display number the server picks itself, so
// that tests that kill their server can run side by side.
class VirtualDisplay
{
public:
    VirtualDisplay();
    // Kills the server if it still runs.
    ~VirtualDisplay();
    VirtualDisplay(const VirtualDisplay&) = delete;
    VirtualDisplay& operator=(const VirtualDisplay&) = delete;

    // ":N", or "" when the server did not start.
    const std::string& Name() const
    {
        return m_name;
    }
    // "DISPLAY=:N", for a child's environment.
    std::string Variable() const
    {
        return "DISPLAY=" + m_name;
    }
    // Kills the server at once, as a crash would.
    void Kill();
    // Starts a window manager on it (openbox), as a desktop has; false when
    // there is none to start. It goes with the server.
    bool StartWindowManager();

private:
    pid_t m_pid = -1;
    pid_t m_windowManager = -1;
    std::string m_name;
};
