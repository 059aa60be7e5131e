#include "support/GameWindow.h"

#include "support/AllegroFixture.h"
#include "support/Clock.h"
#include "support/WindowProperty.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <vector>

namespace
{
const char* const TITLE = "Fornalina";

bool IsWindowOf(Display* display, Window window, unsigned long pid, const std::string& title)
{
    const std::string pidBytes = WindowProperty(display, window, "_NET_WM_PID");
    if (pidBytes.size() != sizeof(long) || *reinterpret_cast<const unsigned long*>(pidBytes.data()) != pid ||
        WindowProperty(display, window, "WM_NAME") != title)
    {
        return false;
    }
    XWindowAttributes attributes{};
    return XGetWindowAttributes(display, window, &attributes) != 0 && attributes.map_state == IsViewable;
}

// True when the window, of that size, shows the expected 800 × 600 picture at
// a grid of points, scaled to fit as the game scales it.
bool ShowsThePicture(Display* display, Window window, ALLEGRO_BITMAP* expected, int width, int height)
{
    XWindowAttributes attributes{};
    if (XGetWindowAttributes(display, window, &attributes) == 0 || attributes.width != width ||
        attributes.height != height)
    {
        return false;
    }
    XImage* image = XGetImage(display, window, 0, 0, width, height, AllPlanes, ZPixmap);
    if (image == nullptr)
    {
        return false;
    }
    const double scale = std::min(width / 800.0, height / 600.0);
    const double left = (width - 800 * scale) / 2;
    const double top = (height - 600 * scale) / 2;
    bool same = true;
    for (int row = 1; row < 8 && same; ++row)
    {
        for (int column = 1; column < 7 && same; ++column)
        {
            const int x = 800 * column / 8;
            const int y = 600 * row / 8;
            const Rgba wanted = PixelAt(expected, x, y);
            const unsigned long shown =
                XGetPixel(image, static_cast<int>(left + (x + 0.5) * scale), static_cast<int>(top + (y + 0.5) * scale));
            auto near = [](int a, int b) { return a - b <= 2 && b - a <= 2; };
            same = near(wanted.r, static_cast<int>((shown >> 16) & 0xFF)) &&
                   near(wanted.g, static_cast<int>((shown >> 8) & 0xFF)) &&
                   near(wanted.b, static_cast<int>(shown & 0xFF));
        }
    }
    XDestroyImage(image);
    return same;
}

Window FindWindow(Display* display, Window under, unsigned long pid, const std::string& title)
{
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (XQueryTree(display, under, &root, &parent, &children, &count) == 0)
    {
        return false;
    }
    Window found = 0;
    for (unsigned int i = 0; i < count && found == 0; ++i)
    {
        found =
            IsWindowOf(display, children[i], pid, title) ? children[i] : FindWindow(display, children[i], pid, title);
    }
    if (children != nullptr)
    {
        XFree(children);
    }
    return found;
}

// Runs act on the window of that process, if there is one.
template <typename Act>
bool WithWindow(pid_t pid, const std::string& displayName, Act act)
{
    Display* display = XOpenDisplay(displayName.empty() ? nullptr : displayName.c_str());
    if (display == nullptr)
    {
        return false;
    }
    const Window window = FindWindow(display, DefaultRootWindow(display), static_cast<unsigned long>(pid), TITLE);
    if (window != 0)
    {
        act(display, window);
        XSync(display, False);
    }
    XCloseDisplay(display);
    return window != 0;
}

// A client message about the window, of that type and with those words.
XEvent ClientMessageAbout(Display* display, Window window, const char* type, std::initializer_list<long> words)
{
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, type, False);
    event.xclient.format = 32;
    std::copy(words.begin(), words.end(), event.xclient.data.l);
    return event;
}

// On a shared display another test's window may go between listing it and
// asking about it. Xlib's own handler would end this process for that; every
// call here checks its result instead.
int IgnoreXError(Display*, XErrorEvent*)
{
    return 0;
}
}

GameWindow::GameWindow(pid_t pid, std::string display)
    : m_pid(pid)
    , m_display(std::move(display))
{
    XSetErrorHandler(IgnoreXError);
}

