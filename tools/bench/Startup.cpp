#include "Startup.h"

#include "GameProbe.h"
#include "Measure.h"
#include "desktop/AssetsFolder.h"
#include "pictures/BitmapFile.h"

#include <allegro5/allegro.h>
#include <allegro5/allegro_acodec.h>
#include <allegro5/allegro_audio.h>
#include <allegro5/allegro_image.h>

#include <cstdio>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace
{
// Every picture the game loads before its first frame.
const char* const START_PICTURES[] = {
    "Assets/Sprites/Menu.png",       "Assets/Sprites/SoundOn.png",       "Assets/Sprites/SoundOff.png",
    "Assets/Sprites/Background.png", "Assets/Sprites/Zuna-esquerda.png", "Assets/Sprites/Zuna-direita.png",
    "Assets/Sprites/Pause.png",      "Assets/Sprites/FimDeJogo.png",     "Assets/Sprites/Dificuldade.png",
    "Assets/Sprites/Instrucoes.png", "Assets/Sprites/Icone.png",
};

void ReportReady()
{
    std::printf("ready %.9f\n", Measure::WallSeconds());
    std::fflush(stdout);
}

int RunGameUpToTheMenu()
{
    {
        Game game;
        GameProbe probe(game);
        if (!probe.Start())
        {
            return 1;
        }
        probe.Char(ALLEGRO_KEY_ESCAPE); // read once the menu's first frame is shown
        probe.Step();
        ReportReady();
    }
    // As the game's own exit does: the audio device left open aborts the process.
    al_uninstall_system();
    return 0;
}

int RunFloor()
{
    if (!al_init() || !al_init_image_addon())
    {
        return 1;
    }
    al_set_new_display_option(ALLEGRO_VSYNC, 1, ALLEGRO_SUGGEST);
    al_set_new_display_flags(ALLEGRO_WINDOWED | ALLEGRO_RESIZABLE);
    ALLEGRO_DISPLAY* display = al_create_display(800, 600);
    if (display == nullptr)
    {
        return 1;
    }
    std::vector<ALLEGRO_BITMAP*> pictures;
    for (const char* path : START_PICTURES)
    {
        pictures.push_back(LoadBitmapFile(path));
    }
    al_clear_to_color(al_map_rgb(0, 0, 0));
    if (pictures.front() != nullptr)
    {
        al_draw_bitmap(pictures.front(), 0, 0, 0);
    }
    al_flip_display();
    ReportReady();
    for (ALLEGRO_BITMAP* picture : pictures)
    {
        if (picture != nullptr)
        {
            al_destroy_bitmap(picture);
        }
    }
    al_destroy_display(display);
    al_uninstall_system();
    return 0;
}

// Milliseconds from launching self in that mode to its "ready" line; 0 when
// it never reported.
double TimeOneLaunch(const std::string& self, const std::string& mode)
{
    int output[2];
    if (pipe(output) != 0)
    {
        return 0.0;
    }
    const double launched = Measure::WallSeconds();
    const pid_t child = fork();
    if (child == 0)
    {
        dup2(output[1], STDOUT_FILENO);
        close(output[0]);
        close(output[1]);
        execl(self.c_str(), self.c_str(), mode.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(output[1]);
    char line[128] = {};
    FILE* reader = fdopen(output[0], "r");
    double ready = 0.0;
    const bool reported = reader != nullptr && std::fgets(line, sizeof line, reader) != nullptr &&
                          std::sscanf(line, "ready %lf", &ready) == 1;
    if (reader != nullptr)
    {
        std::fclose(reader);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return reported ? (ready - launched) * 1000.0 : 0.0;
}

// What the audio costs by itself: the library's mixer and output threads with
// the game's music streaming, as in every screen of the game.
int RunAudioFloor()
{
    if (!al_init() || !al_install_audio() || !al_init_acodec_addon() || !al_reserve_samples(9))
    {
        return 1;
    }
    ALLEGRO_AUDIO_STREAM* music = al_load_audio_stream("Assets/Music/Fornalina.ogg", 4, 1024);
    if (music == nullptr)
    {
        return 1;
    }
    al_attach_audio_stream_to_mixer(music, al_get_default_mixer());
    al_set_audio_stream_playmode(music, ALLEGRO_PLAYMODE_LOOP);
    al_set_audio_stream_playing(music, true);
    al_rest(1.0);
    const double wallStart = Measure::WallSeconds();
    const double cpuStart = Measure::ProcessCpuSeconds();
    al_rest(5.0);
    std::printf("share %.6f\n", (Measure::ProcessCpuSeconds() - cpuStart) / (Measure::WallSeconds() - wallStart));
    std::fflush(stdout);
    al_destroy_audio_stream(music);
    al_uninstall_system();
    return 0;
}
}

namespace Startup
{
bool IsChildMode(const std::string& argument)
{
    return argument == "--startup-game" || argument == "--startup-floor" || argument == "--audio-floor";
}

int RunChild(const std::string& mode)
{
    ChangeToAssetsRoot();
    if (mode == "--audio-floor")
    {
        return RunAudioFloor();
    }
    return mode == "--startup-game" ? RunGameUpToTheMenu() : RunFloor();
}

double AudioFloorShare(const std::string& self)
{
    const std::string command = "\"" + self + "\" --audio-floor";
    FILE* child = popen(command.c_str(), "r");
    double share = 0.0;
    if (child != nullptr)
    {
        char line[128] = {};
        if (std::fgets(line, sizeof line, child) != nullptr)
        {
            std::sscanf(line, "share %lf", &share);
        }
        pclose(child);
    }
    return 100.0 * share;
}

std::vector<std::vector<double>> TimeLaunchesInTurn(const std::string& self, const std::vector<std::string>& modes,
                                                    int rounds)
{
    std::vector<std::vector<double>> milliseconds(modes.size());
    for (int round = 0; round < rounds; ++round)
    {
        for (std::size_t mode = 0; mode < modes.size(); ++mode)
        {
            const double launch = TimeOneLaunch(self, modes[mode]);
            if (launch > 0.0)
            {
                milliseconds[mode].push_back(launch);
            }
        }
    }
    return milliseconds;
}
}
