#include "desktop/Settings.h"

#include "support/AllegroFixture.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>

// The settings file: remembered between launches, written whole or not at all,
// and never a reason for the game to stop.

namespace fs = std::filesystem;

namespace
{
std::string Contents(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

class SettingsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        StartAllegroForTests();
    }

    // Load or Save, with what it wrote on standard error.
    template <typename Call>
    std::string ErrorsOf(Call call)
    {
        testing::internal::CaptureStderr();
        call();
        return testing::internal::GetCapturedStderr();
    }

    TempDir m_dir;
    std::string m_path = m_dir.File("fornalina/settings.cfg");
};
}

TEST_F(SettingsTest, ComeBackAsTheyWereSavedAndStartAsDefaults)
{
    SettingsFile file(m_path);
    Settings loaded;
    EXPECT_EQ(ErrorsOf([&] { loaded = file.Load(); }), "") << "a first launch has nothing to report";
    EXPECT_TRUE(loaded.musicOn);
    EXPECT_FALSE(loaded.fullscreen);

    for (const Settings saved : {Settings{false, true}, Settings{true, false}, Settings{false, false}})
    {
        ASSERT_TRUE(file.Save(saved));
        const Settings again = SettingsFile(m_path).Load();
        EXPECT_EQ(again.musicOn, saved.musicOn);
        EXPECT_EQ(again.fullscreen, saved.fullscreen);
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(fs::path(m_path).parent_path()), fs::directory_iterator()), 1)
        << "nothing but the settings file is left behind";
}

TEST_F(SettingsTest, ADamagedOrUnreadableFileMeansDefaultsAndOneReport)
{
    fs::create_directories(fs::path(m_path).parent_path());
    const std::string cases[] = {
        "[game]\nmusic = off\nfullscreen = maybe\n",
        "[game]\nmusic = banana\n",
        std::string("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16),
    };
    for (const std::string& contents : cases)
    {
        std::ofstream(m_path, std::ios::binary | std::ios::trunc) << contents;
        SettingsFile file(m_path);
        Settings loaded{false, true};
        const std::string errors = ErrorsOf([&] {
            loaded = file.Load();
            file.Load();
        });
        EXPECT_TRUE(loaded.musicOn) << contents;
        EXPECT_FALSE(loaded.fullscreen) << contents;
        EXPECT_EQ(errors, "Configura\xE7\xF5"
                          "es n\xE3o lidas (arquivo danificado): " +
                              m_path + "\n")
            << contents;
    }

    fs::remove(m_path);
    fs::create_directory(m_path); // a folder where the file should be
    SettingsFile file(m_path);
    const std::string errors = ErrorsOf([&] { file.Load(); });
    EXPECT_EQ(errors, "Configura\xE7\xF5"
                      "es n\xE3o lidas (arquivo ileg\xEDvel): " +
                          m_path + "\n");
}

TEST_F(SettingsTest, AnUnwritableFolderIsReportedOnceAndTheGameGoesOn)
{
    // A file where the settings folder should be: nothing can be made in it,
    // not even by root.
    std::ofstream(fs::path(m_path).parent_path().string()) << "in the way";
    SettingsFile file(m_path);
    const std::string errors = ErrorsOf([&] {
        EXPECT_FALSE(file.Save(Settings{false, false}));
        EXPECT_FALSE(file.Save(Settings{true, false}));
    });
    EXPECT_EQ(errors, "Configura\xE7\xF5"
                      "es n\xE3o salvas: " +
                          m_path + "\n");
}

TEST_F(SettingsTest, AnInterruptedWriteLeavesTheOldFileWhole)
{
    SettingsFile file(m_path);
    ASSERT_TRUE(file.Save(Settings{false, true}));
    const std::string before = Contents(m_path);

    // The new file cannot be written where the save writes it first.
    const std::string draft = m_path + "." + std::to_string(getpid()) + ".tmp";
    fs::create_directory(draft);
    testing::internal::CaptureStderr();
    EXPECT_FALSE(file.Save(Settings{true, false}));
    testing::internal::GetCapturedStderr();

    EXPECT_EQ(Contents(m_path), before);
    const Settings kept = SettingsFile(m_path).Load();
    EXPECT_FALSE(kept.musicOn);
    EXPECT_TRUE(kept.fullscreen);
}
