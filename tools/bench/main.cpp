// fornalina-bench: measures the real game with scripted input and prints a
// table, then one JSON object as its last line. Run it headless through
// scripts/bench.sh (Xvfb, OpenAL's null driver).
//
//   fornalina-bench [--soak-rounds N]     (default 300)

#include "Budgets.h"
#include "Frames.h"
#include "GameProbe.h"
#include "Measure.h"
#include "SoakPlayer.h"
#include "Startup.h"
#include "content/SceneActors.h"
#include "desktop/AssetsFolder.h"
#include "pictures/BitmapFile.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace
{
using Results = std::map<std::string, double>;

// The busiest frame against the floor: this many alternating blocks of this
// many frames each.
constexpr int BLOCKS = 150;
constexpr int FRAMES_PER_BLOCK = 20;
constexpr int STARTUP_LAUNCHES = 9;
// The paced round and the paced floor: this many blocks of each, in turn.
constexpr int SCREEN_BLOCKS = 12;
// How long each screen that waits for the player is left idle.
constexpr double WAIT_SECONDS = 5.0;

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
    // Growth from round 10 to 100, read at every new game: a single reading of
    // resident memory moves by a megabyte or two with what the allocator and
    // the driver happen to hold, so the slope is the one the readings agree on.
    std::vector<double> rounds;
    std::vector<double> residentBytes;
    std::vector<double> heapBytes;
    for (int round = 11; round <= 100; ++round)
    {
        problem += playThenStartAnew(1);
        rounds.push_back(round);
        residentBytes.push_back(1024.0 * static_cast<double>(Measure::ResidentKb()));
        heapBytes.push_back(Measure::HeapBytesInUse());
    }
    results["rss_round100_kb"] = residentBytes.back() / 1024.0;
    results["growth_per_round_bytes"] = Measure::RobustSlope(rounds, residentBytes);
    results["heap_growth_per_round_bytes"] = Measure::RobustSlope(rounds, heapBytes);

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
bool MeasureFrames(Results& results, const std::string& self)
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

    probe.Char(ALLEGRO_KEY_M); // the menu's first frame, then an idle menu
    probe.Step();
    probe.Char(ALLEGRO_KEY_M);
    probe.Step();
    // The audio alone before the first waiting screen and after the last: the
    // two processes' shares are compared at about the same time.
    const double audioBefore = Startup::AudioFloorShare(self);
    const Frames::Share menu = Frames::MenuWaitCpuShare(probe, WAIT_SECONDS); // then I
    results["cpu_menu_pct"] = 100.0 * menu.process;
    results["cpu_menu_game_thread_pct"] = 100.0 * menu.mainThread;
    // Every other screen that waits for the player, idle, as the game runs it.
    auto waitingScreen = [&](const std::string& screen) {
        const Frames::Share share = Frames::WaitingScreenCpuShare(probe, WAIT_SECONDS);
        results["cpu_" + screen + "_pct"] = 100.0 * share.process;
        results["cpu_" + screen + "_game_thread_pct"] = 100.0 * share.mainThread;
    };
    waitingScreen("instructions");
    probe.StepIntoTitleMenu(ALLEGRO_KEY_ESCAPE, {ALLEGRO_KEY_ENTER});
    waitingScreen("difficulty");
    probe.StepChar(ALLEGRO_KEY_2);
    waitingScreen("recipe");
    probe.StepChar(ALLEGRO_KEY_ENTER);
    long readsDuringRounds = 0;
    const long readsAtRoundStart = PictureFileReads();
    probe.FinishGetReady();
    const Frames::BesideFloor round = Frames::RoundBesideFloor(probe, background, SCREEN_BLOCKS, 0.75);
    readsDuringRounds += PictureFileReads() - readsAtRoundStart;
    results["fps"] = round.framesPerSecond;
    results["cpu_round_pct"] = 100.0 * round.screen;
    results["cpu_round_floor_ratio"] = round.ratio;
    results["cpu_floor_pct"] = 100.0 * round.floor;
    probe.StepChar(ALLEGRO_KEY_P);
    waitingScreen("pause");
    probe.StepChar(ALLEGRO_KEY_P);
    probe.SetClock(0, 1);
    probe.StepTick(); // 0:00: the result
    waitingScreen("result");
    results["cpu_audio_floor_pct"] = (audioBefore + Startup::AudioFloorShare(self)) / 2.0;

    // Unpaced frame costs, without the music's decoding in the way.
    probe.StepKeyDown(ALLEGRO_KEY_ENTER);
    readsDuringRounds += Frames::EnterBusiestRound(probe);
    probe.SetMusicPlaying(false);
    const long readsBeforeTiming = PictureFileReads();
    Frames::CompareBusiestWithFloor(probe, background, 10, FRAMES_PER_BLOCK); // warm-up
    const Frames::Comparison frames = Frames::CompareBusiestWithFloor(probe, background, BLOCKS, FRAMES_PER_BLOCK);
    readsDuringRounds += PictureFileReads() - readsBeforeTiming;

    results["frame_update_us_p50"] = Measure::Median(frames.busiest.updateUs);
    results["frame_update_us_p99"] = Measure::Quantile(frames.busiest.updateUs, 0.99);
    results["frame_draw_us_p50"] = Measure::Median(frames.busiest.drawUs);
    results["frame_draw_us_p99"] = Measure::Quantile(frames.busiest.drawUs, 0.99);
    results["frame_floor_us"] = Measure::Median(frames.floorUs);
    results["frame_ratio"] = Measure::Median(frames.blockRatios);
    // Half the spread of the middle half of the blocks: the ratio is frame_ratio
    // plus or minus this for half of them.
    results["frame_ratio_spread"] =
        (Measure::Quantile(frames.blockRatios, 0.75) - Measure::Quantile(frames.blockRatios, 0.25)) / 2.0;
    results["frame_batches"] = frames.batches;
    results["decodes_during_round"] = static_cast<double>(readsDuringRounds);

    probe.SetState(ROUND_OVER);
    probe.StepKeyDown(ALLEGRO_KEY_ENTER);
    results["fall_px_per_s"] = Frames::FallSpeed(probe, 0.0, 4.0);
    results["fall_px_per_s_30ms_frames"] = Frames::FallSpeed(probe, 0.030, 4.0);
    al_destroy_bitmap(background);
    probe.Close();
    probe.Step();
    return true;
}

