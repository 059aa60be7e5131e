#pragma once

#include "Game.h"
#include "componentsystem/DrawableComponent.h"
#include "componentsystem/SpeedComponent.h"
#include "componentsystem/TransformableComponent.h"

#include <allegro5/allegro.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

// Drives a real Game from tests and benchmarks: starts it as Run does, feeds
// synthetic keyboard, timer and close events into the game's own queue through
// a user event source, steps the main loop one pass at a time, and reads the
// game's state. The game's one-second timer does not reach the queue, so that
// only injected ticks count; frame pacing is off unless asked for, and each
// pass lasts exactly 1/60 s of the round's own clock unless told otherwise.
class GameProbe
{
public:
    explicit GameProbe(Game& game);
    ~GameProbe();
    GameProbe(const GameProbe&) = delete;
    GameProbe& operator=(const GameProbe&) = delete;

    // Start-up as Run does it (library, scene, title menu, music, timer).
    bool Start();
    void SetPacing(bool on);
    // How much of the round's clock each pass takes (1/60 s unless set); 0
    // hands the round back to real time.
    void SetPassDuration(double seconds);
    // The game's own one-second timer reaches the queue again.
    void UseRealTimer();
    // Only injected events reach the game: the window's own (an expose when a
    // window beside it closes, a focus change) are not this test's.
    void MuteTheWindow();

    // Events, queued for the next pass.
    void Char(int keycode);                         // ALLEGRO_EVENT_KEY_CHAR
    void RepeatedChar(int keycode);                 // the same, repeated by a held key
    void CharWith(int keycode, unsigned modifiers); // with ALLEGRO_KEYMOD_ALT and the like
    void KeyDown(int keycode);                      // ALLEGRO_EVENT_KEY_DOWN
    void Tick();                                    // ALLEGRO_EVENT_TIMER
    void LateTick(double error);                    // the same, made that late (the timer catching up)
    void Close();                                   // ALLEGRO_EVENT_DISPLAY_CLOSE
    void Emit(ALLEGRO_EVENT_TYPE type);             // any other event without data
    // A gamepad's button pressed, and a stick's axis moved (-1 to 1).
    void PadButton(int button);
    void PadAxis(int stick, int axis, float position);
    // An on-screen control pressed, or let go.
    void Touch(Action action, bool pressed = true);

    // One pass of the main loop that never sleeps on the queue: a screen that
    // waits for the player handles what is queued and draws only when
    // something changed, as it would once woken. On the title menu the pass is
    // run as if the queued events came while the menu waits (Step itself would
    // drop them, as it drops whatever is queued before the menu shows): queue a
    // choice first, or the menu waits for ever.
    void Step();
    // The next pass draws its screen even when nothing changed, for a test that
    // captures a frame of its own.
    void ForceFrame();
    // One pass exactly as Run makes it, for the benchmark: on a screen that
    // waits for the player it may sleep in the queue until an event comes.
    void StepAsRun();
    // Convenience: queue the event, then one pass.
    void StepChar(int keycode);
    void StepKeyDown(int keycode);
    void StepTick();
    // A pass whose queued events lead back to the title menu, with the menu's
    // events arriving while it waits there in the same pass: the queued events
    // are handled first, then those queueMenuEvents queues reach the menu,
    // which must end its wait.
    void StepIntoTitleMenu(const std::function<void()>& queueMenuEvents);
    // As above, for a key that leads back and the keys pressed on the menu.
    void StepIntoTitleMenu(int keycode, const std::vector<int>& menuKeycodes);

    // From the title menu or the difficulty screen to the recipe card, with
    // srand(seed) just before the difficulty is chosen (0 easy, 1, 2 hard).
    void ChooseDifficulty(int difficulty, unsigned seed = 1);
    // The same, then into PLAYING.
    void EnterRound(int difficulty, unsigned seed = 1);
    // Into PLAYING with that recipe of the catalogue (0–8), drawn by the first
    // seed that picks it (RecipeSeeds.h); false when the round's recipe is another.
    bool EnterRecipe(int recipe);
    // Four ticks of get-ready count, one pass each: the round is running.
    void FinishGetReady();

    // State.
    bool IsOver() const;
    int State() const;
    void SetState(int state);
    int Difficulty() const;
    int Minutes() const;
    int Seconds() const;
    void SetClock(int minutes, int seconds);
    // The game's one-second timer's count of ticks in its current run.
    long TimerCount() const;
    int ReadyCount() const;
    int NextRelease() const;
    bool SoundOn() const;
    bool MusicPlaying() const;

    // The game scene.
    std::shared_ptr<Actor> GetActor(ActorId id) const;
    TransformableComponent* Place(ActorId id) const;
    DrawableComponent* Look(ActorId id) const;
    bool IsVisible(ActorId id) const;

    // Lists, as plain vectors of ids (or names) in list order.
    std::vector<int> Spawned() const;
    std::vector<int> Recipe() const;
    std::vector<int> Caught() const;
    std::vector<std::string> Names(const std::vector<int>& ids) const;
    int WaitingCount() const;
    int CatalogueSize() const;
    std::vector<float> CatalogueSpeeds() const;

    // Places the cook; puts an ingredient at (x, y), visible or not.
    void PlaceCook(float x);
    void PlaceIngredient(int id, float x, float y, bool visible);
    // Parks every spawned ingredient out of the way (hidden, y = 0) and sets
    // the position the timer releases next, for tests that stage their own
    // positions; 0: past the last, nothing more is released.
    void ParkAllIngredients(int nextRelease = 0);
    // Catches the ingredient: places it on the cook and runs one frame.
    void CatchById(int id);
    // Spawns one more ingredient of that catalogue name outside the recipe, as
    // the round's random extras are, hidden; its id, or 0 for an unknown name.
    int SpawnExtra(const std::string& name);

    // The game's private operations, where a test needs them directly.
    bool IsRoundWon() const;
    // The waiting queue's actors, as ids, front first.
    std::vector<int> Waiting() const;
    // The two halves of a running round's frame, for timing them apart.
    void UpdateRound();
    void DrawRunningFrame();
    // Batches of images the last running frame's DrawAll sent to the renderer.
    int DrawBatches() const;
    void SetMusicPlaying(bool playing);

private:
    Game& game;
    ALLEGRO_EVENT_SOURCE m_source;
    double m_passDuration = 1.0 / 60.0;
    double m_roundTime = 0.0;
    void Emit(ALLEGRO_EVENT_TYPE type, int keycode, bool repeat = false, unsigned modifiers = 0);
};
