#include "Frames.h"

#include "Measure.h"
#include "content/SceneActors.h"
#include "pictures/BitmapFile.h"
#include "platform/Platform.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <functional>
#include <thread>

namespace
{
// Spreads the ingredients over the right of the kitchen, falling, away from the
// cook at the far left.
void SpreadIngredients(GameProbe& probe)
{
    int n = 0;
    for (int id : probe.Spawned())
    {
        probe.PlaceIngredient(id, 150.0f + 30.0f * (n % 21), 20.0f * (n % 20), true);
        ++n;
    }
}

void DrawFloorFrame(ALLEGRO_BITMAP* background)
{
    al_clear_to_color(al_map_rgb(0, 0, 0));
    al_draw_bitmap(background, 0, 0, 0);
    al_flip_display();
}

// Wall and process CPU seconds spent in some blocks of work.
struct Span
{
    double wall = 0.0;
    double cpu = 0.0;
    double Share() const
    {
        return wall > 0.0 ? cpu / wall : 0.0;
    }
    void Add(const Span& other)
    {
        wall += other.wall;
        cpu += other.cpu;
    }
};

// Runs passes for `seconds` of wall time, or until a pass answers false;
// adds the time spent to the span and returns the passes run.
long RunBlock(double seconds, Span& span, const std::function<bool()>& pass)
{
    const double wallStart = Measure::WallSeconds();
    const double cpuStart = Measure::ProcessCpuSeconds();
    long passes = 0;
    while (Measure::WallSeconds() - wallStart < seconds)
    {
        ++passes;
        if (!pass())
        {
            break;
        }
    }
    span.wall += Measure::WallSeconds() - wallStart;
    span.cpu += Measure::ProcessCpuSeconds() - cpuStart;
    return passes;
}

// One block of the paced floor loop.
void FloorBlock(ALLEGRO_BITMAP* background, Platform::FramePacer& pacer, double seconds, Span& floor)
{
    RunBlock(seconds, floor, [&] {
        DrawFloorFrame(background);
        pacer.WaitForNextFrame();
        return true;
    });
}

// Paced passes of the game (`pass`, given the seconds spent in its blocks so
// far; false ends them) in blocks in turn with blocks of the paced floor.
Frames::BesideFloor BlocksBesideFloor(GameProbe& probe, ALLEGRO_BITMAP* background, int blocks, double blockSeconds,
                                      const std::function<bool(double)>& pass)
{
    Span game;
    Span floor;
    std::vector<double> blockRatios;
    Platform::FramePacer floorPacer;
    // Frames per second leave out each block's first frame: it follows the
    // floor's block, so it is never kept waiting.
    long pacedFrames = 0;
    double pacedSeconds = 0.0;
    bool more = true;
    probe.SetPacing(true);
    for (int block = 0; block < blocks && more; ++block)
    {
        const double blockStart = Measure::WallSeconds();
        const double before = game.wall;
        double firstFrameEnd = 0.0;
        Span gameBlock;
        const long frames = RunBlock(blockSeconds, gameBlock, [&] {
            more = pass(before + Measure::WallSeconds() - blockStart);
            if (firstFrameEnd == 0.0)
            {
                firstFrameEnd = Measure::WallSeconds();
            }
            return more;
        });
        if (frames > 1)
        {
            pacedFrames += frames - 1;
            pacedSeconds += Measure::WallSeconds() - firstFrameEnd;
        }
        Span floorBlock;
        FloorBlock(background, floorPacer, blockSeconds, floorBlock);
        if (floorBlock.Share() > 0.0)
        {
            blockRatios.push_back(gameBlock.Share() / floorBlock.Share());
        }
        game.Add(gameBlock);
        floor.Add(floorBlock);
    }
    probe.SetPacing(false);
    return {game.Share(), floor.Share(), Measure::Median(blockRatios),
            pacedSeconds > 0.0 ? static_cast<double>(pacedFrames) / pacedSeconds : 0.0};
}
}

