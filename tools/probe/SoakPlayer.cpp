#include "SoakPlayer.h"

#include "content/RecipeCatalogue.h"
#include "content/SceneActors.h"
#include "gameplay/RoundRules.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <sstream>

namespace
{
// Listed keys of every screen, and a few that no screen uses.
const std::array<int, 17> KEYS = {
    ALLEGRO_KEY_ENTER, ALLEGRO_KEY_ESCAPE, ALLEGRO_KEY_I,     ALLEGRO_KEY_M,     ALLEGRO_KEY_P,    ALLEGRO_KEY_1,
    ALLEGRO_KEY_2,     ALLEGRO_KEY_3,      ALLEGRO_KEY_LEFT,  ALLEGRO_KEY_RIGHT, ALLEGRO_KEY_LEFT, ALLEGRO_KEY_RIGHT,
    ALLEGRO_KEY_PAD_1, ALLEGRO_KEY_A,      ALLEGRO_KEY_SPACE, ALLEGRO_KEY_4,     ALLEGRO_KEY_UP};

}

SoakPlayer::SoakPlayer(GameProbe& probe, unsigned seed)
    : m_probe(probe)
    , m_random(seed)
{
    std::srand(seed);
}

int SoakPlayer::Pick(int low, int high)
{
    return std::uniform_int_distribution<int>(low, high)(m_random);
}

std::string SoakPlayer::PlayRounds(int rounds, int framesPerTick)
{
    const int goal = m_roundsPlayed + rounds;
    while (m_roundsPlayed < goal)
    {
        const bool wasOver = m_probe.State() == ROUND_OVER;
        PlayPass(framesPerTick);
        ++m_passes;
        if (!wasOver && m_probe.State() == ROUND_OVER)
        {
            ++m_roundsPlayed;
        }
        std::string broken = CheckInvariants();
        if (m_probe.IsOver())
        {
            broken += "the game quit";
        }
        if (!broken.empty())
        {
            std::ostringstream where;
            where << "round " << m_roundsPlayed << ", pass " << m_passes << ", state " << m_probe.State() << ": "
                  << broken;
            return where.str();
        }
    }
    return std::string();
}

void SoakPlayer::QueueRandomKeys(int count, bool allowQuitKeys)
{
    for (int i = 0; i < count; ++i)
    {
        const int key = KEYS[Pick(0, KEYS.size() - 1)];
        if (key == ALLEGRO_KEY_ESCAPE && !allowQuitKeys)
        {
            continue;
        }
        if (Pick(0, 4) == 0)
        {
            m_probe.KeyDown(key);
        }
        else
        {
            m_probe.Char(key);
        }
    }
}

void SoakPlayer::MoveSomething()
{
    // Fast-forward leaves little time to fall: move a falling or sinking
    // ingredient as if frames had passed, onto the cook or to the floor.
    std::vector<int> moving;
    for (int id : m_probe.Spawned())
    {
        const TransformableComponent* transform = m_probe.Place(id);
        if (transform->IsVisible() || transform->GetY() > 0.0f)
        {
            moving.push_back(id);
        }
    }
    if (moving.empty())
    {
        return;
    }
    TransformableComponent* transform = m_probe.Place(moving[Pick(0, moving.size() - 1)]);
    if (transform->IsVisible() && Pick(0, 1) == 0)
    {
        const TransformableComponent* cook = m_probe.Place(SceneActor::COOK);
        transform->SetPosition(cook->GetX() + 10.0f, cook->GetY() - 20.0f);
    }
    else
    {
        transform->SetY(static_cast<float>(Pick(590, 600)));
    }
}

