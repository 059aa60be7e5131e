#pragma once

#include <allegro5/allegro.h>

#include <memory>
#include <string>
#include <vector>

class PicturePrefetch;

// What differs between the desktop and the browser, behind one interface: the
// game calls these and never asks where it runs. desktop/ and web/ each
// implement all of it, and the build compiles one of the two.
namespace Platform
{
// The launch, before the game and after it.
struct Launch
{
    bool play = true;    // false: nothing to play (--help, a bad option); exit with exitStatus
    int exitStatus = 0;  // when play is false
    int fullscreen = -1; // for this launch only: -1 as remembered, 0 in a window, 1 fullscreen
};
// First thing in main: the process, the command line, the working folder.
Launch PrepareLaunch(int argc, char** argv);
// Last thing in main: the game has ended with this status; returns what main returns.
int EndLaunch(int exitStatus);

// A failure that stops the game, as one Portuguese line of single-byte
// Windows-1252 text: on standard error on the desktop, on the page in a browser.
void ReportFailure(const char* windows1252Message);

// What the player chose, remembered between launches: a file on the desktop,
// the browser's storage on a page. A damaged store means the defaults; saving
// never stops the game. Each save changes only its own choice.
struct Settings
{
    bool musicOn = true;
    bool fullscreen = false;
};
Settings LoadSettings(); // the library must be installed
void RememberMusic(bool on);
void RememberFullscreen(bool on);

// Before the library starts: how the game ends when its display is lost.
void WatchDisplay();
// Once the queue exists: events the platform sends the game beside the
// library's own (a page hidden arrives as a DISPLAY_SWITCH_OUT).
void AttachEvents(ALLEGRO_EVENT_QUEUE* queue);
// The screen the game shows now (a GameState) and whether its music plays,
// each time either changes: a page shows that screen's on-screen controls
// (input/OnScreenControls.h); the desktop has none.
void ScreenShown(int screen, bool musicOn);
// For screens that draw nothing while they wait: ends the game, as a lost
// display does, when the window was destroyed under it.
void CheckDisplay(ALLEGRO_DISPLAY* display);
// False where no display can be made at all (a browser without WebGL), so
// that start-up reports a failed window rather than the library failing its own way.
bool CanMakeDisplay();
// False where the window's icon is not the game's to set (a page shows its
// own): start-up then neither loads nor sets it.
bool HasWindowIcon();
// The flags of the game's display: fullscreen or in a window that can be
// resized (a page's canvas keeps its size, and the page scales it).
int DisplayFlags(bool fullscreen);
// Fullscreen on or off where the game switches it itself (a browser keeps F11
// for its own); returns whether the display really is fullscreen afterwards,
// which a desktop without a window manager never makes it.
bool SetFullscreen(ALLEGRO_DISPLAY* display, bool on);
// Whether the display really is fullscreen now, however it became so (the
// window manager's own keys too); false in a browser.
bool IsFullscreen(ALLEGRO_DISPLAY* display);

// The first screens' pictures decoded on a thread of their own while start-up
// goes on, where threads may be used; nullptr where they are decoded in turn.
std::unique_ptr<PicturePrefetch> PrefetchPictures(const std::vector<std::string>& paths);

// Gives the pages of memory just freed back to the system, where its
// allocator keeps them otherwise.
void ReturnFreedMemory();

// The background music, looping from start-up: streamed by the audio thread
// on the desktop, decoded by a browser itself while the game goes on.
struct Music;
// nullptr when the file is missing, not a regular file or has nothing to play.
Music* LoadMusic(const char* path);
void PlayMusic(Music* music, bool on); // on: from where it stopped
bool MusicPlaying(const Music* music);
void DestroyMusic(Music* music); // nullptr is allowed

// Keeps frames at a steady rate of at most 60 a second, so that the game
// spends no more than it needs (movement follows real time, see UpdateClock).
// After each presented frame it waits, never spinning, until the next frame
// may start: a slot of its own on the desktop, the page's next animation frame
// in a browser, which must get control back between frames.
class FramePacer
{
public:
    explicit FramePacer(double framesPerSecond = 60.0)
        : m_period(1.0 / framesPerSecond)
    {
    }

    // Waits, when needed, until the next frame may start.
    void WaitForNextFrame();
    // Off: frames run back to back (fast-forward for tests and benchmarks).
    void SetEnabled(bool enabled)
    {
        m_enabled = enabled;
        m_nextFrameTime = 0.0;
    }

private:
    double m_period;
    double m_nextFrameTime = 0.0;
    bool m_enabled = true;
};
}
