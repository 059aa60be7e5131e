// Plays the game headless with scripted input and saves what each screen shows.
// Usage: fornalina-screenshots OUTPUT_FOLDER [all | clock]
// Without "all" only the README's pictures are written: menu, round and three
// result screens. "clock" writes the running round at every reading of its
// clock, 1:00 to 0:00, before any ingredient falls (clock-1-00.png ...
// clock-0-00.png): the browser test reads the page's clock against them.

#include "GameProbe.h"
#include "content/IngredientCatalogue.h"
#include "content/SceneActors.h"

#include <allegro5/allegro.h>
#include <allegro5/allegro_image.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace
{
class Camera
{
public:
    // keep: whether a shot of that name is saved; the pass runs either way.
    Camera(GameProbe& probe, std::string folder, std::function<bool(const std::string&)> keep)
        : m_probe(probe)
        , m_folder(std::move(folder))
        , m_keep(std::move(keep))
        , m_frame(al_create_bitmap(800, 600))
    {
    }
    ~Camera()
    {
        al_destroy_bitmap(m_frame);
    }
    Camera(const Camera&) = delete;
    Camera& operator=(const Camera&) = delete;

    // Runs one pass with its drawing caught in a bitmap, and saves it.
    bool Shoot(const std::string& name)
    {
        ALLEGRO_BITMAP* backBuffer = al_get_target_bitmap();
        al_set_target_bitmap(m_frame);
        m_probe.ForceFrame();
        m_probe.Step();
        al_set_target_bitmap(backBuffer);
        if (!m_keep(name))
        {
            return true;
        }
        const std::string path = m_folder + "/" + name + ".png";
        if (!al_save_bitmap(path.c_str(), m_frame))
        {
            std::fprintf(stderr, "could not write %s\n", path.c_str());
            return false;
        }
        std::printf("%s\n", path.c_str());
        return true;
    }

private:
    GameProbe& m_probe;
    std::string m_folder;
    std::function<bool(const std::string&)> m_keep;
    ALLEGRO_BITMAP* m_frame;
};

// Runs frames of the round for the given number of seconds, one tick per 60
// frames, with the cook walking under the lowest ingredient still falling
// towards her, at about the speed of a held arrow key.
void PlaySeconds(GameProbe& probe, int seconds)
{
    for (int second = 0; second < seconds; ++second)
    {
        probe.Tick();
        for (int frame = 0; frame < 60; ++frame)
        {
            float target = -1.0f;
            float lowest = -1.0f;
            for (int id : probe.Spawned())
            {
                const TransformableComponent* transform = probe.Place(id);
                if (transform->IsVisible() && transform->GetY() > lowest && transform->GetY() < 470.0f)
                {
                    lowest = transform->GetY();
                    target = transform->GetX() + 15.0f;
                }
            }
            const TransformableComponent* cook = probe.Place(SceneActor::COOK);
            const float middle = cook->GetX() + probe.Look(SceneActor::COOK)->GetWidth() / 2.0f;
            if (target >= 0.0f && frame % 3 == 0 && (target < middle - 12.0f || target > middle + 12.0f))
            {
                probe.Char(target < middle ? ALLEGRO_KEY_LEFT : ALLEGRO_KEY_RIGHT);
            }
            probe.Step();
        }
    }
}

// The ids of a round's recipe actors, without the last one of that name.
std::vector<int> RecipeWithoutOne(const GameProbe& probe, const std::string& name)
{
    std::vector<int> ids = probe.Recipe();
    const std::vector<std::string> names = probe.Names(ids);
    const auto last = std::find(names.rbegin(), names.rend(), name);
    if (last != names.rend())
    {
        ids.erase(ids.begin() + (names.rend() - last - 1));
    }
    return ids;
}

// The result screen of one round of that recipe in a game of its own: the
// catches are made, then the clock runs out (unless the catches ended the
// round), and the result's frame is saved.
bool ShootResult(const std::string& folder, const std::string& name, int recipe,
                 const std::function<std::vector<int>(GameProbe&)>& catches)
{
    Game game;
    GameProbe probe(game);
    if (!probe.Start())
    {
        return false;
    }
    bool ok = probe.EnterRecipe(recipe);
    if (ok)
    {
        probe.FinishGetReady();
        const std::vector<int> ids = catches(probe);
        probe.ParkAllIngredients();
        for (int id : ids)
        {
            if (probe.State() == PLAYING)
            {
                probe.CatchById(id);
            }
        }
        if (probe.State() == PLAYING)
        {
            probe.SetClock(0, 1);
            probe.StepTick();
        }
        Camera camera(probe, folder, [](const std::string&) { return true; });
        ok = probe.State() == ROUND_OVER && camera.Shoot(name);
    }
    else
    {
        std::fprintf(stderr, "could not start a round of recipe %d for %s\n", recipe, name.c_str());
    }
    probe.Close();
    probe.Step();
    return ok;
}
}

