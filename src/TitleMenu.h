#pragma once

#include "componentsystem/actormanager.h"
#include "componentsystem/drawingsystem.h"
#include "input/Action.h"

#include <allegro5/allegro.h>

#include <string>
#include <vector>

// What the player chose on the title menu.
enum MenuChoice : int
{
    MENU_QUIT = 1,              // ESCAPE, or the window closed
    MENU_PLAY = 2,              // ENTER
    MENU_INSTRUCTIONS = 3,      // I
    MENU_TOGGLE_SOUND = 4,      // M
    MENU_TOGGLE_FULLSCREEN = 5, // F11 or Alt+Enter
    MENU_WINDOW_RESIZED = 6     // not a choice: the window changed size, the menu is shown again
};

// The title menu: a scene of its own (the menu picture and a sound icon) with
// its own record of the sound switch, apart from the game scene.
class TitleMenu
{
public:
    // Builds the two actors; once, after the library is up.
    void Setup();
    // The pictures Setup loads.
    static std::vector<std::string> PicturePaths();
    // Lets go of the actors and their pictures, before the library ends.
    void Release();
    // The sound icon shows the music on or off: the game's one switch.
    void ShowSound(bool on);
    // Draws the menu once, then waits for the player's choice.
    int Show(ALLEGRO_EVENT_QUEUE* queue);
    // Draws the menu once: start-up shows it before the game scene loads.
    void Draw();
    // Sleeps on the queue until ENTER, I, ESCAPE, M, F11 (or Alt+Enter), a
    // gamepad's A or B, or a close arrives, or the window is resized (the game
    // looks at the window, then shows the menu again); every other event it
    // takes is dropped, but the menu is drawn again when its window is
    // uncovered or regains the focus. ESCAPE repeated by a held key is dropped
    // too: it was pressed on the screen before.
    int WaitForChoice(ALLEGRO_EVENT_QUEUE* queue);
    // The choice an event makes, or 0 for none: as WaitForChoice takes it,
    // for events the game took off the queue while the menu showed.
    int ChoiceFor(const ALLEGRO_EVENT& event);

private:
    friend class GameProbe; // tests read the menu's icon and flag

    // The choice an action of the title menu makes, or 0 for none.
    static int ChoiceOf(Action action);

    ActorManager m_actorManager;
    DrawingSystem m_drawingSystem;
    bool m_soundOn = true;
};
