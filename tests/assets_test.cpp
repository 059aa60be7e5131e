// Loads every asset the way the game does and checks what the screens rely
// on: sizes, transparency, light and dark areas behind the game's text, the
// font's accents, and the lengths of the sound and the music. A missing or
// broken asset fails here instead of on the player's screen.
#include "support/AllegroFixture.h"

#include <allegro5/allegro.h>
#include <allegro5/allegro_acodec.h>
#include <allegro5/allegro_audio.h>
#include <allegro5/allegro_font.h>
#include <allegro5/allegro_ttf.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

namespace
{
const char* const kFontPath = "Assets/Fonts/orangeJuice.ttf";
const char* const kCatchSoundPath = "Assets/Music/pot-lid-1.wav";
const char* const kMusicPath = "Assets/Music/Fornalina.ogg";

class AllegroEnvironment : public ::testing::Environment
{
public:
    void SetUp() override
    {
        StartAllegroForTests();
        ASSERT_TRUE(al_init_font_addon());
        ASSERT_TRUE(al_init_ttf_addon());
        ASSERT_TRUE(al_install_audio()) << "run with ALSOFT_DRIVERS=null when headless";
        ASSERT_TRUE(al_init_acodec_addon());
        // No al_reserve_samples: loading needs no voice, and a voice starts
        // OpenAL's mixer thread, whose record Allegro 5.2.8 never frees (the
        // sanitizer build would report it as our leak).

        // No display: every bitmap below is a memory bitmap.
        al_set_new_bitmap_flags(ALLEGRO_MEMORY_BITMAP);
    }

    void TearDown() override
    {
        al_uninstall_audio();
    }
};
::testing::Environment* const kAllegro = ::testing::AddGlobalTestEnvironment(new AllegroEnvironment);

// The pixels of a bitmap as 8-bit RGBA, for area statistics.
class Pixels
{
public:
    explicit Pixels(ALLEGRO_BITMAP* bitmap)
        : m_width(al_get_bitmap_width(bitmap))
        , m_height(al_get_bitmap_height(bitmap))
        , m_data(static_cast<size_t>(m_width) * m_height * 4)
    {
        ALLEGRO_LOCKED_REGION* region =
            al_lock_bitmap(bitmap, ALLEGRO_PIXEL_FORMAT_ABGR_8888_LE, ALLEGRO_LOCK_READONLY);
        for (int y = 0; y < m_height; ++y)
        {
            const auto* row = static_cast<const uint8_t*>(region->data) + y * region->pitch;
            std::copy(row, row + m_width * 4, m_data.begin() + static_cast<size_t>(y) * m_width * 4);
        }
        al_unlock_bitmap(bitmap);
    }

    int Width() const
    {
        return m_width;
    }
    int Height() const
    {
        return m_height;
    }
    int Alpha(int x, int y) const
    {
        return At(x, y)[3];
    }
    // Perceived brightness 0–255 (the images are opaque where this is used).
    double Luma(int x, int y) const
    {
        const uint8_t* p = At(x, y);
        return 0.299 * p[0] + 0.587 * p[1] + 0.114 * p[2];
    }

private:
    const uint8_t* At(int x, int y) const
    {
        return &m_data[(static_cast<size_t>(y) * m_width + x) * 4];
    }

