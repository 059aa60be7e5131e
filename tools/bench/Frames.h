#pragma once

#include "GameProbe.h"

#include <allegro5/allegro.h>

#include <vector>

// Frame costs and CPU shares of the running game, beside the drawing floor:
// a loop that only clears, draws the full-screen background and flips.
namespace Frames
{
struct Costs
{
    std::vector<double> updateUs; // CPU of the round update, this thread
    std::vector<double> drawUs;   // CPU of drawing and flipping, every thread
};

// Takes the game from the title menu into the busiest round there is: the
// hard recipe with 21 ingredients, all falling, 30 icons, after a pause and a
// resume. The cook stands aside so that nothing is caught while timing.
// Returns how many picture files were read once the round had begun.
long EnterBusiestRound(GameProbe& probe);
// Times frames of that round, unpaced, keeping every ingredient in play.
Costs TimeBusiestFrames(GameProbe& probe, int frames);
// CPU per frame of the floor loop, unpaced, in microseconds.
std::vector<double> TimeFloorFrames(ALLEGRO_BITMAP* background, int frames);

// The busiest frames and the floor timed in alternating short blocks, so that
// whatever else the machine does weighs on both alike.
struct Comparison
{
    Costs busiest;                   // every busiest frame timed
    std::vector<double> floorUs;     // every floor frame timed
    std::vector<double> blockRatios; // per block: busiest (update + draw) over floor, medians
    int batches = 0;                 // image batches in a busiest frame's drawing
};
Comparison CompareBusiestWithFloor(GameProbe& probe, ALLEGRO_BITMAP* background, int blocks, int framesPerBlock);

// Shares of one core (0..1) over a span of wall time, frames paced at 60 a second.
struct Share
{
    double process;    // every thread of the process
    double mainThread; // the game's own thread
};
// While the title menu waits for a key (I, to the instructions) that comes
// after `seconds`.
Share MenuWaitCpuShare(GameProbe& probe, double seconds);
// While another screen that waits for the player (instructions, difficulty,
// recipe, pause, result) sits idle for `seconds`: the game's own passes, woken
// by a tick from another thread each second, as the game's timer sends them.
Share WaitingScreenCpuShare(GameProbe& probe, double seconds);

// Paced passes of a running round, with a tick every second of the round's
// time, in turn with the paced floor loop on the same display, `blocks` blocks
// of each.
struct BesideFloor
{
    double screen; // share of one core (0..1), all its blocks together
    double floor;
    double ratio;           // median over the blocks of the screen's share over the floor's beside it
    double framesPerSecond; // of the screen
};
BesideFloor RoundBesideFloor(GameProbe& probe, ALLEGRO_BITMAP* background, int blocks, double blockSeconds);

// How fast an ingredient falls, in pixels per second of wall time, in a hard
// round paced at 60 frames a second with each frame taking at least
// frameSeconds (0: as fast as the pacing allows).
double FallSpeed(GameProbe& probe, double frameSeconds, double seconds);
}
