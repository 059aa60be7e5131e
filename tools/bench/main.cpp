// fornalina-bench: measures the real game with scripted input and prints a
// table, then one JSON object as its last line. Run it headless through
// scripts/bench.sh (Xvfb, OpenAL's null driver).
//
//   fornalina-bench [--soak-rounds N]     (default 300)

#include "AssetsFolder.h"
#include "Frames.h"
#include "GameProbe.h"
#include "Measure.h"
#include "SoakPlayer.h"
#include "Startup.h"
#include "componentsystem/BitmapFile.h"
#include "content/SceneActors.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <string>

namespace
{
using Results = std::map<std::string, double>;

struct MemoryAndSoak
{
    bool soakHeld = true;
    std::string soakProblem;
    int soakRounds = 0;
};

// Resident memory over rounds played in fast-forward, then the long soak on
// the same game.
MemoryAndSoak PlayManyRounds(Results& results, int soakRounds)
{
    MemoryAndSoak outcome;
    Game game;
    GameProbe probe(game);
    if (!probe.Start())
    {
        outcome.soakHeld = false;
        outcome.soakProblem = "the game did not start";
        return outcome;
    }
    results["rss_start_kb"] = Measure::ResidentKb();
    SoakPlayer player(probe, 2024);
    // Memory is read at the same moment of every game: a new game just begun.
    auto playThenStartAnew = [&](int rounds) {
        std::string broken = player.PlayRounds(rounds, 2);
        probe.StepKeyDown(ALLEGRO_KEY_ENTER);
        return broken;
    };
    std::string problem = playThenStartAnew(1);
    results["rss_round1_kb"] = Measure::ResidentKb();
    problem += playThenStartAnew(9);
    results["rss_round10_kb"] = Measure::ResidentKb();
    problem += playThenStartAnew(90);
    results["rss_round100_kb"] = Measure::ResidentKb();
    results["growth_per_round_bytes"] = (results["rss_round100_kb"] - results["rss_round10_kb"]) * 1024.0 / 90.0;

    const double soakStart = Measure::WallSeconds();
    if (problem.empty())
    {
        problem = player.PlayRounds(soakRounds, 3);
    }
    outcome.soakHeld = problem.empty();
    outcome.soakProblem = problem;
    outcome.soakRounds = player.RoundsPlayed();
    results["soak_rounds"] = player.RoundsPlayed();
    results["soak_passes"] = static_cast<double>(player.PassesPlayed());
    results["soak_seconds"] = Measure::WallSeconds() - soakStart;
    return outcome;
}

// Every screen's CPU share, the paced round, then the busiest frames and the
// floor, all on one game and its display.
bool MeasureFrames(Results& results)
{
    Game game;
    GameProbe probe(game);
    if (!probe.Start())
    {
        return false;
    }
    ALLEGRO_BITMAP* background = LoadBitmapFile("Assets/Sprites/Background.png");
    if (background == nullptr)
    {
        return false;
    }
    results["cpu_floor_pct"] = 100.0 * Frames::PacedFloorCpuShare(background, 5.0);

    probe.Char(ALLEGRO_KEY_M); // the menu's first frame, then an idle menu
    probe.Step();
    probe.Char(ALLEGRO_KEY_M);
    probe.Step();
    const Frames::Share menu = Frames::MenuWaitCpuShare(probe, 5.0); // then I
    results["cpu_menu_pct"] = 100.0 * menu.process;
    results["cpu_menu_game_thread_pct"] = 100.0 * menu.mainThread;
    results["cpu_instructions_pct"] = 100.0 * Frames::ScreenCpuShare(probe, 5.0);
    probe.StepIntoTitleMenu(ALLEGRO_KEY_ESCAPE, {ALLEGRO_KEY_ENTER});
    results["cpu_difficulty_pct"] = 100.0 * Frames::ScreenCpuShare(probe, 5.0);
    probe.StepChar(ALLEGRO_KEY_2);
    results["cpu_recipe_pct"] = 100.0 * Frames::ScreenCpuShare(probe, 5.0);
    probe.StepChar(ALLEGRO_KEY_ENTER);
    probe.FinishGetReady();
    const Frames::Pace round = Frames::PacedRound(probe, 10.0);
    results["fps"] = round.framesPerSecond;
    results["cpu_round_pct"] = 100.0 * round.cpuShare;

    // Unpaced frame costs, without the music's decoding in the way.
    probe.SetState(ROUND_OVER);
    probe.Step();
    probe.StepKeyDown(ALLEGRO_KEY_ENTER);
    Frames::EnterBusiestRound(probe);
    probe.SetMusicPlaying(false);
    Frames::TimeBusiestFrames(probe, 200); // warm-up
    const Frames::Costs costs = Frames::TimeBusiestFrames(probe, 3000);
    Frames::TimeFloorFrames(background, 200);
    const std::vector<double> floor = Frames::TimeFloorFrames(background, 3000);

    results["frame_update_us_p50"] = Measure::Median(costs.updateUs);
    results["frame_update_us_p99"] = Measure::Quantile(costs.updateUs, 0.99);
    results["frame_draw_us_p50"] = Measure::Median(costs.drawUs);
    results["frame_draw_us_p99"] = Measure::Quantile(costs.drawUs, 0.99);
    results["frame_floor_us"] = Measure::Median(floor);
    results["frame_ratio"] =
        (results["frame_update_us_p50"] + results["frame_draw_us_p50"]) / results["frame_floor_us"];

    probe.SetState(ROUND_OVER);
    probe.StepKeyDown(ALLEGRO_KEY_ENTER);
    results["fall_px_per_s"] = Frames::FallSpeed(probe, 0.0, 4.0);
    results["fall_px_per_s_30ms_frames"] = Frames::FallSpeed(probe, 0.030, 4.0);
    al_destroy_bitmap(background);
    probe.Close();
    probe.Step();
    return true;
}

void PrintRow(const char* what, double value, const char* unit, const char* budget)
{
    std::printf("  %-44s %12.1f %-6s %s\n", what, value, unit, budget);
}
}