// Plays through the screens, saving each; false when one could not be saved.
bool ShootScreens(const std::string& folder, bool all)
{
    Game game;
    GameProbe probe(game);
    if (!probe.Start())
    {
        return false;
    }
    Camera camera(probe, folder, [all](const std::string& name) { return all || name == "menu" || name == "round"; });
    bool ok = true;

    if (all)
    {
        probe.Char(ALLEGRO_KEY_I);
        ok &= camera.Shoot("menu");
        ok &= camera.Shoot("instructions");
        probe.StepIntoTitleMenu(ALLEGRO_KEY_ESCAPE, {ALLEGRO_KEY_ENTER});
        ok &= camera.Shoot("difficulty");
    }
    else
    {
        probe.Char(ALLEGRO_KEY_ENTER);
        ok &= camera.Shoot("menu");
    }
    std::srand(7);
    probe.Char(ALLEGRO_KEY_3);
    ok &= camera.Shoot("recipe");
    probe.Char(ALLEGRO_KEY_ENTER);
    ok &= camera.Shoot("get-ready");
    probe.FinishGetReady();
    PlaySeconds(probe, 17);
    ok &= camera.Shoot("round");
    if (all)
    {
        probe.Char(ALLEGRO_KEY_P);
        ok &= camera.Shoot("pause");
        probe.Char(ALLEGRO_KEY_P);
        probe.Step();
        probe.SetClock(0, 0);
        probe.Step();
        ok &= camera.Shoot("round-over");
    }
    probe.Close();
    probe.Step();
    return ok;
}

// The running round at every reading of the clock, nothing falling yet.
bool ShootClock(const std::string& folder)
{
    Game game;
    GameProbe probe(game);
    if (!probe.Start())
    {
        return false;
    }
    Camera camera(probe, folder, [](const std::string&) { return true; });
    probe.EnterRound(0);
    probe.FinishGetReady();
    bool ok = true;
    for (int second = 60; second >= 0; --second)
    {
        probe.SetClock(second / 60, second % 60);
        char name[16];
        std::snprintf(name, sizeof name, "clock-%d-%02d", second / 60, second % 60);
        ok &= camera.Shoot(name);
    }
    probe.Close();
    probe.Step();
    return ok;
}

// The result screens the README shows: a lost round, the largest account and
// the smallest one; with all, a won round too.
bool ShootResults(const std::string& folder, bool all)
{
    bool ok = true;
    // A medium round: one garlic missed, the first chicken caught twice, and
    // the first random extra that is not in the recipe caught too.
    ok &= ShootResult(folder, "result-lost", 4, [](GameProbe& probe) {
        std::vector<int> ids = RecipeWithoutOne(probe, "Alho");
        ids.push_back(ids.front());
        const std::vector<std::string> recipe = probe.Names(probe.Recipe());
        for (int id : probe.Spawned())
        {
            if (std::find(recipe.begin(), recipe.end(), probe.GetActor(id)->GetName()) == recipe.end())
            {
                ids.push_back(id);
                break;
            }
        }
        return ids;
    });
    // The largest hard recipe, one egg missed and one potato too many, with
    // every other ingredient of the catalogue caught once: 21 entries.
    ok &= ShootResult(folder, "result-largest", 7, [](GameProbe& probe) {
        std::vector<int> ids = RecipeWithoutOne(probe, "Ovo");
        const std::vector<std::string> recipe = probe.Names(probe.Recipe());
        ids.push_back(ids.front());
        for (const Ingredient& ingredient : IngredientCatalogue())
        {
            if (std::find(recipe.begin(), recipe.end(), ingredient.name) == recipe.end())
            {
                ids.push_back(probe.SpawnExtra(ingredient.name));
            }
        }
        return ids;
    });
    // The smallest easy recipe and nothing caught.
    ok &= ShootResult(folder, "result-empty", 2, [](GameProbe&) { return std::vector<int>(); });
    if (all)
    {
        // The hard recipe with the most ingredients to show, caught exactly.
        ok &= ShootResult(folder, "result-won", 8, [](GameProbe& probe) { return probe.Recipe(); });
    }
    return ok;
}

int main(int argc, char** argv)
{
    const std::string mode = argc > 2 ? argv[2] : "";
    if (argc < 2 || argc > 3 || (!mode.empty() && mode != "all" && mode != "clock"))
    {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER [all | clock]\n", argv[0]);
        return 2;
    }
    const bool all = mode == "all";
    const bool ok = mode == "clock" ? ShootClock(argv[1]) : ShootScreens(argv[1], all) && ShootResults(argv[1], all);
    // The game is gone; the library goes as the game's own exit has it, or the
    // audio device left open aborts the process.
    al_uninstall_system();
    return ok ? 0 : 1;
}
