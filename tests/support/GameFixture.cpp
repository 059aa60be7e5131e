#include "support/GameFixture.h"

#include "content/IngredientCatalogue.h"
#include "content/RecipeCatalogue.h"
#include "content/SceneActors.h"
#include "desktop/Settings.h"
#include "desktop/SettingsPath.h"
#include "support/DisplayCheck.h"

#include <allegro5/allegro.h>
#include <allegro5/allegro_font.h>

#include <array>
#include <filesystem>
#include <unistd.h>

namespace fs = std::filesystem;

namespace
{
ALLEGRO_COLOR ToColour(Rgba rgba)
{
    return al_map_rgba(rgba.r, rgba.g, rgba.b, rgba.a);
}
}

namespace FixtureArt
{
Rgba RecipeCard(int index)
{
    return {static_cast<unsigned char>(20 + 20 * index), 220, 20, 255};
}

Rgba Ingredient(int catalogueIndex)
{
    return {static_cast<unsigned char>(10 + 10 * catalogueIndex), 60, 200, 255};
}

int CatalogueIndex(const std::string& name)
{
    for (std::size_t i = 0; i < IngredientCatalogue().size(); ++i)
    {
        if (name == IngredientCatalogue()[i].name)
        {
            return static_cast<int>(i);
        }
    }
    return -1;
}

void WriteAssets(const std::string& root)
{
    const std::string sprites = root + "/Assets/Sprites/";
    fs::create_directories(sprites + "Ingredientes");
    fs::create_directories(root + "/Assets/Fonts");
    fs::create_directories(root + "/Assets/Music");
    for (const char* file : {"Fonts/orangeJuice.ttf", "Music/pot-lid-1.wav", "Music/Fornalina.ogg"})
    {
        fs::copy_file(std::string("Assets/") + file, root + "/Assets/" + file);
    }

    // The scene's pictures where the game looks for them, each of its own colour.
    auto write = [&root](const char* path, int width, int height, Rgba colour) {
        WriteSolidPng(root + "/" + path, width, height, ToColour(colour));
    };
    auto plan = [](ActorId id) { return SceneActorPlans()[id - 1]; };
    write(plan(SceneActor::BACKGROUND).firstImage, 800, 600, BACKGROUND);
    write(plan(SceneActor::COOK).firstImage, COOK_LEFT_WIDTH, COOK_HEIGHT, COOK_LEFT);
    write(plan(SceneActor::COOK).secondImage, COOK_RIGHT_WIDTH, COOK_HEIGHT, COOK_RIGHT);
    write(plan(SceneActor::PAUSE).firstImage, 800, 100, PAUSE);
    write(plan(SceneActor::GAME_OVER).firstImage, 800, 600, GAME_OVER);
    write(plan(SceneActor::DIFFICULTY).firstImage, 800, 600, DIFFICULTY);
    write(plan(SceneActor::INSTRUCTION).firstImage, 800, 600, INSTRUCTIONS);
    write(plan(SceneActor::SOUND).firstImage, 40, 40, SOUND_ON);
    write(plan(SceneActor::SOUND).secondImage, 40, 40, SOUND_OFF);
    // The title menu's picture shares the sound icons.
    WriteSolidPng(sprites + "Menu.png", 800, 600, ToColour(MENU));
    WriteSolidPng(sprites + "Icone.png", 64, 64, ToColour(MENU)); // the window's, never drawn
    for (std::size_t i = 0; i < RecipeCatalogue().size(); ++i)
    {
        WriteSolidPng(root + "/" + RecipeCatalogue()[i].cardPath, 800, 600, ToColour(RecipeCard(static_cast<int>(i))));
    }
    for (std::size_t i = 0; i < IngredientCatalogue().size(); ++i)
    {
        WriteSolidPng(root + "/" + IngredientCatalogue()[i].spritePath, INGREDIENT_SIZE, INGREDIENT_SIZE,
                      ToColour(Ingredient(static_cast<int>(i))));
    }
}
}

namespace
{
// Encoding the kitchen's PNGs costs more than most tests: it is written once
// per build of the test program, beside it, and copied into each test's folder.
// A new build writes it anew, since the pictures may have changed.
std::string TestKitchen()
{
    std::error_code error;
    const fs::path program = fs::read_symlink("/proc/self/exe", error);
    const auto built = static_cast<unsigned long long>(fs::last_write_time(program, error).time_since_epoch().count());
    const fs::path kitchens = program.parent_path() / "test-kitchen";
    const fs::path kitchen = kitchens / std::to_string(built);
    if (!fs::exists(kitchen / "Assets", error))
    {
        // Written aside and renamed into place, so that tests running side by
        // side never see half a kitchen.
        fs::create_directories(kitchens, error);
        const fs::path draft = kitchens / ("draft-" + std::to_string(getpid()));
        fs::remove_all(draft, error);
        FixtureArt::WriteAssets(draft.string());
        fs::rename(draft, kitchen, error);
        fs::remove_all(draft, error); // another test was first
        for (const fs::directory_entry& old : fs::directory_iterator(kitchens, error))
        {
            if (old.path() != kitchen && old.path().filename().string().rfind("draft-", 0) != 0)
            {
                fs::remove_all(old.path(), error);
            }
        }
    }
    return kitchen.string();
}
}

