#include "support/GameProcess.h"

#include "support/AllegroFixture.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace
{
using Clock = std::chrono::steady_clock;

Clock::time_point After(double seconds)
{
    return Clock::now() + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds));
}

std::vector<std::string> Environment(const GameProcess::Options& options)
{
    auto nameOf = [](const std::string& entry) { return entry.substr(0, entry.find('=')); };
    std::vector<std::string> result;
    for (char** variable = environ; *variable != nullptr; ++variable)
    {
        const std::string name = nameOf(*variable);
        bool dropped = false;
        for (const std::string& other : options.unset)
        {
            dropped = dropped || other == name;
        }
        for (const std::string& entry : options.set)
        {
            dropped = dropped || nameOf(entry) == name;
        }
        if (!dropped)
        {
            result.push_back(*variable);
        }
    }
    result.insert(result.end(), options.set.begin(), options.set.end());
    return result;
}

std::vector<char*> Pointers(std::vector<std::string>& strings)
{
    std::vector<char*> pointers;
    for (std::string& text : strings)
    {
        pointers.push_back(text.data());
    }
    pointers.push_back(nullptr);
    return pointers;
}
}

GameProcess::GameProcess(const std::string& program, const Options& options)
{
    std::vector<std::string> arguments{program};
    arguments.insert(arguments.end(), options.arguments.begin(), options.arguments.end());
    std::vector<std::string> environment = Environment(options);
    std::vector<char*> argv = Pointers(arguments);
    std::vector<char*> envp = Pointers(environment);

    int pipeEnds[2];
    if (pipe2(pipeEnds, O_CLOEXEC) != 0)
    {
        m_ended = true;
        return;
    }
    m_pid = fork();
    if (m_pid == 0)
    {
        dup2(pipeEnds[1], STDERR_FILENO);
        const int nothing = open("/dev/null", O_RDWR);
        dup2(nothing, STDIN_FILENO);
        dup2(nothing, STDOUT_FILENO);
        if (chdir(options.folder.c_str()) == 0)
        {
            execve(program.c_str(), argv.data(), envp.data());
        }
        _exit(127);
    }
    close(pipeEnds[1]);
    m_errors = pipeEnds[0];
    m_ended = m_pid < 0;
}

GameProcess::~GameProcess()
{
    Kill();
    if (m_errors >= 0)
    {
        close(m_errors);
    }
}

void GameProcess::ReadErrors(bool untilEnd)
{
    char buffer[4096];
    while (m_errors >= 0)
    {
        pollfd ready{m_errors, POLLIN, 0};
        if (!untilEnd && poll(&ready, 1, 0) <= 0)
        {
            return;
        }
        const ssize_t count = read(m_errors, buffer, sizeof buffer);
        if (count <= 0)
        {
            close(m_errors);
            m_errors = -1;
            return;
        }
        m_text.append(buffer, static_cast<std::size_t>(count));
    }
}

