// Plays the game headless with scripted input and saves what each screen shows.
// Usage: fornalina-screenshots OUTPUT_FOLDER [all]
// Without "all" only the README's two pictures are written: menu and round.

#include "GameProbe.h"
#include "content/SceneActors.h"

#include <allegro5/allegro.h>
#include <allegro5/allegro_image.h>

#include <cstdio>
#include <string>
#include <vector>

namespace
{
class Camera
{
public:
    Camera(GameProbe& probe, std::string folder, bool everyScreen)
        : m_probe(probe)
        , m_folder(std::move(folder))
        , m_everyScreen(everyScreen)
        , m_frame(al_create_bitmap(800, 600))
    {
    }
    ~Camera()
    {
        al_destroy_bitmap(m_frame);
    }

    // Runs one pass with its drawing caught in a bitmap, and saves it.
    bool Shoot(const std::string& name)
    {
        ALLEGRO_BITMAP* backBuffer = al_get_target_bitmap();
        al_set_target_bitmap(m_frame);
        m_probe.ForceFrame();
        m_probe.Step();
        al_set_target_bitmap(backBuffer);
        if (!m_everyScreen && name != "menu" && name != "round")
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
    bool m_everyScreen;
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
    Camera camera(probe, folder, all);
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

int main(int argc, char** argv)
{
    if (argc < 2)
    {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER [all]\n", argv[0]);
        return 2;
    }
    const bool ok = ShootScreens(argv[1], argc > 2 && std::string(argv[2]) == "all");
    // The game is gone; the library goes as the game's own exit has it, or the
    // audio device left open aborts the process.
    al_uninstall_system();
    return ok ? 0 : 1;
}