namespace Frames
{
long EnterBusiestRound(GameProbe& probe)
{
    probe.EnterRecipe(7); // the second hard one, the longest: 14 ingredients and 7 extras
    const long readsBefore = PictureFileReads();
    probe.FinishGetReady();
    probe.ParkAllIngredients();
    probe.PlaceCook(10.0f);
    for (int catches = 0; catches < 30; ++catches)
    {
        probe.CatchById(probe.Spawned()[catches % probe.Spawned().size()]);
    }
    SpreadIngredients(probe);
    probe.StepChar(ALLEGRO_KEY_P);
    probe.StepChar(ALLEGRO_KEY_P);
    return PictureFileReads() - readsBefore;
}

Costs TimeBusiestFrames(GameProbe& probe, int frames)
{
    Costs costs;
    for (int frame = 0; frame < frames; ++frame)
    {
        for (int id : probe.Spawned())
        {
            if (probe.Place(id)->GetY() > 560.0f)
            {
                probe.Place(id)->SetY(0.0f);
            }
        }
        const double updateStart = Measure::ThreadCpuSeconds();
        probe.UpdateRound();
        const double updateEnd = Measure::ThreadCpuSeconds();
        const double drawStart = Measure::ProcessCpuSeconds();
        probe.DrawRunningFrame();
        const double drawEnd = Measure::ProcessCpuSeconds();
        costs.updateUs.push_back((updateEnd - updateStart) * 1e6);
        costs.drawUs.push_back((drawEnd - drawStart) * 1e6);
    }
    return costs;
}

std::vector<double> TimeFloorFrames(ALLEGRO_BITMAP* background, int frames)
{
    std::vector<double> costs;
    for (int frame = 0; frame < frames; ++frame)
    {
        const double start = Measure::ProcessCpuSeconds();
        DrawFloorFrame(background);
        costs.push_back((Measure::ProcessCpuSeconds() - start) * 1e6);
    }
    return costs;
}

Comparison CompareBusiestWithFloor(GameProbe& probe, ALLEGRO_BITMAP* background, int blocks, int framesPerBlock)
{
    Comparison comparison;
    for (int block = 0; block < blocks; ++block)
    {
        const Costs busiest = TimeBusiestFrames(probe, framesPerBlock);
        const std::vector<double> floor = TimeFloorFrames(background, framesPerBlock);
        comparison.blockRatios.push_back((Measure::Median(busiest.updateUs) + Measure::Median(busiest.drawUs)) /
                                         Measure::Median(floor));
        auto append = [](std::vector<double>& to, const std::vector<double>& from) {
            to.insert(to.end(), from.begin(), from.end());
        };
        append(comparison.busiest.updateUs, busiest.updateUs);
        append(comparison.busiest.drawUs, busiest.drawUs);
        append(comparison.floorUs, floor);
    }
    probe.DrawRunningFrame();
    comparison.batches = probe.DrawBatches();
    return comparison;
}

Share MenuWaitCpuShare(GameProbe& probe, double seconds)
{
    // The menu waits inside this thread's pass: the key has to come from
    // another one, as a player's would.
    std::thread player([&probe, seconds] {
        std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
        probe.Char(ALLEGRO_KEY_I);
    });
    const double wallStart = Measure::WallSeconds();
    const double cpuStart = Measure::ProcessCpuSeconds();
    const double threadStart = Measure::ThreadCpuSeconds();
    probe.Step();
    const double wall = Measure::WallSeconds() - wallStart;
    player.join();
    return {(Measure::ProcessCpuSeconds() - cpuStart) / wall, (Measure::ThreadCpuSeconds() - threadStart) / wall};
}

Share WaitingScreenCpuShare(GameProbe& probe, double seconds)
{
    std::atomic<bool> over{false};
    std::thread timer([&probe, &over, seconds] {
        const int ticks = std::max(1, static_cast<int>(std::ceil(seconds)));
        for (int tick = 1; tick <= ticks; ++tick)
        {
            std::this_thread::sleep_for(std::chrono::seconds(1));
            over = tick == ticks; // before the last tick, which wakes the last pass
            probe.Tick();
        }
    });
    probe.SetPacing(true);
    const double wallStart = Measure::WallSeconds();
    const double cpuStart = Measure::ProcessCpuSeconds();
    const double threadStart = Measure::ThreadCpuSeconds();
    while (!over)
    {
        probe.StepAsRun();
    }
    const double wall = Measure::WallSeconds() - wallStart;
    const Share share{(Measure::ProcessCpuSeconds() - cpuStart) / wall,
                      (Measure::ThreadCpuSeconds() - threadStart) / wall};
    timer.join();
    probe.SetPacing(false);
    return share;
}

BesideFloor RoundBesideFloor(GameProbe& probe, ALLEGRO_BITMAP* background, int blocks, double blockSeconds)
{
    double nextTick = 1.0;
    return BlocksBesideFloor(probe, background, blocks, blockSeconds, [&](double roundSeconds) {
        if (roundSeconds >= nextTick)
        {
            probe.Tick();
            nextTick += 1.0;
        }
        probe.Step();
        return probe.State() == PLAYING;
    });
}

double FallSpeed(GameProbe& probe, double frameSeconds, double seconds)
{
    probe.EnterRound(2);
    probe.FinishGetReady();
    const int id = probe.Spawned().front();
    probe.ParkAllIngredients();
    probe.PlaceCook(10.0f);
    probe.PlaceIngredient(id, 700.0f, 50.0f, true);
    probe.SetPassDuration(0.0); // the round's own clock: real time
    probe.SetPacing(true);
    probe.Step();
    const double start = Measure::WallSeconds();
    const float startY = probe.Place(id)->GetY();
    while (Measure::WallSeconds() - start < seconds)
    {
        const double frameStart = Measure::WallSeconds();
        probe.Step();
        const double spent = Measure::WallSeconds() - frameStart;
        if (spent < frameSeconds)
        {
            al_rest(frameSeconds - spent);
        }
    }
    const double speed = (probe.Place(id)->GetY() - startY) / (Measure::WallSeconds() - start);
    probe.SetPacing(false);
    probe.SetPassDuration(1.0 / 60.0);
    probe.SetState(ROUND_OVER);
    probe.StepKeyDown(ALLEGRO_KEY_ENTER);
    return speed;
}

}