bool GameProcess::WaitForExit(double seconds)
{
    const auto deadline = After(seconds);
    while (!m_ended)
    {
        ReadErrors(false);
        const pid_t done = waitpid(m_pid, &m_status, WNOHANG);
        if (done == m_pid || done < 0)
        {
            m_ended = true;
            ReadErrors(true);
            break;
        }
        if (Clock::now() > deadline)
        {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

void GameProcess::Kill()
{
    if (!m_ended)
    {
        kill(m_pid, SIGKILL);
        waitpid(m_pid, &m_status, 0);
        m_ended = true;
        ReadErrors(true);
    }
}

int GameProcess::ExitStatus() const
{
    return m_ended && WIFEXITED(m_status) ? WEXITSTATUS(m_status) : -1;
}

int GameProcess::Signal() const
{
    return m_ended && WIFSIGNALED(m_status) ? WTERMSIG(m_status) : 0;
}

const std::string& GameProcess::Errors()
{
    ReadErrors(m_ended);
    return m_text;
}

namespace
{
// The bytes of a window's property, whatever its type ("" when absent).
std::string Property(Display* display, Window window, const char* name)
{
    const Atom atom = XInternAtom(display, name, True);
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long left = 0;
    unsigned char* data = nullptr;
    std::string value;
    if (atom != None &&
        XGetWindowProperty(display, window, atom, 0, 256, False, AnyPropertyType, &type, &format, &count, &left,
                           &data) == Success &&
        data != nullptr)
    {
        // Items of format 32 come as longs.
        const std::size_t itemSize = format == 32 ? sizeof(long) : static_cast<std::size_t>(format / 8);
        value.assign(reinterpret_cast<const char*>(data), count * itemSize);
    }
    if (data != nullptr)
    {
        XFree(data);
    }
    return value;
}

bool IsWindowOf(Display* display, Window window, unsigned long pid, const std::string& title)
{
    const std::string pidBytes = Property(display, window, "_NET_WM_PID");
    if (pidBytes.size() != sizeof(long) || *reinterpret_cast<const unsigned long*>(pidBytes.data()) != pid ||
        Property(display, window, "WM_NAME") != title)
    {
        return false;
    }
    XWindowAttributes attributes{};
    return XGetWindowAttributes(display, window, &attributes) != 0 && attributes.map_state == IsViewable;
}

// True when the window shows the expected picture at a grid of points.
bool ShowsThePicture(Display* display, Window window, ALLEGRO_BITMAP* expected)
{
    XWindowAttributes attributes{};
    if (XGetWindowAttributes(display, window, &attributes) == 0 || attributes.width != 800 ||
        attributes.height != 600)
    {
        return false;
    }
    XImage* image = XGetImage(display, window, 0, 0, 800, 600, AllPlanes, ZPixmap);
    if (image == nullptr)
    {
        return false;
    }
    bool same = true;
    for (int row = 1; row < 8 && same; ++row)
    {
        for (int column = 1; column < 7 && same; ++column)
        {
            const int x = 800 * column / 8;
            const int y = 600 * row / 8;
            const Rgba wanted = PixelAt(expected, x, y);
            const unsigned long shown = XGetPixel(image, x, y);
            auto near = [](int a, int b) { return a - b <= 2 && b - a <= 2; };
            same = near(wanted.r, static_cast<int>((shown >> 16) & 0xFF)) &&
                   near(wanted.g, static_cast<int>((shown >> 8) & 0xFF)) && near(wanted.b, static_cast<int>(shown & 0xFF));
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
        found = IsWindowOf(display, children[i], pid, title) ? children[i]
                                                             : FindWindow(display, children[i], pid, title);
    }
    if (children != nullptr)
    {
        XFree(children);
    }
    return found;
}
}

namespace
{
// Runs act on the window of that process and title, if there is one.
template <typename Act>
bool WithWindow(pid_t pid, const std::string& title, Act act)
{
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr)
    {
        return false;
    }
    const Window window = FindWindow(display, DefaultRootWindow(display), static_cast<unsigned long>(pid), title);
    if (window != 0)
    {
        act(display, window);
        XSync(display, False);
    }
    XCloseDisplay(display);
    return window != 0;
}
}

bool HideAndShowWindow(pid_t pid, const std::string& title)
{
    return WithWindow(pid, title, [](Display* display, Window window) {
        XUnmapWindow(display, window);
        XSync(display, False);
        XMapWindow(display, window);
    });
}

bool CloseWindow(pid_t pid, const std::string& title)
{
    return WithWindow(pid, title, [](Display* display, Window window) {
        XEvent event{};
        event.xclient.type = ClientMessage;
        event.xclient.window = window;
        event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
        event.xclient.format = 32;
        event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
        event.xclient.data.l[1] = CurrentTime;
        XSendEvent(display, window, False, NoEventMask, &event);
    });
}

bool WaitForPicture(pid_t pid, const std::string& title, const std::string& picture, double seconds)
{
    StartAllegroForTests();
    const int flags = al_get_new_bitmap_flags();
    al_set_new_bitmap_flags(ALLEGRO_MEMORY_BITMAP);
    ALLEGRO_BITMAP* expected = al_load_bitmap(picture.c_str());
    al_set_new_bitmap_flags(flags);
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr || expected == nullptr)
    {
        if (display != nullptr)
        {
            XCloseDisplay(display);
        }
        if (expected != nullptr)
        {
            al_destroy_bitmap(expected);
        }
        return false;
    }
    const auto deadline = After(seconds);
    bool shown = false;
    while (!shown && Clock::now() < deadline)
    {
        const Window window = FindWindow(display, DefaultRootWindow(display), static_cast<unsigned long>(pid), title);
        shown = window != 0 && ShowsThePicture(display, window, expected);
        if (!shown)
        {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
    }
    XCloseDisplay(display);
    al_destroy_bitmap(expected);
    return shown;
}