void SoakPlayer::PlayPass(int framesPerTick)
{
    switch (m_probe.State())
    {
    case TITLE_MENU:
        // The menu drops what is not its own and waits for a choice.
        QueueRandomKeys(Pick(0, 2), false);
        m_probe.Tick();
        m_probe.Char(Pick(0, 9) == 0 ? ALLEGRO_KEY_M : (Pick(0, 9) == 0 ? ALLEGRO_KEY_I : ALLEGRO_KEY_ENTER));
        break;
    case INSTRUCTIONS:
        if (Pick(0, 3) == 0)
        {
            // ESCAPE shows the menu in this very pass, which waits there for
            // its keys: give it some, the last one a choice that ends the wait.
            m_probe.Char(ALLEGRO_KEY_ESCAPE);
            m_probe.StepIntoTitleMenu([this] {
                QueueRandomKeys(Pick(0, 2), false);
                m_probe.Char(Pick(0, 3) == 0 ? ALLEGRO_KEY_M : ALLEGRO_KEY_ENTER);
            });
            return;
        }
        QueueRandomKeys(Pick(0, 3), false);
        break;
    case ROUND_OVER:
        QueueRandomKeys(Pick(0, 3), false);
        if (Pick(0, 2) == 0)
        {
            m_probe.KeyDown(ALLEGRO_KEY_ENTER);
        }
        break;
    case PLAYING:
    case PAUSED:
        if (Pick(0, 2) == 0)
        {
            QueueRandomKeys(1, true);
        }
        if (Pick(1, framesPerTick) == 1)
        {
            m_probe.Tick();
        }
        if (m_probe.State() == PAUSED && Pick(0, 5) == 0)
        {
            m_probe.Char(ALLEGRO_KEY_P);
        }
        if (Pick(0, 3) == 0)
        {
            MoveSomething();
        }
        break;
    default:
        QueueRandomKeys(Pick(0, 3), true);
        break;
    }
    m_probe.Step();
}

std::string SoakPlayer::CheckInvariants() const
{
    std::ostringstream broken;
    for (ActorId id = 1; id <= SceneActor::COUNT; ++id)
    {
        const std::shared_ptr<Actor> actor = m_probe.GetActor(id);
        if (actor == nullptr || actor->GetName() != SceneActorPlans()[id - 1].name)
        {
            broken << "scene actor " << id << " missing or renamed; ";
        }
    }

    const std::vector<int> spawned = m_probe.Spawned();
    const std::vector<int> recipe = m_probe.Recipe();
    const std::vector<int> caught = m_probe.Caught();
    const std::vector<int> waiting = m_probe.Waiting();
    if (spawned.empty())
    {
        if (!recipe.empty() || !caught.empty() || !waiting.empty())
        {
            broken << "round lists filled without spawned ingredients; ";
        }
        return broken.str();
    }

    const int distractors = SettingsForDifficulty(m_probe.Difficulty()).distractors;
    if (spawned.size() != recipe.size() + static_cast<std::size_t>(distractors))
    {
        broken << spawned.size() << " spawned for " << recipe.size() << " in the recipe and " << distractors
               << " others; ";
    }
    if (!std::equal(recipe.begin(), recipe.end(), spawned.begin()))
    {
        broken << "the recipe's ingredients are not the first spawned; ";
    }
    if (caught.size() > RoundRules::MOST_CATCHES + 1)
    {
        broken << caught.size() << " caught; ";
    }
    for (int id : caught)
    {
        if (std::find(spawned.begin(), spawned.end(), id) == spawned.end())
        {
            broken << "caught " << id << " was never spawned; ";
        }
    }

    // Every ingredient is in exactly one condition of the round.
    for (std::size_t position = 1; position <= spawned.size(); ++position)
    {
        const int id = spawned[position - 1];
        const TransformableComponent* transform = m_probe.Place(id);
        const long queued = std::count(waiting.begin(), waiting.end(), id);
        const bool visible = transform->IsVisible();
        const bool parked = !visible && transform->GetY() == 0.0f;
        const bool neverReleased = static_cast<int>(position) >= m_probe.NextRelease();

        const int conditions = (visible ? 1 : 0) + (!visible && transform->GetY() > 0.0f ? 1 : 0) +
                               (parked && queued == 1 ? 1 : 0) + (parked && queued == 0 && neverReleased ? 1 : 0);
        if (conditions != 1 || queued > 1 || (queued == 1 && !parked) || (neverReleased && !parked))
        {
            broken << "ingredient " << id << " (position " << position << ", y " << transform->GetY()
                   << (visible ? ", visible" : ", hidden") << ", queued " << queued << ") is in " << conditions
                   << " conditions; ";
        }
    }
    return broken.str();
}