void PrintRow(const char* what, double value, const char* unit)
{
    std::printf("  %-44s %12.1f %s\n", what, value, unit);
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
    const auto launches = Startup::TimeLaunchesInTurn(self, {"--startup-game", "--startup-floor"}, STARTUP_LAUNCHES);
    results["startup_ms"] = Measure::Median(launches[0]);
    results["startup_floor_ms"] = Measure::Median(launches[1]);
    const MemoryAndSoak soak = PlayManyRounds(results, soakRounds);
    if (!MeasureFrames(results, self))
    {
        std::fprintf(stderr, "the game did not start\n");
        return 1;
    }

    std::printf("Start-up (median of %d launches, in turn with the floor's)\n", STARTUP_LAUNCHES);
    PrintRow("to the first title-menu frame", results["startup_ms"], "ms");
    PrintRow("floor: library, display, same pictures", results["startup_floor_ms"], "ms");
    std::printf("Frame of the busiest round (CPU, unpaced, %d blocks of %d frames in turn with the floor)\n", BLOCKS,
                FRAMES_PER_BLOCK);
    PrintRow("update, median", results["frame_update_us_p50"], "us");
    PrintRow("update, p99", results["frame_update_us_p99"], "us");
    PrintRow("draw and flip, median", results["frame_draw_us_p50"], "us");
    PrintRow("draw and flip, p99", results["frame_draw_us_p99"], "us");
    PrintRow("floor: clear, background, flip", results["frame_floor_us"], "us");
    PrintRow("ratio to the floor, median of the blocks", results["frame_ratio"], "x");
    PrintRow("  +- half the blocks' interquartile range", results["frame_ratio_spread"], "x");
    PrintRow("image batches in the drawing of a frame", results["frame_batches"], "");
    PrintRow("picture files read during rounds", results["decodes_during_round"], "");
    std::printf("Paced at 60 frames a second\n");
    PrintRow("frames per second in a round", results["fps"], "fps");
    PrintRow("CPU, running round", results["cpu_round_pct"], "%");
    PrintRow("CPU, floor loop, in turn with the round", results["cpu_floor_pct"], "%");
    std::printf("Screens that wait for the player, idle (CPU, the process; the game's own thread)\n");
    PrintRow("audio alone: music playing, nothing else", results["cpu_audio_floor_pct"], "%");
    for (const char* screen : WAITING_SCREENS)
    {
        const std::string key = std::string("cpu_") + screen;
        PrintRow(screen, results[key + "_pct"], "%");
        PrintRow("  of which the game's own thread", results[key + "_game_thread_pct"], "%");
    }
    PrintRow("hard: fall speed", results["fall_px_per_s"], "px/s");
    PrintRow("hard: fall speed, frames of 30 ms", results["fall_px_per_s_30ms_frames"], "px/s");
    std::printf("Memory over rounds in fast-forward (read as each new game begins)\n");
    PrintRow("resident after start-up", results["rss_start_kb"], "KB");
    PrintRow("after 1 round", results["rss_round1_kb"], "KB");
    PrintRow("after 10 rounds", results["rss_round10_kb"], "KB");
    PrintRow("after 100 rounds", results["rss_round100_kb"], "KB");
    PrintRow("growth per round, rounds 10 to 100", results["growth_per_round_bytes"], "B");
    PrintRow("  heap in use, growth per round", results["heap_growth_per_round_bytes"], "B");
    std::printf("Soak: %d rounds of random input, %s\n", soak.soakRounds,
                soak.soakHeld ? "every check held" : soak.soakProblem.c_str());

    std::printf("Budgets\n");
    bool budgetsMet = true;
    for (const Budget& budget : JudgeBudgets(results))
    {
        std::printf("  %-44s %12.2f  %-10s %s\n", budget.what.c_str(), budget.figure, budget.limit.c_str(),
                    budget.met ? "met" : "OVER");
        budgetsMet = budgetsMet && budget.met;
    }

    std::printf("{");
    const char* separator = "";
    for (const auto& [key, value] : results)
    {
        std::printf("%s\"%s\": %.2f", separator, key.c_str(), value);
        separator = ", ";
    }
    std::printf("%s\"budgets_met\": %s, \"soak_ok\": %s}\n", separator, budgetsMet ? "true" : "false",
                soak.soakHeld ? "true" : "false");
    // The games are gone; the library goes as the game's own exit has it, or the
    // audio device left open aborts the process.
    al_uninstall_system();
    return soak.soakHeld ? 0 : 1;
}
