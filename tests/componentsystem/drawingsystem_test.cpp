#include "componentsystem/drawingsystem.h"

#include "componentsystem/DrawableComponent.h"
#include "componentsystem/TransformableComponent.h"
#include "componentsystem/actormanager.h"
#include "support/AllegroFixture.h"
#include "support/DrawnActor.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace
{
const Rgba BLACK{0, 0, 0, 255};
const Rgba RED{255, 0, 0, 255};
const Rgba GREEN{0, 255, 0, 255};
const Rgba BLUE{0, 0, 255, 255};
}

class DrawingSystemTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        StartAllegroForTests();
        m_red = WriteSolidPng(m_dir.File("red.png"), 10, 10, al_map_rgb(255, 0, 0));
        m_green = WriteSolidPng(m_dir.File("green.png"), 10, 10, al_map_rgb(0, 255, 0));
        m_blue = WriteSolidPng(m_dir.File("blue.png"), 10, 10, al_map_rgb(0, 0, 255));
    }

    TempDir m_dir;
    ActorManager m_manager;
    DrawingSystem m_drawing;
    std::string m_red, m_green, m_blue;
};

TEST_F(DrawingSystemTest, LaterIdsLieOnTopWhateverTheOrderOfRegistration)
{
    auto first = MakeDrawnActor(m_manager, m_red, 0, 0);
    auto second = MakeDrawnActor(m_manager, m_green, 5, 0);
    auto third = MakeDrawnActor(m_manager, m_blue, 8, 0);
    m_drawing.Add(third);
    m_drawing.Add(first);
    m_drawing.Add(second);

    MemoryCanvas canvas(40, 20);
    m_drawing.DrawAll();
    EXPECT_EQ(canvas.At(2, 5), RED);
    EXPECT_EQ(canvas.At(6, 5), GREEN);
    EXPECT_EQ(canvas.At(9, 5), BLUE);
    EXPECT_EQ(canvas.At(17, 5), BLUE);
    EXPECT_EQ(canvas.At(18, 5), BLACK);
}

TEST_F(DrawingSystemTest, HiddenActorsAndActorsWithoutATransformAreNotDrawn)
{
    auto hidden = MakeDrawnActor(m_manager, m_red, 0, 0, false);
    auto noTransform = m_manager.CreateActor("no transform");
    auto* drawable = new DrawableComponent();
    drawable->Load(m_green);
    noTransform->AddComponent(drawable);
    m_drawing.Add(hidden);
    m_drawing.Add(noTransform);

    {
        MemoryCanvas canvas(20, 20);
        m_drawing.DrawAll();
        m_drawing.Draw(1);
        m_drawing.Draw(2);
        EXPECT_EQ(canvas.At(0, 0), BLACK);
        EXPECT_EQ(canvas.At(5, 5), BLACK);
    }

    hidden->GetComponent<TransformableComponent>()->SetPosition(10, 10);
    hidden->GetComponent<TransformableComponent>()->SetVisible(true);
    MemoryCanvas canvas(20, 20);
    m_drawing.Draw(1);
    EXPECT_EQ(canvas.At(5, 5), BLACK);
    EXPECT_EQ(canvas.At(15, 15), RED);
}

TEST_F(DrawingSystemTest, DrawFromDrawsTheTailOnlyAndDrawOneActorAlone)
{
    for (int i = 0; i < 9; ++i)
    {
        m_drawing.Add(MakeDrawnActor(m_manager, i < 4 ? m_red : m_blue, static_cast<float>(i * 10), 0));
    }
    {
        MemoryCanvas canvas(100, 10);
        m_drawing.DrawFrom(5);
        for (int i = 0; i < 9; ++i)
        {
            EXPECT_EQ(canvas.At(i * 10 + 5, 5), i >= 4 ? BLUE : BLACK) << "actor " << (i + 1);
        }
    }
    {
        MemoryCanvas canvas(100, 10);
        m_drawing.DrawFrom(12);
        m_drawing.Draw(12);
        for (int i = 0; i < 9; ++i)
        {
            EXPECT_EQ(canvas.At(i * 10 + 5, 5), BLACK) << "actor " << (i + 1);
        }
    }
    MemoryCanvas canvas(100, 10);
    m_drawing.Draw(2);
    EXPECT_EQ(canvas.At(15, 5), RED);
    EXPECT_EQ(canvas.At(5, 5), BLACK);
    EXPECT_EQ(canvas.At(25, 5), BLACK);
}