void GameTest::SetUp()
{
    SKIP_WITHOUT_DISPLAY();
    StartAllegroForTests();
    ASSERT_FALSE(m_dir.Path().empty());
    fs::copy(TestKitchen(), m_dir.Path(), fs::copy_options::recursive);
    // The game's own settings file, never the user's.
    setenv("XDG_CONFIG_HOME", m_dir.File("config").c_str(), 1);
    ASSERT_TRUE(fs::is_regular_file(m_dir.File("Assets/Sprites/Background.png")));
    m_previousDirectory = fs::current_path().string();
    fs::current_path(m_dir.Path());

    m_game = std::make_unique<Game>();
    UseSettingsFile(UserSettingsPath());
    m_probe = std::make_unique<GameProbe>(*m_game);
    ASSERT_TRUE(m_probe->Start()) << "the game did not start: is there an X server (xvfb-run -a)?";
    ASSERT_EQ(m_probe->State(), TITLE_MENU);
}

void GameTest::TearDown()
{
    if (m_capture != nullptr)
    {
        al_destroy_bitmap(m_capture);
        m_capture = nullptr;
    }
    m_probe.reset();
    m_game.reset();
    if (!m_previousDirectory.empty())
    {
        fs::current_path(m_previousDirectory);
    }
}

void GameTest::GoTo(int state)
{
    switch (state)
    {
    case INSTRUCTIONS:
        m_probe->StepChar(ALLEGRO_KEY_I);
        break;
    case CHOOSE_DIFFICULTY:
        m_probe->StepChar(ALLEGRO_KEY_ENTER);
        break;
    case SHOW_RECIPE:
        m_probe->ChooseDifficulty(0);
        break;
    case PLAYING:
        m_probe->EnterRound(0);
        break;
    case PAUSED:
        m_probe->EnterRound(0);
        m_probe->FinishGetReady();
        m_probe->StepTick();
        m_probe->StepTick();
        m_probe->StepChar(ALLEGRO_KEY_P);
        break;
    case ROUND_OVER:
        m_probe->EnterRound(0);
        m_probe->FinishGetReady();
        m_probe->SetClock(0, 1);
        m_probe->StepTick();
        break;
    default:
        break;
    }
    ASSERT_EQ(m_probe->State(), state);
}

void GameTest::StepAndCapture()
{
    Capture([this] { m_probe->Step(); });
}

void GameTest::Capture(const std::function<void()>& pass)
{
    if (m_capture == nullptr)
    {
        m_capture = al_create_bitmap(800, 600);
    }
    DrawInto(m_capture, [&pass] {
        al_clear_to_color(al_map_rgb(1, 2, 3)); // shows where a frame draws nothing
        pass();
    });
}

ALLEGRO_BITMAP* GameTest::Frame() const
{
    return m_capture;
}

Rgba GameTest::Pixel(int x, int y) const
{
    return PixelAt(Frame(), x, y);
}

int GameTest::CountPixels(int left, int top, int width, int height, Rgba colour) const
{
    return ::CountPixels(Frame(), {left, top, width, height}, colour);
}

int GameTest::ResultTextMismatch(const char* text) const
{
    const OwnedFont font(al_load_font("Assets/Fonts/orangeJuice.ttf", 80, 0));
    const OwnedBitmap expected(al_create_bitmap(800, 600));
    DrawInto(expected.get(), [&] {
        al_clear_to_color(ToColour(FixtureArt::GAME_OVER));
        al_draw_text(font.get(), al_map_rgb(255, 255, 255), 400.0f, 300.0f, ALLEGRO_ALIGN_CENTRE, text);
    });
    // White or not white: the text's edges are blended with the panel.
    return PixelMismatches(expected.get(), Frame(), {0, 280, 800, 140}, [](Rgba wanted, Rgba shown) {
        const Rgba white{255, 255, 255, 255};
        return (wanted == white) == (shown == white);
    });
}

std::vector<int> GameTest::Icons() const
{
    std::vector<int> icons;
    const std::vector<int> spawned = m_probe->Spawned();
    for (int id = spawned.empty() ? 0 : spawned.back() + 1; id > 0 && m_probe->GetActor(id) != nullptr; ++id)
    {
        icons.push_back(id);
    }
    return icons;
}

Rgba GameTest::Shown(ActorId id) const
{
    return PixelAt(m_probe->Look(id)->GetBitmap(), 0, 0);
}