    int m_width;
    int m_height;
    std::vector<uint8_t> m_data;
};

struct AreaStats
{
    double minLuma = 255, maxLuma = 0, meanLuma = 0, lumaSpread = 0;
    int minAlpha = 255;
};

// Statistics over the rectangle [x0, x1) × [y0, y1).
AreaStats Measure(const Pixels& px, int x0, int y0, int x1, int y1)
{
    AreaStats s;
    double sum = 0, sumSquares = 0;
    const double n = double(x1 - x0) * (y1 - y0);
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
        {
            const double l = px.Luma(x, y);
            s.minLuma = std::min(s.minLuma, l);
            s.maxLuma = std::max(s.maxLuma, l);
            s.minAlpha = std::min(s.minAlpha, px.Alpha(x, y));
            sum += l;
            sumSquares += l * l;
        }
    s.meanLuma = sum / n;
    s.lumaSpread = std::sqrt(std::max(0.0, sumSquares / n - s.meanLuma * s.meanLuma));
    return s;
}

// ---------------------------------------------------------------- pictures

enum class Kind
{
    Scene,      // 800 × 600, opaque, drawn from the top-left corner
    Overlay,    // 800 × 600, drawn over another scene
    Cook,       // 90–110 wide, at most 135 high, transparent around her
    SoundIcon,  // at most 60 × 60, transparent corners
    Ingredient, // at most 30 × 30: the caught icons stand 30 px apart
    AppIcon,    // 256 × 256, installed under icons/hicolor/256x256
};

struct Picture
{
    std::string path;
    Kind kind;
};

void PrintTo(const Picture& picture, std::ostream* out)
{
    *out << picture.path;
}

std::vector<Picture> AllPictures()
{
    std::vector<Picture> list;
    const std::string sprites = "Assets/Sprites/";
    for (const char* name : {"Menu", "Instrucoes", "Dificuldade", "Background", "FReceita1", "FReceita2", "FReceita3",
                             "MReceita1", "MReceita2", "MReceita3", "DReceita1", "DReceita2", "DReceita3"})
        list.push_back({sprites + name + ".png", Kind::Scene});
    list.push_back({sprites + "Pause.png", Kind::Overlay});
    list.push_back({sprites + "FimDeJogo.png", Kind::Overlay});
    list.push_back({sprites + "Zuna-esquerda.png", Kind::Cook});
    list.push_back({sprites + "Zuna-direita.png", Kind::Cook});
    list.push_back({sprites + "SoundOn.png", Kind::SoundIcon});
    list.push_back({sprites + "SoundOff.png", Kind::SoundIcon});
    list.push_back({sprites + "Icone.png", Kind::AppIcon});
    for (const char* name : {"Maca",   "Laranja",         "Banana",   "Alho",     "Arroz",     "Azeite",  "Bacon",
                             "Batata", "Camarao",         "Cebola",   "Cenoura",  "Chocolate", "Farinha", "Frango",
                             "Leite",  "LeiteCondensado", "Macarrao", "Manteiga", "Ovo",       "Pao",     "Tomate"})
        list.push_back({sprites + "Ingredientes/" + name + ".png", Kind::Ingredient});
    return list;
}

class PictureFile : public ::testing::TestWithParam<Picture>
{
};

TEST_P(PictureFile, LoadsWithinItsSizeLimits)
{
    const OwnedBitmap bitmap = LoadMemoryBitmap(GetParam().path);
    ASSERT_NE(bitmap, nullptr) << GetParam().path;
    const int w = al_get_bitmap_width(bitmap.get());
    const int h = al_get_bitmap_height(bitmap.get());
    switch (GetParam().kind)
    {
    case Kind::Scene:
    case Kind::Overlay:
        EXPECT_EQ(w, 800);
        EXPECT_EQ(h, 600);
        break;
    case Kind::Cook:
        EXPECT_GE(w, 90);
        EXPECT_LE(w, 110);
        EXPECT_LE(h, 135) << "drawn at y 465 on a 600 px screen";
        break;
    case Kind::SoundIcon:
        EXPECT_LE(w, 60);
        EXPECT_LE(h, 60);
        break;
    case Kind::Ingredient:
        EXPECT_LE(w, 30);
        EXPECT_LE(h, 30);
        break;
    case Kind::AppIcon:
        EXPECT_EQ(w, 256);
        EXPECT_EQ(h, 256);
        break;
    }
}

TEST_P(PictureFile, IsOpaqueOrTransparentAsItsScreenNeeds)
{
    const OwnedBitmap bitmap = LoadMemoryBitmap(GetParam().path);
    ASSERT_NE(bitmap, nullptr) << GetParam().path;
    const Pixels px(bitmap.get());
    const int w = px.Width(), h = px.Height();
    int opaque = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            opaque += px.Alpha(x, y) == 255;
    const double opaqueShare = double(opaque) / (w * h);

    switch (GetParam().kind)
    {
    case Kind::Scene:
        EXPECT_EQ(opaque, w * h) << "a scene must cover the black the game clears to";
        break;
    case Kind::Overlay:
        EXPECT_LT(opaqueShare, 0.5) << "the scene below must stay visible";
        break;
    case Kind::Cook:
    case Kind::SoundIcon:
    case Kind::Ingredient:
    case Kind::AppIcon:
        for (const auto& [x, y] : {std::pair{0, 0}, {w - 1, 0}, {0, h - 1}, {w - 1, h - 1}})
            EXPECT_EQ(px.Alpha(x, y), 0) << "corner " << x << "," << y << " should be transparent";
        // A blank or nearly blank sprite means a drawing went missing.
        EXPECT_GT(opaqueShare, 0.15);
        break;
    }
}

INSTANTIATE_TEST_SUITE_P(Assets, PictureFile, ::testing::ValuesIn(AllPictures()),
                         [](const ::testing::TestParamInfo<Picture>& info) {
                             std::string name = std::filesystem::path(info.param.path).stem().string();
                             name.erase(std::remove(name.begin(), name.end(), '-'), name.end());
                             return name;
                         });

TEST(CookPictures, FaceOppositeWaysAsMirrorImages)
{
    const OwnedBitmap left = LoadMemoryBitmap("Assets/Sprites/Zuna-esquerda.png");
    const OwnedBitmap right = LoadMemoryBitmap("Assets/Sprites/Zuna-direita.png");
    ASSERT_NE(left, nullptr);
    ASSERT_NE(right, nullptr);
    const Pixels l(left.get()), r(right.get());
    ASSERT_EQ(l.Width(), r.Width());
    ASSERT_EQ(l.Height(), r.Height());

    int mirrored = 0, same = 0, total = 0;
    for (int y = 0; y < l.Height(); ++y)
        for (int x = 0; x < l.Width(); ++x)
        {
            ++total;
            mirrored += std::abs(l.Alpha(x, y) - r.Alpha(l.Width() - 1 - x, y)) <= 16;
            same += std::abs(l.Alpha(x, y) - r.Alpha(x, y)) <= 16;
        }
    EXPECT_GT(double(mirrored) / total, 0.99) << "the two cooks should be one drawing, mirrored";
    EXPECT_LT(double(same) / total, 0.95) << "the two cooks should not face the same way";
}

TEST(KitchenBackground, KeepsTheTextAndIconAreasLightAndCalm)
{
    const OwnedBitmap bitmap = LoadMemoryBitmap("Assets/Sprites/Background.png");
    ASSERT_NE(bitmap, nullptr);
    const Pixels px(bitmap.get());

    const AreaStats clock = Measure(px, 540, 10, 720, 95);
    EXPECT_GT(clock.minLuma, 170) << "the black clock is written here";

    const AreaStats digits = Measure(px, 330, 265, 470, 400);
    EXPECT_GT(digits.minLuma, 170) << "the black get-ready digits are written here";

    const AreaStats icons = Measure(px, 20, 8, 470, 68);
    EXPECT_GT(icons.minLuma, 170) << "the caught-ingredient icons line up here";
    EXPECT_LT(icons.lumaSpread, 8) << "a busy pattern would hide the icons";
}

TEST(GameOverPanel, IsDarkWhereTheResultIsWritten)
{
    const OwnedBitmap bitmap = LoadMemoryBitmap("Assets/Sprites/FimDeJogo.png");
    ASSERT_NE(bitmap, nullptr);
    const Pixels px(bitmap.get());
    // "Ganhou!"/"Perdeu!" in white at size 80, centred on x 400 from y 300.
    const AreaStats result = Measure(px, 240, 300, 560, 390);
    EXPECT_EQ(result.minAlpha, 255);
    EXPECT_LT(result.maxLuma, 100) << "white text needs a dark panel, with nothing light on it";
}

// -------------------------------------------------------------------- font

class GameFont : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_font.reset(al_load_font(kFontPath, 80, 0));
        m_bigFont.reset(al_load_font(kFontPath, 150, 0));
        ASSERT_NE(m_font, nullptr);
        ASSERT_NE(m_bigFont, nullptr);
    }

    OwnedFont m_font;
    OwnedFont m_bigFont;
};

