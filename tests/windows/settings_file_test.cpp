#include "windows/SettingsFile.h"
#include "windows/WideText.h"

#include <allegro5/allegro.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

// The settings file on Windows' own file calls (CreateFile, ReplaceFile,
// MoveFileEx), in a folder whose name has a space and an accent.

namespace fs = std::filesystem;

namespace
{
class WindowsSettingsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(al_init());
        std::error_code ignored;
        fs::remove_all(m_folder, ignored);
    }
    void TearDown() override
    {
        std::error_code ignored;
        fs::remove_all(m_folder.parent_path(), ignored);
    }

    std::string Text() const
    {
        std::ifstream file(m_file, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    }
    void Write(const std::string& text) const
    {
        fs::create_directories(m_folder);
        std::ofstream(m_file, std::ios::binary) << text;
    }

    const fs::path m_folder = fs::temp_directory_path() / L"Jogos do Jo\u00E3o" / L"Fornalina";
    const fs::path m_file = m_folder / L"settings.cfg";
    SettingsFile m_settings{WideToUtf8(m_file.wstring())};
};
}

TEST_F(WindowsSettingsTest, SavedOneKeyAtATimeAndReadBack)
{
    EXPECT_TRUE(m_settings.Load().musicOn); // no file yet: the defaults
    ASSERT_TRUE(m_settings.Save(SettingsChange{false, std::nullopt}));
    EXPECT_EQ(Text(), "[game]\nmusic=off\n");
    ASSERT_TRUE(m_settings.Save(SettingsChange{std::nullopt, true})); // over the file now there
    const Settings read = SettingsFile(m_settings.Path()).Load();
    EXPECT_FALSE(read.musicOn);
    EXPECT_TRUE(read.fullscreen);
}

TEST_F(WindowsSettingsTest, OtherKeysAndCommentsStayAndLeftDraftsGo)
{
    Write("# mine\n[game]\nmusic=on\n[other]\nkey=value\n");
    const fs::path draft = m_folder / L"settings.cfg.tmp-AbC123";
    std::ofstream(draft) << "half";
    ASSERT_TRUE(m_settings.Save(SettingsChange{false, std::nullopt}));
    const std::string text = Text();
    for (const char* kept : {"# mine", "music=off", "[other]", "key=value"})
    {
        EXPECT_NE(text.find(kept), std::string::npos) << kept << " in " << text;
    }
    EXPECT_FALSE(fs::exists(draft));
    EXPECT_EQ(std::distance(fs::directory_iterator(m_folder), fs::directory_iterator()), 1);
}

TEST_F(WindowsSettingsTest, DamagedOrOversizedFilesMeanTheDefaults)
{
    const std::string cases[] = {
        "[game]\nmusic=maybe\n",
        "[game]\nmusic=off\n# " + std::string(64 * 1024, 'x') + "\n", // over 64 KB: not read at all
    };
    for (const std::string& text : cases)
    {
        Write(text);
        EXPECT_TRUE(SettingsFile(m_settings.Path()).Load().musicOn) << text.substr(0, 20);
    }
    // A folder in the file's place cannot be read, and is never replaced.
    fs::remove(m_file);
    fs::create_directories(m_file);
    EXPECT_TRUE(m_settings.Load().musicOn);
    EXPECT_FALSE(m_settings.Save(SettingsChange{false, std::nullopt}));
    EXPECT_TRUE(fs::is_directory(m_file));
}
