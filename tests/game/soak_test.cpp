#include "support/GameFixture.h"

#include "SoakPlayer.h"

// Random input through whole games: every pass must leave the round's lists
// and every ingredient's condition consistent. The benchmark plays the long
// version; this one is short enough for every test run.
TEST_F(GameTest, RandomGamesKeepTheRoundConsistent)
{
    for (unsigned seed : {11u, 12u})
    {
        SoakPlayer player(*m_probe, seed);
        EXPECT_EQ(player.PlayRounds(6, 3), "") << "seed " << seed;
        EXPECT_EQ(player.RoundsPlayed(), 6);
    }
}