TEST_F(GameFont, HasTheGlyphsOfPortugueseAndOfTheClock)
{
    EXPECT_GT(al_get_text_width(m_font.get(), "Ganhou! áéíóúãõç"), 0);
    for (const int c : {U'á', U'à', U'â', U'ã', U'é', U'ê', U'í', U'ó', U'ô', U'õ', U'ú', U'ç', U'Á', U'É', U'Ã', U'Ç'})
        EXPECT_GT(al_get_glyph_width(m_font.get(), c), 0) << "code point " << c;
    for (const char c : std::string("0123456789:!GPanhoudre"))
    {
        EXPECT_GT(al_get_glyph_width(m_font.get(), c), 0) << c;
        EXPECT_GT(al_get_glyph_width(m_bigFont.get(), c), 0) << c;
    }
}

TEST_F(GameFont, DrawsVisibleInk)
{
    // A font file can load and still draw nothing (a WOFF does): count ink.
    OwnedBitmap canvas(al_create_bitmap(400, 120));
    ASSERT_NE(canvas, nullptr);
    DrawInto(canvas.get(), [this] {
        al_clear_to_color(al_map_rgb(0, 0, 0));
        al_draw_text(m_font.get(), al_map_rgb(255, 255, 255), 200, 10, ALLEGRO_ALIGN_CENTRE, "Perdeu! ção");
    });

    const Pixels px(canvas.get());
    int ink = 0;
    for (int y = 0; y < px.Height(); ++y)
        for (int x = 0; x < px.Width(); ++x)
            ink += px.Luma(x, y) > 128;
    EXPECT_GT(ink, 2000);
}

