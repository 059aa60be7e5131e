#include "desktop/FileReplacement.h"
#include "desktop/Settings.h"

#include "support/AllegroFixture.h"
#include "support/Clock.h"
#include "support/TempDir.h"
#include "support/Text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <vector>

// The settings file: remembered between launches, written whole or not at all,
// one key at a time over what is there, and never a reason for the game to stop.

namespace fs = std::filesystem;

namespace
{
const std::string DAMAGED = "Configura\xE7\xF5"
                            "es n\xE3o lidas (arquivo danificado): ";
const std::string UNREADABLE = "Configura\xE7\xF5"
                               "es n\xE3o lidas (arquivo ileg\xEDvel): ";

class SettingsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        StartAllegroForTests();
        fs::create_directories(m_folder);
    }

    // Load or Save, with what it wrote on standard error.
    template <typename Call>
    std::string ErrorsOf(Call call)
    {
        testing::internal::CaptureStderr();
        call();
        return testing::internal::GetCapturedStderr();
    }

    // Everything in the settings folder but the settings file.
    std::vector<std::string> OthersInFolder() const
    {
        std::vector<std::string> names;
        for (const fs::directory_entry& entry : fs::directory_iterator(m_folder))
        {
            if (entry.path() != m_path)
            {
                names.push_back(entry.path().filename().string());
            }
        }
        return names;
    }

    TempDir m_dir;
    std::string m_folder = m_dir.File("fornalina");
    std::string m_path = m_folder + "/settings.cfg";
};
}

TEST_F(SettingsTest, ComeBackAsTheyWereSavedAndStartAsDefaults)
{
    fs::remove(m_folder); // made by the first save
    SettingsFile file(m_path);
    Settings loaded;
    EXPECT_EQ(ErrorsOf([&] { loaded = file.Load(); }), "") << "a first launch has nothing to report";
    EXPECT_TRUE(loaded.musicOn);
    EXPECT_FALSE(loaded.fullscreen);

    for (const SettingsChange change : {SettingsChange{false, true}, SettingsChange{true, false},
                                        SettingsChange{false, std::nullopt}, SettingsChange{std::nullopt, true}})
    {
        ASSERT_TRUE(file.Save(change));
        const Settings again = SettingsFile(m_path).Load();
        EXPECT_EQ(again.musicOn, change.musicOn.value_or(false));
        EXPECT_EQ(again.fullscreen, change.fullscreen.value_or(false));
    }
    EXPECT_TRUE(OthersInFolder().empty()) << "nothing but the settings file is left behind";
}

