#pragma once

#include <sys/types.h>

#include <string>

// The window titled "Fornalina" that a game process shows, seen from another X
// client, as a player, a desktop or another program sees it. Each call opens
// its own connection to the display and closes it again, so a server that has
// died since leaves nothing behind in the test.
class GameWindow
{
public:
    // display: an X display name, or "" for the one DISPLAY names.
    explicit GameWindow(pid_t pid, std::string display = "");

    // Waits up to seconds until the window shows the 800 × 600 picture of that
    // PNG file (compared on a grid of points away from the top-right corner,
    // where the sound icon lies); true when it does.
    bool WaitForPicture(const std::string& picture, double seconds) const;
    // The same in a window of another size, the picture scaled to fit it.
    bool WaitForPicture(const std::string& picture, int width, int height, double seconds) const;
    // Unmaps the window and maps it again, as minimising and restoring it does
    // on a desktop without a compositor: it comes back blank until redrawn.
    bool HideAndShow() const;
    // Asks the window to close, as its close button does (WM_DELETE_WINDOW).
    bool Close() const;
    // Asks the window manager to switch the window to or from fullscreen by
    // itself, as its own keys or a taskbar do (a _NET_WM_STATE toggle).
    bool SwitchFullscreen() const;
    // Presses and releases a key, named by its X keysym ("Return", "1"), or
    // several together ("Alt_L+Return").
    bool PressKey(const std::string& keys) const;
    // What another program may do: destroy the window (xdotool windowclose),
    // or have the server drop its owner's connection (xkill).
    bool Destroy() const;
    bool KillClient() const;

    // Each of the above is false when there is no such window.

private:
    pid_t m_pid;
    std::string m_display;
};
