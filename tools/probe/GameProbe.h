#pragma once

#include "Game.h"
#include "componentsystem/DrawableComponent.h"
#include "componentsystem/SpeedComponent.h"
#include "componentsystem/TransformableComponent.h"

#include <allegro5/allegro.h>

#include <memory>
#include <string>
#include <thread>
#include <vector>

// Drives a real Game from tests and benchmarks: starts it as Run does, feeds
// synthetic keyboard, timer and close events into the game's own queue through
// a user event source, steps the main loop one pass at a time, and reads the
// game's state. The game's one-second timer is stopped, so that only injected
// ticks count, and frame pacing is off unless asked for.
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

    // Events, queued for the next pass.
    void Char(int keycode);    // ALLEGRO_EVENT_KEY_CHAR
    void KeyDown(int keycode); // ALLEGRO_EVENT_KEY_DOWN
    void Tick();               // ALLEGRO_EVENT_TIMER
    void Close();              // ALLEGRO_EVENT_DISPLAY_CLOSE

    // One pass of the main loop. On the title menu the pass is run as if the
    // queued events came while the menu waits (Step itself would drop them, as
    // it drops whatever is queued before the menu shows): queue a choice first,
    // or the menu waits for ever.
    void Step();
    // Convenience: queue the event, then one pass.
    void StepChar(int keycode);
    void StepKeyDown(int keycode);
    void StepTick();
    // A pass whose key leads back to the title menu: the menu then waits in the
    // same pass, and drops whatever was queued behind that key. So the choice
    // is sent from another thread once the state has changed and the menu has
    // had time to start waiting (a generous margin; the pass cannot otherwise
    // be observed from outside).
    void StepIntoTitleMenu(int keycode, int menuChoiceKeycode);
    // Sends a key from another thread after a delay, while this thread waits.
    void CharLater(int keycode, double seconds);

    // From the title menu through difficulty and recipe into PLAYING, with
    // srand(seed) just before the difficulty is chosen (0 easy, 1, 2 hard).
    void EnterRound(int difficulty, unsigned seed = 1);
    // Four ticks of get-ready count, one pass each: the round is running.
    void FinishGetReady();

    // State.
    int State() const;
    void SetState(int state);
    int Difficulty() const;
    int Minutes() const;
    int Seconds() const;
    void SetClock(int minutes, int seconds);
    int ReadyCount() const;
    int NextRelease() const;
    bool SoundOn() const;
    bool MenuSoundOn() const;
    bool MusicPlaying() const;

    // The game scene.
    std::shared_ptr<Actor> GetActor(ActorId id) const;
    TransformableComponent* Place(ActorId id) const;
    DrawableComponent* Look(ActorId id) const;
    bool IsVisible(ActorId id) const;
    // The bitmap the title menu's sound icon shows, and its two images.
    ALLEGRO_BITMAP* MenuIconShown() const;

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
    // the release position, for tests that stage their own positions.
    void ParkAllIngredients(int nextRelease);
    // Catches the ingredient: places it on the cook and runs one frame.
    void CatchById(int id);

    // The game's private operations, where a test needs them directly.
    bool Collides(ActorId a, ActorId b) const;
    bool IsRoundWon() const;
    // The waiting queue's actors, as ids, front first.
    std::vector<int> Waiting() const;
    // The two halves of a running round's frame, for timing them apart.
    void UpdateRound();
    void DrawRunningFrame();
    void SetMusicPlaying(bool playing);

    Game& game;

private:
    ALLEGRO_EVENT_SOURCE m_source;
    bool m_sourceRegistered = false;
    std::thread m_later;
    void Emit(ALLEGRO_EVENT_TYPE type, int keycode);
};