TEST_F(SettingsTest, WhatAFileHoldsAndWhatIsReported)
{
    struct Case
    {
        std::string contents;
        Settings expected;
        bool damaged;
    };
    const std::string large = "[game]\nmusic=off\n# " + std::string(64 * 1024, 'x') + "\n";
    const Case cases[] = {
        {"\xEF\xBB\xBF[game]\nmusic=off\nfullscreen=on\n", {false, true}, false}, // a byte-order mark
        {"# mine\n[game]\nfullscreen=on\n", {true, true}, false},
        {"[game]\nmusic = off\nfullscreen = maybe\n", {}, true},
        {"[game]\nmusic = banana\n", {}, true},
        {std::string("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16), {}, true},
        {large, {}, true}, // over 64 KB, though well formed
    };
    for (const Case& c : cases)
    {
        WriteFileContents(m_path, c.contents);
        SettingsFile file(m_path);
        Settings loaded{!c.expected.musicOn, !c.expected.fullscreen};
        const std::string errors = ErrorsOf([&] {
            loaded = file.Load();
            file.Load();
        });
        const std::string shown = c.contents.substr(0, 40);
        EXPECT_EQ(loaded.musicOn, c.expected.musicOn) << shown;
        EXPECT_EQ(loaded.fullscreen, c.expected.fullscreen) << shown;
        EXPECT_EQ(errors, c.damaged ? DAMAGED + m_path + "\n" : "") << shown;
    }
}

TEST_F(SettingsTest, AnUnreadableFileMeansDefaultsAndOneReport)
{
    const std::function<void()> unreadable[] = {
        [&] { fs::create_directory(m_path); },                          // a folder where the file should be
        [&] { fs::create_symlink(m_dir.File("nowhere.cfg"), m_path); }, // a link to nothing
        [&] { fs::create_symlink(m_path, m_path); },                    // a link to itself
        [&] { fs::create_symlink("settings.cfg", m_path); },            // the same, relative
        [&] {
            fs::create_symlink(m_dir.File("loop"), m_path); // a loop of two
            fs::create_symlink(m_path, m_dir.File("loop"));
        },
    };
    for (const auto& make : unreadable)
    {
        fs::remove_all(m_path);
        fs::remove(m_dir.File("loop"));
        make();
        SettingsFile file(m_path);
        Settings loaded{false, true};
        const std::string errors = ErrorsOf([&] {
            loaded = file.Load();
            file.Load();
        });
        EXPECT_TRUE(loaded.musicOn);
        EXPECT_FALSE(loaded.fullscreen);
        EXPECT_EQ(errors, UNREADABLE + m_path + "\n");
    }
}

TEST_F(SettingsTest, AnUnwritableFolderIsReportedOnceAndTheGameGoesOn)
{
    // A file where the settings folder should be: nothing can be made in it,
    // not even by root.
    fs::remove(m_folder);
    WriteFileContents(m_folder, "in the way");
    SettingsFile file(m_path);
    const std::string errors = ErrorsOf([&] {
        EXPECT_FALSE(file.Save(SettingsChange{false, false}));
        EXPECT_FALSE(file.Save(SettingsChange{true, false}));
    });
    EXPECT_EQ(errors, "Configura\xE7\xF5"
                      "es n\xE3o salvas: " +
                          m_path + "\n");
}

TEST_F(SettingsTest, AFailedWriteLeavesTheOldFileWholeAndNoDraft)
{
    SettingsFile file(m_path);
    ASSERT_TRUE(file.Save(SettingsChange{false, true}));
    const std::string before = FileContents(m_path);

    // A disk that fills up: no file may grow past a few bytes.
    rlimit limit;
    getrlimit(RLIMIT_FSIZE, &limit);
    const rlimit small{8, limit.rlim_max};
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &small);
    const std::string errors = ErrorsOf([&] { EXPECT_FALSE(file.Save(SettingsChange{true, false})); });
    setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(errors.empty());
    EXPECT_EQ(FileContents(m_path), before);
    EXPECT_TRUE(OthersInFolder().empty());
}

TEST_F(SettingsTest, DraftsAreNeverPlantedLinksAndDraftsLeftBehindGo)
{
    const std::string precious = m_dir.File("precious");
    WriteFileContents(precious, "precious");
    // At the name an earlier save used to draft in, and at one of today's.
    const std::string oldDraft = m_path + "." + std::to_string(getpid()) + ".tmp";
    fs::create_symlink(precious, oldDraft);
    fs::create_symlink(precious, m_path + ".tmp-AAAAAA");
    WriteFileContents(m_path + ".tmp-Zz9Zz9", "[game]\nmus"); // a save killed half-way
    WriteFileContents(m_path + ".backup", "the player's own");

    ASSERT_TRUE(SettingsFile(m_path).Save(SettingsChange{false, std::nullopt}));
    EXPECT_FALSE(SettingsFile(m_path).Load().musicOn);
    EXPECT_EQ(FileContents(precious), "precious");
    std::vector<std::string> others = OthersInFolder();
    std::sort(others.begin(), others.end());
    EXPECT_EQ(others, (std::vector<std::string>{fs::path(oldDraft).filename().string(), "settings.cfg.backup"}));

    const std::pair<std::string, bool> names[] = {
        {"settings.cfg.tmp-a1B2c3", true},  {"settings.cfg.tmp-a1B2c", false}, {"settings.cfg.tmp-a1B2c34", false},
        {"settings.cfg.tmp-a1B2.3", false}, {"settings.cfg.backup", false},    {"other.cfg.tmp-a1B2c3", false},
    };
    for (const auto& [name, draft] : names)
    {
        EXPECT_EQ(IsDraftName(name, "settings.cfg"), draft) << name;
    }
}

TEST_F(SettingsTest, SavingKeepsTheModeAndWritesThroughALink)
{
    WriteFileContents(m_path, "[game]\nmusic=on\n");
    fs::permissions(m_path, fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_TRUE(SettingsFile(m_path).Save(SettingsChange{false, std::nullopt}));
    EXPECT_EQ(fs::status(m_path).permissions(), fs::perms::owner_read | fs::perms::owner_write);

    // A dotfiles folder: the link stays, the file it leads to is replaced
    // there, and a link to a file not made yet makes it.
    fs::create_directories(m_dir.File("dotfiles"));
    for (const bool existing : {true, false})
    {
        const std::string real = m_dir.File("dotfiles/fornalina.cfg");
        fs::remove(m_path);
        fs::remove(real);
        if (existing)
        {
            WriteFileContents(real, "[game]\nfullscreen=on\n");
        }
        fs::create_symlink("../dotfiles/fornalina.cfg", m_path);
        ASSERT_TRUE(SettingsFile(m_path).Save(SettingsChange{false, std::nullopt})) << existing;
        EXPECT_TRUE(fs::is_symlink(m_path));
        EXPECT_TRUE(Holds(FileContents(real), "music=off"));
        EXPECT_EQ(Holds(FileContents(real), "fullscreen=on"), existing);
        EXPECT_EQ(std::distance(fs::directory_iterator(m_dir.File("dotfiles")), fs::directory_iterator()), 1);
    }
}

TEST_F(SettingsTest, ASaveChangesItsKeyOverWhatTheFileHoldsNow)
{
    WriteFileContents(m_path, "# the player's note\n[window]\nscale=2\n[game]\nmusic=on\nfullscreen=off\n");
    // Two games, started before either saves.
    SettingsFile first(m_path);
    SettingsFile second(m_path);
    first.Load();
    second.Load();
    ASSERT_TRUE(first.Save(SettingsChange{std::nullopt, true}));
    ASSERT_TRUE(second.Save(SettingsChange{false, std::nullopt}));
    const Settings both = SettingsFile(m_path).Load();
    EXPECT_FALSE(both.musicOn);
    EXPECT_TRUE(both.fullscreen) << "one game's switch undid the other's";
    const std::string text = FileContents(m_path);
    EXPECT_TRUE(Holds(text, "# the player's note") && Holds(text, "[window]") && Holds(text, "scale=2")) << text;

    // At the same moment: one game saves while the other saves again and
    // again. Each save reads and replaces in one turn, so none is undone.
    ASSERT_TRUE(first.Save(SettingsChange{true, std::nullopt}));
    std::thread fullscreen([&] {
        for (int save = 0; save < 40; ++save)
        {
            second.Save(SettingsChange{std::nullopt, save % 2 == 0});
        }
    });
    Sleep(0.02);
    ASSERT_TRUE(first.Save(SettingsChange{false, std::nullopt}));
    fullscreen.join();
    const Settings last = SettingsFile(m_path).Load();
    EXPECT_FALSE(last.musicOn) << "the other game's saves undid this one's";
    EXPECT_FALSE(last.fullscreen);
}
