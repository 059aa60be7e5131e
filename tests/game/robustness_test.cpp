#include "support/Clock.h"
#include "support/GameFixture.h"
#include "support/Text.h"

#include "content/SceneActors.h"

#include <allegro5/allegro.h>

#include <filesystem>
#include <string>
#include <vector>

// Frame pacing, and pictures that fail to load.

namespace fs = std::filesystem;

TEST_F(GameTest, PacedFramesComeAtMostSixtyASecondAndTickNothing)
{
    m_probe->EnterRound(0);
    m_probe->FinishGetReady();
    m_probe->SetPacing(true);
    const int frames = 31;
    const double start = Now();
    for (int frame = 0; frame < frames; ++frame)
    {
        m_probe->Step();
    }
    EXPECT_GE(Now() - start, (frames - 1) / 60.0);
    // Only the one-second timer counts: paced frames move neither clock nor releases.
    EXPECT_EQ(m_probe->Minutes(), 1);
    EXPECT_EQ(m_probe->NextRelease(), 1);
}

TEST_F(GameTest, BrokenIngredientPicturesAreReportedOnceNotDrawnNorCaught)
{
    // The easy recipe 0: Leite, Ovo, Farinha, Ovo, Chocolate.
    const std::string ovo = "Assets/Sprites/Ingredientes/Ovo.png";
    const std::string farinha = "Assets/Sprites/Ingredientes/Farinha.png";
    fs::remove(ovo);
    fs::resize_file(farinha, fs::file_size(farinha) / 2);

    testing::internal::CaptureStderr();
    EXPECT_TRUE(m_probe->EnterRecipe(0));
    m_probe->FinishGetReady();
    const std::vector<int> ids = m_probe->Spawned();
    EXPECT_EQ(m_probe->Names({ids[0], ids[1], ids[2], ids[3]}),
              (std::vector<std::string>{"Leite", "Ovo", "Farinha", "Ovo"}));
    m_probe->ParkAllIngredients();
    for (int i = 0; i < 3; ++i)
    {
        m_probe->PlaceIngredient(ids[i], 340.0f + 30.0f * i, 465.0f, true);
    }
    m_probe->PlaceIngredient(ids[3], 100.0f, 300.0f, true);
    StepAndCapture();
    StepAndCapture();
    const std::string errors = testing::internal::GetCapturedStderr();

    EXPECT_EQ(m_probe->Caught(), std::vector<int>{ids[0]});
    EXPECT_EQ(Pixel(110, 310), FixtureArt::BACKGROUND);
    EXPECT_EQ(Occurrences(errors, ovo), 1) << errors;
    EXPECT_EQ(Occurrences(errors, farinha), 1) << errors;
    EXPECT_EQ(Occurrences(errors, "Leite.png"), 0) << errors;
}

TEST_F(GameTest, AMissingBackgroundIsReportedOnceAndTheGameGoesOn)
{
    const std::string background = "Assets/Sprites/Background.png";
    fs::remove(background);
    testing::internal::CaptureStderr();
    // A new game loads the scene's pictures again, twice here.
    for (int round = 0; round < 2; ++round)
    {
        GoTo(ROUND_OVER);
        m_probe->StepKeyDown(ALLEGRO_KEY_ENTER);
    }
    m_probe->EnterRound(1);
    StepAndCapture();
    EXPECT_EQ(Pixel(10, 590), (Rgba{0, 0, 0, 255}));
    EXPECT_EQ(Pixel(360, 500), FixtureArt::COOK_LEFT);
    m_probe->FinishGetReady();
    StepAndCapture();
    EXPECT_EQ(Pixel(10, 590), (Rgba{255, 255, 255, 255}));
    const std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_EQ(Occurrences(errors, background), 1) << errors;
}
