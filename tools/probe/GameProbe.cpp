#include "GameProbe.h"

#include "ListValues.h"
#include "RecipeSeeds.h"
#include "content/RecipeCatalogue.h"
#include "content/SceneActors.h"
#include "input/ControlEvent.h"

#include <allegro5/allegro_audio.h>

#include <cstdlib>

GameProbe::GameProbe(Game& game)
    : game(game)
{
    al_init_user_event_source(&m_source);
}

GameProbe::~GameProbe()
{
    al_destroy_user_event_source(&m_source);
}

bool GameProbe::Start()
{
    if (!game.Start())
    {
        return false;
    }
    al_unregister_event_source(game.m_eventQueue, al_get_timer_event_source(game.m_timer));
    al_register_event_source(game.m_eventQueue, &m_source);
    game.m_framePacer.SetEnabled(false);
    SetPassDuration(m_passDuration);
    return true;
}

void GameProbe::SetPassDuration(double seconds)
{
    m_passDuration = seconds;
    if (seconds > 0.0)
    {
        game.m_clock = [this] { return m_roundTime; };
    }
    else
    {
        game.m_clock = al_get_time;
    }
    game.m_updateClock.Stop();
}

void GameProbe::UseRealTimer()
{
    al_register_event_source(game.m_eventQueue, al_get_timer_event_source(game.m_timer));
}

void GameProbe::MuteTheWindow()
{
    // Takes what the window already queued out of the queue, too.
    al_unregister_event_source(game.m_eventQueue, al_get_display_event_source(game.m_display));
}

void GameProbe::SetPacing(bool on)
{
    game.m_framePacer.SetEnabled(on);
}

void GameProbe::Emit(ALLEGRO_EVENT_TYPE type, int keycode, bool repeat, unsigned modifiers)
{
    ALLEGRO_EVENT event{};
    event.type = type;
    if (type == ALLEGRO_EVENT_KEY_CHAR || type == ALLEGRO_EVENT_KEY_DOWN)
    {
        event.keyboard.keycode = keycode;
        event.keyboard.repeat = repeat;
        event.keyboard.modifiers = modifiers;
    }
    al_emit_user_event(&m_source, &event, nullptr);
}

void GameProbe::Emit(ALLEGRO_EVENT_TYPE type)
{
    Emit(type, 0);
}

void GameProbe::PadButton(int button)
{
    ALLEGRO_EVENT event{};
    event.type = ALLEGRO_EVENT_JOYSTICK_BUTTON_DOWN;
    event.joystick.button = button;
    al_emit_user_event(&m_source, &event, nullptr);
}

void GameProbe::PadAxis(int stick, int axis, float position)
{
    ALLEGRO_EVENT event{};
    event.type = ALLEGRO_EVENT_JOYSTICK_AXIS;
    event.joystick.stick = stick;
    event.joystick.axis = axis;
    event.joystick.pos = position;
    al_emit_user_event(&m_source, &event, nullptr);
}

void GameProbe::Touch(Action action, bool pressed)
{
    ALLEGRO_EVENT event = ControlEvent(action, pressed);
    al_emit_user_event(&m_source, &event, nullptr);
}

void GameProbe::Char(int keycode)
{
    Emit(ALLEGRO_EVENT_KEY_CHAR, keycode);
}

void GameProbe::RepeatedChar(int keycode)
{
    Emit(ALLEGRO_EVENT_KEY_CHAR, keycode, true);
}

void GameProbe::CharWith(int keycode, unsigned modifiers)
{
    Emit(ALLEGRO_EVENT_KEY_CHAR, keycode, false, modifiers);
}

void GameProbe::KeyDown(int keycode)
{
    Emit(ALLEGRO_EVENT_KEY_DOWN, keycode);
}

void GameProbe::Tick()
{
    Emit(ALLEGRO_EVENT_TIMER, 0);
}

void GameProbe::LateTick(double error)
{
    ALLEGRO_EVENT event{};
    event.type = ALLEGRO_EVENT_TIMER;
    event.timer.error = error;
    al_emit_user_event(&m_source, &event, nullptr);
}

void GameProbe::Close()
{
    Emit(ALLEGRO_EVENT_DISPLAY_CLOSE, 0);
}

void GameProbe::Step()
{
    m_roundTime += m_passDuration;
    if (game.m_state == TITLE_MENU)
    {
        game.UpdateAndDraw();
        return;
    }
    game.RunPass();
}

void GameProbe::ForceFrame()
{
    game.m_frameOwed = true;
}

void GameProbe::StepAsRun()
{
    m_roundTime += m_passDuration;
    game.Step();
}

void GameProbe::StepChar(int keycode)
{
    Char(keycode);
    Step();
}

void GameProbe::StepKeyDown(int keycode)
{
    KeyDown(keycode);
    Step();
}

void GameProbe::StepTick()
{
    Tick();
    Step();
}

void GameProbe::StepIntoTitleMenu(const std::function<void()>& queueMenuEvents)
{
    m_roundTime += m_passDuration;
    game.HandleWaitingEvents();
    queueMenuEvents();
    game.UpdateAndDraw();
}

void GameProbe::StepIntoTitleMenu(int keycode, const std::vector<int>& menuKeycodes)
{
    Char(keycode);
    StepIntoTitleMenu([this, menuKeycodes] {
        for (int menuKeycode : menuKeycodes)
        {
            Char(menuKeycode);
        }
    });
}