TEST_F(DrawingSystemTest, ActorsThatCannotBeDrawnAreReportedOnceAndSkipped)
{
    auto good = MakeDrawnActor(m_manager, m_red, 0, 0);
    auto unloaded = MakeDrawnActor(m_manager, m_dir.File("missing.png"), 0, 0);
    auto noDrawable = m_manager.CreateActor("bare");
    auto* transform = new TransformableComponent();
    transform->SetVisible(true);
    noDrawable->AddComponent(transform);
    auto last = MakeDrawnActor(m_manager, m_blue, 10, 0);
    m_drawing.Add(good);
    m_drawing.Add(unloaded);
    m_drawing.Add(noDrawable);
    m_drawing.Add(last);

    MemoryCanvas canvas(20, 10);
    ::testing::internal::CaptureStderr();
    for (int frame = 0; frame < 3; ++frame)
    {
        m_drawing.DrawAll();
        m_drawing.Draw(2);
        m_drawing.DrawFrom(2);
    }
    const std::string report = ::testing::internal::GetCapturedStderr();

    EXPECT_EQ(canvas.At(5, 5), RED);
    EXPECT_EQ(canvas.At(15, 5), BLUE);

    const std::string loadedText = "renderDataPointer->IsLoaded()";
    const std::string presentText = "renderDataPointer != nullptr";
    const std::string source = "componentsystem/drawingsystem";
    ASSERT_NE(report.find(loadedText), std::string::npos) << report;
    EXPECT_EQ(report.find(loadedText), report.rfind(loadedText)) << "reported more than once:\n" << report;
    ASSERT_NE(report.find(presentText), std::string::npos) << report;
    EXPECT_EQ(report.find(presentText), report.rfind(presentText)) << report;
    EXPECT_NE(report.find(source), std::string::npos) << report;
    EXPECT_NE(report.find("\"bare\""), std::string::npos) << report;
    EXPECT_NE(report.find("missing.png\""), std::string::npos) << "names the actor:\n" << report;
}

TEST_F(DrawingSystemTest, RegistrationKeepsTheFirstActorAndClearReleasesTheRest)
{
    auto red = MakeDrawnActor(m_manager, m_red, 0, 0);
    m_drawing.Add(red);
    auto impostor = std::make_shared<Actor>(1, "impostor");
    auto* drawable = new DrawableComponent();
    drawable->Load(m_green);
    auto* transform = new TransformableComponent();
    transform->SetVisible(true);
    impostor->AddComponent(drawable);
    impostor->AddComponent(transform);
    m_drawing.Add(impostor);
    {
        MemoryCanvas canvas(10, 10);
        m_drawing.DrawAll();
        EXPECT_EQ(canvas.At(5, 5), RED);
    }

    std::weak_ptr<Actor> onlyRegistered = MakeDrawnActor(m_manager, m_blue, 0, 0);
    m_drawing.Add(onlyRegistered.lock());
    m_manager.Clear();
    ASSERT_FALSE(onlyRegistered.expired()) << "the registry shares the actor";
    m_drawing.Remove(99);
    m_drawing.Clear();
    EXPECT_TRUE(onlyRegistered.expired());

    MemoryCanvas canvas(10, 10);
    m_drawing.DrawAll();
    EXPECT_EQ(canvas.At(5, 5), BLACK);
}

TEST_F(DrawingSystemTest, AnActorIsDrawnWithTheImageItShowsNow)
{
    auto cook = MakeDrawnActor(m_manager, m_red, 0, 0);
    cook->GetComponent<DrawableComponent>()->LoadSecond(m_green);
    m_drawing.Add(cook);
    {
        MemoryCanvas canvas(10, 10);
        m_drawing.Draw(1);
        EXPECT_EQ(canvas.At(5, 5), RED);
    }
    cook->GetComponent<DrawableComponent>()->ShowSecond();
    MemoryCanvas canvas(10, 10);
    m_drawing.Draw(1);
    EXPECT_EQ(canvas.At(5, 5), GREEN);
}