int main(int argc, char** argv)
{
    if (argc > 1 && Startup::IsChildMode(argv[1]))
    {
        return Startup::RunChild(argv[1]);
    }
    int soakRounds = 300;
    if (argc > 2 && std::string(argv[1]) == "--soak-rounds")
    {
        soakRounds = std::atoi(argv[2]);
    }
    const std::string self = std::filesystem::read_symlink("/proc/self/exe").string();
    ChangeToAssetsRoot();

    Results results;
    results["startup_ms"] = Measure::Median(Startup::TimeLaunches(self, "--startup-game", 7));
    results["startup_floor_ms"] = Measure::Median(Startup::TimeLaunches(self, "--startup-floor", 7));
    results["cpu_audio_floor_pct"] = Startup::AudioFloorShare(self);
    const MemoryAndSoak soak = PlayManyRounds(results, soakRounds);
    if (!MeasureFrames(results))
    {
        std::fprintf(stderr, "the game did not start\n");
        return 1;
    }
    const double floorShare = results["cpu_floor_pct"];

    std::printf("Start-up (median of 7 launches)\n");
    PrintRow("to the first title-menu frame", results["startup_ms"], "ms", "");
    PrintRow("floor: library, display, same pictures", results["startup_floor_ms"], "ms", "budget: floor + 50");
    std::printf("Frame of the busiest round (CPU, unpaced)\n");
    PrintRow("update, median", results["frame_update_us_p50"], "us", "");
    PrintRow("update, p99", results["frame_update_us_p99"], "us", "");
    PrintRow("draw and flip, median", results["frame_draw_us_p50"], "us", "");
    PrintRow("draw and flip, p99", results["frame_draw_us_p99"], "us", "");
    PrintRow("floor: clear, background, flip", results["frame_floor_us"], "us", "");
    PrintRow("ratio to the floor", results["frame_ratio"], "x", "budget: 1.5");
    std::printf("Paced at 60 frames a second\n");
    PrintRow("frames per second in a round", results["fps"], "fps", "budget: 60 +- 1");
    PrintRow("CPU, floor loop", floorShare, "%", "");
    PrintRow("CPU, title menu waiting", results["cpu_menu_pct"], "%", "budget: 1");
    PrintRow("  of which the game's own thread", results["cpu_menu_game_thread_pct"], "%", "");
    PrintRow("  audio alone: music playing, nothing else", results["cpu_audio_floor_pct"], "%", "");
    PrintRow("CPU, difficulty screen", results["cpu_difficulty_pct"], "%", "budget: 1.2 x floor");
    PrintRow("CPU, instructions screen", results["cpu_instructions_pct"], "%", "budget: 1.2 x floor");
    PrintRow("CPU, recipe screen", results["cpu_recipe_pct"], "%", "budget: 1.2 x floor");
    PrintRow("CPU, running round", results["cpu_round_pct"], "%", "budget: 1.5 x floor");
    PrintRow("hard: fall speed", results["fall_px_per_s"], "px/s", "budget: 60 +- 2");
    PrintRow("hard: fall speed, frames of 30 ms", results["fall_px_per_s_30ms_frames"], "px/s", "budget: 60 +- 2");
    std::printf("Memory over rounds in fast-forward\n");
    PrintRow("resident after start-up", results["rss_start_kb"], "KB", "");
    PrintRow("after 1 round", results["rss_round1_kb"], "KB", "");
    PrintRow("after 10 rounds", results["rss_round10_kb"], "KB", "");
    PrintRow("after 100 rounds", results["rss_round100_kb"], "KB", "");
    PrintRow("growth per round, rounds 10 to 100", results["growth_per_round_bytes"], "B", "budget: 1024");
    std::printf("  (read as each new game begins)\n");
    std::printf("Soak: %d rounds of random input, %s\n", soak.soakRounds,
                soak.soakHeld ? "every check held" : soak.soakProblem.c_str());

    std::printf("{");
    const char* separator = "";
    for (const auto& [key, value] : results)
    {
        std::printf("%s\"%s\": %.2f", separator, key.c_str(), value);
        separator = ", ";
    }
    std::printf("%s\"soak_ok\": %s}\n", separator, soak.soakHeld ? "true" : "false");
    return soak.soakHeld ? 0 : 1;
}