void GameProbe::ChooseDifficulty(int difficulty, unsigned seed)
{
    if (State() == TITLE_MENU)
    {
        StepChar(ALLEGRO_KEY_ENTER);
    }
    std::srand(seed);
    StepChar(ALLEGRO_KEY_1 + difficulty);
}

void GameProbe::EnterRound(int difficulty, unsigned seed)
{
    ChooseDifficulty(difficulty, seed);
    StepChar(ALLEGRO_KEY_ENTER);
}

bool GameProbe::EnterRecipe(int recipe)
{
    const unsigned seed = SeedForRecipe(recipe);
    if (seed == 0)
    {
        return false;
    }
    EnterRound(recipe / 3, seed);
    return Names(Recipe()) == RecipeCatalogue()[recipe].ingredients;
}

void GameProbe::FinishGetReady()
{
    for (int i = 0; i < 4; ++i)
    {
        StepTick();
    }
}

bool GameProbe::IsOver() const
{
    return game.IsOver();
}

int GameProbe::State() const
{
    return game.m_state;
}

void GameProbe::SetState(int state)
{
    game.m_state = state;
}

int GameProbe::Difficulty() const
{
    return game.m_difficulty;
}

int GameProbe::Minutes() const
{
    return game.m_minutes;
}

int GameProbe::Seconds() const
{
    return game.m_seconds;
}

void GameProbe::SetClock(int minutes, int seconds)
{
    game.m_minutes = minutes;
    game.m_seconds = seconds;
}

long GameProbe::TimerCount() const
{
    return static_cast<long>(al_get_timer_count(game.m_timer));
}

int GameProbe::ReadyCount() const
{
    return game.m_readyCount;
}

int GameProbe::NextRelease() const
{
    return game.m_nextRelease;
}

bool GameProbe::SoundOn() const
{
    return game.m_soundOn;
}

bool GameProbe::MusicPlaying() const
{
    return Platform::MusicPlaying(game.m_music);
}

std::shared_ptr<Actor> GameProbe::GetActor(ActorId id) const
{
    return game.m_actorManager.GetActor(id);
}

TransformableComponent* GameProbe::Place(ActorId id) const
{
    auto actor = GetActor(id);
    return actor ? actor->GetComponent<TransformableComponent>() : nullptr;
}

DrawableComponent* GameProbe::Look(ActorId id) const
{
    auto actor = GetActor(id);
    return actor ? actor->GetComponent<DrawableComponent>() : nullptr;
}

bool GameProbe::IsVisible(ActorId id) const
{
    return Place(id)->IsVisible();
}

std::vector<int> GameProbe::Spawned() const
{
    return ListValues(game.m_spawnedIngredients);
}

std::vector<int> GameProbe::Recipe() const
{
    return ListValues(game.m_recipeIngredients);
}

std::vector<int> GameProbe::Caught() const
{
    return ListValues(game.m_caughtIngredients);
}

std::vector<std::string> GameProbe::Names(const std::vector<int>& ids) const
{
    std::vector<std::string> names;
    for (int id : ids)
    {
        names.push_back(GetActor(id)->GetName());
    }
    return names;
}

int GameProbe::WaitingCount() const
{
    return game.m_waitingIngredients.Size();
}

int GameProbe::CatalogueSize() const
{
    return game.m_ingredientCatalogue.Size();
}

std::vector<float> GameProbe::CatalogueSpeeds() const
{
    std::vector<float> speeds;
    for (const IngredientRecord& record : ListValues(game.m_ingredientCatalogue))
    {
        speeds.push_back(record.speed);
    }
    return speeds;
}

void GameProbe::PlaceCook(float x)
{
    Place(SceneActor::COOK)->SetX(x);
}

void GameProbe::PlaceIngredient(int id, float x, float y, bool visible)
{
    Place(id)->SetPosition(x, y);
    Place(id)->SetVisible(visible);
}

void GameProbe::ParkAllIngredients(int nextRelease)
{
    for (int id : Spawned())
    {
        PlaceIngredient(id, 0.0f, 0.0f, false);
    }
    game.m_nextRelease = nextRelease > 0 ? nextRelease : static_cast<int>(Spawned().size()) + 1;
}

void GameProbe::CatchById(int id)
{
    const TransformableComponent* cook = Place(SceneActor::COOK);
    PlaceIngredient(id, cook->GetX(), cook->GetY(), true);
    Step();
}

int GameProbe::SpawnExtra(const std::string& name)
{
    const std::size_t before = Spawned().size();
    game.SpawnIngredient(name, false);
    const std::vector<int> spawned = Spawned();
    return spawned.size() > before ? spawned.back() : 0;
}

bool GameProbe::IsRoundWon() const
{
    return game.IsRoundWon();
}

std::vector<int> GameProbe::Waiting() const
{
    std::vector<int> ids;
    for (const std::shared_ptr<Actor>& actor : ListValues(game.m_waitingIngredients))
    {
        ids.push_back(static_cast<int>(actor->GetID()));
    }
    return ids;
}

void GameProbe::UpdateRound()
{
    game.UpdateRound();
}

void GameProbe::DrawRunningFrame()
{
    game.DrawRunningFrame();
}

int GameProbe::DrawBatches() const
{
    return game.m_drawingSystem.BatchesInLastPass();
}

void GameProbe::SetMusicPlaying(bool playing)
{
    Platform::PlayMusic(game.m_music, playing);
}