bool GameWindow::HideAndShow() const
{
    return WithWindow(m_pid, m_display, [](Display* display, Window window) {
        XUnmapWindow(display, window);
        XSync(display, False);
        XMapWindow(display, window);
    });
}

bool GameWindow::Close() const
{
    return WithWindow(m_pid, m_display, [](Display* display, Window window) {
        XEvent event = ClientMessageAbout(
            display, window, "WM_PROTOCOLS",
            {static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False)), static_cast<long>(CurrentTime)});
        XSendEvent(display, window, False, NoEventMask, &event);
    });
}

bool GameWindow::SwitchFullscreen() const
{
    return WithWindow(m_pid, m_display, [](Display* display, Window window) {
        // Toggle fullscreen, asked by the user (through a pager or a taskbar).
        XEvent event =
            ClientMessageAbout(display, window, "_NET_WM_STATE",
                               {2, static_cast<long>(XInternAtom(display, "_NET_WM_STATE_FULLSCREEN", False)), 0, 2});
        XSendEvent(display, DefaultRootWindow(display), False, SubstructureRedirectMask | SubstructureNotifyMask,
                   &event);
    });
}

bool GameWindow::PressKey(const std::string& keys) const
{
    // "Alt_L+Return": each key goes down in order, then up in reverse.
    std::vector<std::string> names;
    for (std::size_t start = 0, plus = 0; plus != std::string::npos; start = plus + 1)
    {
        plus = keys.find('+', start);
        names.push_back(keys.substr(start, plus == std::string::npos ? std::string::npos : plus - start));
    }
    return WithWindow(m_pid, m_display, [&names](Display* display, Window window) {
        XKeyEvent key{};
        key.display = display;
        key.window = window;
        key.root = DefaultRootWindow(display);
        key.same_screen = True;
        key.time = CurrentTime;
        // The modifiers held so far travel in each event's state, as a real
        // keyboard's do.
        auto maskOf = [](const std::string& name) -> unsigned {
            return name.rfind("Alt", 0) == 0       ? Mod1Mask
                   : name.rfind("Control", 0) == 0 ? ControlMask
                   : name.rfind("Shift", 0) == 0   ? ShiftMask
                                                   : 0;
        };
        auto send = [&](const std::string& name, int type) {
            key.keycode = XKeysymToKeycode(display, XStringToKeysym(name.c_str()));
            key.type = type;
            XSendEvent(display, window, True, type == KeyPress ? KeyPressMask : KeyReleaseMask,
                       reinterpret_cast<XEvent*>(&key));
        };
        for (const std::string& name : names)
        {
            send(name, KeyPress);
            key.state |= maskOf(name);
        }
        for (auto name = names.rbegin(); name != names.rend(); ++name)
        {
            key.state &= ~maskOf(*name);
            send(*name, KeyRelease);
        }
    });
}

bool GameWindow::Destroy() const
{
    return WithWindow(m_pid, m_display, [](Display* display, Window window) { XDestroyWindow(display, window); });
}

bool GameWindow::KillClient() const
{
    return WithWindow(m_pid, m_display, [](Display* display, Window window) { XKillClient(display, window); });
}

bool GameWindow::WaitForPicture(const std::string& picture, double seconds) const
{
    return WaitForPicture(picture, 800, 600, seconds);
}

bool GameWindow::WaitForPicture(const std::string& picture, int width, int height, double seconds) const
{
    StartAllegroForTests();
    const OwnedBitmap expected = LoadMemoryBitmap(picture);
    Display* display = XOpenDisplay(m_display.empty() ? nullptr : m_display.c_str());
    auto shows = [&] {
        const Window window = FindWindow(display, DefaultRootWindow(display), static_cast<unsigned long>(m_pid), TITLE);
        return window != 0 && ShowsThePicture(display, window, expected.get(), width, height);
    };
    const bool shown = display != nullptr && expected != nullptr && WaitUntil(seconds, 0.05, shows);
    if (display != nullptr)
    {
        XCloseDisplay(display);
    }
    return shown;
}
