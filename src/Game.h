#pragma once

#include "GameState.h"
#include "TitleMenu.h"
#include "componentsystem/actormanager.h"
#include "componentsystem/drawingsystem.h"
#include "containers/LinkedList.h"
#include "content/IngredientRecord.h"
#include "gameplay/RoundRules.h"
#include "gameplay/UpdateClock.h"
#include "input/Action.h"
#include "input/HeldDirection.h"
#include "pictures/PictureAtlas.h"
#include "pictures/PicturePrefetch.h"
#include "platform/Platform.h"

#include <allegro5/allegro.h>
#include <allegro5/allegro_audio.h>
#include <allegro5/allegro_font.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

// The application: owns the library handles (created by Run through InitAllegro
// and destroyed by Run, in the reverse of their use), the game scene, the title
// menu and the lists of a round. Operations of the content and gameplay folders
// are members too; each lives in the file of its subsystem.
class Game
{
public:
    Game() = default;
    // Releases the library handles, in shutdown order, if Run could not.
    ~Game();

    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    // For this launch only, over the remembered choice: -1 as remembered,
    // 0 in a window, 1 fullscreen. Before Run.
    void SetLaunchFullscreen(int fullscreen);
    // The whole life of the application: start-up, the main loop, shutdown.
    void Run();
    // True once the state is QUIT.
    bool IsOver() const;
    // What the process should exit with after Run: 0 after a normal quit, 1
    // when the game could not start.
    int ExitStatus() const;
    // One pass of the main loop: handle every waiting event, then one frame. On
    // a screen that waits for the player, with nothing new to draw, it first
    // sleeps until an event comes.
    void Step();

private:
    friend class GameProbe; // tests and benchmarks drive the game through it

    // Start-up and shutdown (Game.cpp, GameStartup.cpp).
    bool Start();
    bool InitAllegro();
    void Shutdown();

    // A pass without the sleep: every event already waiting, then one frame.
    void RunPass();
    void HandleWaitingEvents();
    // Tells the platform the screen and the music switch when either changed
    // since it last heard (a page shows that screen's controls).
    void TellScreenShown();
    // The instructions, difficulty, recipe, pause and result screens wait for
    // the player: each is drawn once, then again only when something changed
    // (an event other than a tick, or a new state). The title menu waits in a
    // loop of its own; a round and its get-ready count draw every frame.
    bool ScreenWaitsForPlayer() const;
    bool FrameIsOwed() const;

    // Events by state (GameEvents.cpp): the window's, the round's ticks, and
    // the player's, which the input rule (input/InputRule.h) turns into actions.
    void HandleEvent(const ALLEGRO_EVENT& event);
    void HandleRoundTick(const ALLEGRO_EVENT& event);
    // Does what the player asked for on the current screen.
    void Act(Action action);
    void ChooseDifficulty(int difficulty);
    void MoveCook(bool toRight);
    void ToggleSound();
    void ToggleFullscreen();
    // The window is fullscreen or not, as it really is now (after a switch, or
    // one the window manager made by itself): a change is remembered.
    void FollowFullscreen(bool fullscreen);
    void StartRound();
    void RunTitleMenu();
    void FollowMenuChoice(int choice); // a TitleMenu choice, MENU_ or 0

    // A gamepad's sticks and the on-screen controls (GamepadEvents.cpp): a
    // direction acts when it is pressed, then, held, repeats at the cadence of
    // a held key, at most one step a frame.
    void HandleStick(const ALLEGRO_EVENT& event);
    // An on-screen control: pressed, its action; the walking ones repeat
    // while held, as a stick does, until let go.
    void HandleControl(const ALLEGRO_EVENT& event);
    void RepeatHeldDirection();

    // A new game, and letting go of the scenes (GameScenes.cpp).
    void StartNewGame();
    void ClearGameScene();
    void ReleaseScenes();

    // Scene, catalogue and recipes (content/).
    void CreateSceneActors();
    void LoadIngredients(const float& speed);
    void ChooseRecipe();
    void SetActorVisible(ActorId id, bool visible);

