#pragma once

// The arithmetic of a round, apart from the Game that holds its state, so that
// each rule can be read and tested on its own.
namespace RoundRules
{
// Width of the picture the game draws, in pixels.
constexpr int PICTURE_WIDTH = 800;

// The highest column at which an ingredient of that width may appear: it is
// whole on screen and within the cook's reach. A picture that did not load
// (width 0) keeps to the last column.
constexpr int LastSpawnColumn(int pictureWidth)
{
    return pictureWidth <= 0 ? PICTURE_WIDTH - 1
                             : (pictureWidth >= PICTURE_WIDTH ? 0 : PICTURE_WIDTH - pictureWidth);
}

// A column from 0 to LastSpawnColumn(pictureWidth), from one random draw.
constexpr int SpawnColumn(int randomDraw, int pictureWidth)
{
    return randomDraw % (LastSpawnColumn(pictureWidth) + 1);
}

// The round advances in fixed steps of 1/60 s, whatever the frame rate.
constexpr double UPDATE_STEP = 1.0 / 60.0;
// A pass runs at most this many steps: a long stall never teleports anything.
constexpr int MAX_UPDATES_PER_PASS = 4;
// Frames paced at 60 a second jitter by a millisecond or two; within this much
// of a whole step they still get exactly one update each, and the difference
// is carried so that no time is lost or gained.
constexpr double STEP_TOLERANCE = 0.002;

struct StepsOwed
{
    int steps;
    double carry; // time already counted ahead (negative) or still owed
};

// The update steps owed after `elapsed` seconds, given what was carried from
// the last pass.
StepsOwed UpdateStepsOwed(double elapsed, double carry);
}
