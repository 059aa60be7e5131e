#pragma once

#include "GameProbe.h"

#include <random>
#include <string>

// Plays whole games in fast-forward with random input: every key (the listed
// ones and others, as character and key-down events), random timer ticks and
// random catches, through many rounds and new games. After every pass it checks
// that the game's bookkeeping holds together. It never closes the window nor
// presses a key that quits, so the game runs until the wanted rounds are over.
// Since fast-forward leaves ingredients little time to fall, it also moves
// some of them onto the cook (a catch) or down to the floor (a recycle).
class SoakPlayer
{
public:
    SoakPlayer(GameProbe& probe, unsigned seed);

    // Plays until `rounds` more rounds have reached the result screen. A tick
    // comes on average every framesPerTick passes of a running round. Returns
    // "" when every check held, or what broke first.
    std::string PlayRounds(int rounds, int framesPerTick);

    // Checks the game as it stands; "" when all is well.
    std::string CheckInvariants() const;

    int RoundsPlayed() const
    {
        return m_roundsPlayed;
    }
    long PassesPlayed() const
    {
        return m_passes;
    }

private:
    void PlayPass(int framesPerTick);
    void QueueRandomKeys(int count, bool allowQuitKeys);
    void MoveSomething();
    int Pick(int low, int high);

    GameProbe& m_probe;
    std::mt19937 m_random;
    int m_roundsPlayed = 0;
    long m_passes = 0;
};