TEST_F(GameFont, ClockAndResultFitTheirPlaces)
{
    // The clock's right edge is at x 710; it must end before the icon row (x 470).
    int widest = 0;
    for (int s = 0; s <= 60; ++s)
    {
        const std::string text = s == 60 ? "1:00" : "0:" + std::string(s < 10 ? "0" : "") + std::to_string(s);
        widest = std::max(widest, al_get_text_width(m_font.get(), text.c_str()));
    }
    EXPECT_LT(widest, 710 - 470);
    // The result is centred at x 400 on the dark panel.
    EXPECT_LT(al_get_text_width(m_font.get(), "Ganhou!"), 380);
    EXPECT_LT(al_get_text_width(m_font.get(), "Perdeu!"), 380);
}

// ------------------------------------------------------------------- sound

TEST(CatchSound, IsAShortSample)
{
    ALLEGRO_SAMPLE* sample = al_load_sample(kCatchSoundPath);
    ASSERT_NE(sample, nullptr);
    const double seconds = double(al_get_sample_length(sample)) / al_get_sample_frequency(sample);
    EXPECT_GT(seconds, 0.1);
    EXPECT_LT(seconds, 1.0) << "each catch plays it; it must not drag on";
    al_destroy_sample(sample);
}

TEST(Music, StreamsForHalfAMinuteToAMinuteAndAHalf)
{
    ALLEGRO_AUDIO_STREAM* stream = al_load_audio_stream(kMusicPath, 4, 1024);
    ASSERT_NE(stream, nullptr);
    const double seconds = al_get_audio_stream_length_secs(stream);
    EXPECT_GE(seconds, 30.0);
    EXPECT_LE(seconds, 90.0);
    al_destroy_audio_stream(stream);
    EXPECT_LT(std::filesystem::file_size(kMusicPath), 1500u * 1024u);
}
} // namespace