    // The round (gameplay/).
    void SpawnIngredient(const std::string& name, const bool& inRecipe);
    int CreateIngredientActor(const IngredientRecord& record);
    std::shared_ptr<Actor> BuildActor(const IngredientRecord& record);
    bool FindIngredient(const std::string& name, IngredientRecord& record) const;
    void ReleaseNextIngredient();
    void ReleaseWaitingIngredient();
    bool RunRoundUpdates();
    void UpdateRound();
    void CatchIngredient(const std::shared_ptr<Actor>& ingredient, int id);
    void RecycleIngredient(const std::shared_ptr<Actor>& ingredient);
    void PlaceInRandomColumn(const std::shared_ptr<Actor>& ingredient);
    bool Collides(std::shared_ptr<Actor> a, std::shared_ptr<Actor> b) const;
    void Tick();
    bool RoundHasEnded() const;
    // The round's account from its recipe and its catches, and the judgement
    // made from it.
    std::vector<RoundRules::AccountEntry> RoundAccount() const;
    bool IsRoundWon() const;

    // Frames (gameplay/FrameDrawing.cpp).
    void UpdateAndDraw();
    void DrawPausedFrame();
    void DrawGetReadyFrame();
    void DrawRunningFrame();
    void DrawRoundOverFrame();
    // Under the result: each entry's picture and count (gameplay/AccountDrawing.cpp).
    void DrawRoundAccount(const std::vector<RoundRules::AccountEntry>& account);
    void DrawPictureFrame(ActorId picture);
    void DrawClock();
    void PresentFrame();

    int m_state = NOT_STARTED;
    int m_drawnState = NOT_STARTED; // the state of the last frame drawn
    int m_toldState = NOT_STARTED;  // what the platform last heard of (TellScreenShown)
    bool m_toldSoundOn = true;
    bool m_frameOwed = true; // something changed since: a key, the window, the focus
    int m_difficulty = 0;
    ALLEGRO_DISPLAY* m_display = nullptr;
    ALLEGRO_EVENT_QUEUE* m_eventQueue = nullptr;
    ALLEGRO_TIMER* m_timer = nullptr;
    ALLEGRO_FONT* m_font = nullptr;
    ALLEGRO_FONT* m_bigFont = nullptr;
    ALLEGRO_FONT* m_countFont = nullptr; // the counts of the round's account
    Platform::Music* m_music = nullptr;
    ALLEGRO_SAMPLE* m_catchSound = nullptr;
    ActorManager m_actorManager;
    DrawingSystem m_drawingSystem;
    TitleMenu m_titleMenu;
    LinkedList<std::shared_ptr<Actor>> m_waitingIngredients;
    LinkedList<IngredientRecord> m_ingredientCatalogue;
    // Every ingredient picture on one sheet, held for the game: the falling
    // ingredients and the icons of catches draw from it, and no catch reads a file.
    PictureAtlas m_ingredientPictures;
    // The first screens' pictures, decoded on a thread of their own while the
    // window is created; ended once start-up has taken them.
    std::unique_ptr<PicturePrefetch> m_startPictures;
    LinkedList<int> m_spawnedIngredients;
    LinkedList<int> m_recipeIngredients;
    LinkedList<int> m_caughtIngredients;
    int m_minutes = 1;
    int m_seconds = 0;
    int m_readyCount = 3;
    bool m_soundOn = true;
    int m_nextRelease = 1;
    Platform::FramePacer m_framePacer;
    UpdateClock m_updateClock;
    std::function<double()> m_clock = al_get_time; // seconds; tests give their own
    bool m_fullscreen = false;
    int m_launchFullscreen = -1;
    HeldDirection m_heldDirection;   // left and right: the cook, the easy and hard levels
    HeldDirection m_heldVertical;    // up: the medium level
    double m_roundStartTime = 0.0;   // timer events older than this belong to the recipe screen
    double m_switchingSeconds = 0.0; // spent in fullscreen switches since the round's last tick
    int m_exitStatus = 0;
};
