// The settings file: a round trip through the file, a missing file, and what
// a line that cannot be read, or is read, does to the settings.
#include "editor/x11/settings_file.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <filesystem>
#include <functional>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

bool same(const DisplaySettings& a, const DisplaySettings& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// Settings with no field at its default, so a taken value always shows.
DisplaySettings marked() {
    DisplaySettings s;
    s.normalizeCeiling = 2;
    s.peakHoldTicks = 240;
    s.waveColourScheme = 2;
    for (int i = 0; i < 15; ++i)
        s.customColours[i] = 10 + i;
    s.zoomRange = 0;
    s.displaySpeed = 3;
    return s;
}

class SettingsFile : public ::testing::Test {
  protected:
    void SetUp() override {
        char dir[] = "/tmp/tarvexor-settings-XXXXXX";
        ASSERT_NE(mkdtemp(dir), nullptr);
        top = dir;
        home = top + "/not/yet"; // made with the file
        setenv("XDG_CONFIG_HOME", home.c_str(), 1);
    }
    void TearDown() override { std::filesystem::remove_all(top); }
    // The names in the folder of the settings file.
    std::vector<std::string> folder() const {
        std::vector<std::string> names;
        if (DIR* d = opendir((home + "/OrbanePlugIns").c_str())) {
            while (dirent* e = readdir(d))
                if (std::strcmp(e->d_name, ".") != 0 && std::strcmp(e->d_name, "..") != 0)
                    names.push_back(e->d_name);
            closedir(d);
        }
        return names;
    }
    std::string top, home;
};

} // namespace

TEST_F(SettingsFile, StoresAllSixValuesAndReadsThemBack) {
    const DisplaySettings saved = marked();
    saveDisplaySettings(saved);
    EXPECT_EQ(settingsFilePath(), home + "/OrbanePlugIns/Tarvexor.conf");
    EXPECT_EQ(folder(), std::vector<std::string>{"Tarvexor.conf"}); // no temporary file left
    DisplaySettings read;
    readDisplaySettings(read);
    EXPECT_TRUE(same(read, saved));
}

TEST_F(SettingsFile, MissingFileLeavesEverySetting) {
    DisplaySettings s = marked();
    readDisplaySettings(s);
    EXPECT_TRUE(same(s, marked()));
}

TEST(SettingsText, TakesOnlyValuesThatCanBeRead) {
    struct Case {
        const char* text;
        std::function<void(DisplaySettings&)> taken; // nothing: no field changes
    };
    const Case cases[] = {
        {"subAN = 7", [](DisplaySettings& s) { s.normalizeCeiling = 7; }}, // range not checked
        {"subDS=-5", [](DisplaySettings& s) { s.displaySpeed = -5; }},
        {"subPH = 4294967295", [](DisplaySettings& s) { s.peakHoldTicks = -1; }}, // a DWORD
        {"SUBwz = 1", [](DisplaySettings& s) { s.zoomRange = 1; }}, // names ignore case
        {"subIPOPTR = 1 2 3",
         [](DisplaySettings& s) {
             s.customColours[0] = 1, s.customColours[1] = 2, s.customColours[2] = 3;
         }},
        {"subAN = 1\nsubAN = 0", [](DisplaySettings& s) { s.normalizeCeiling = 0; }},
        {"subPH = 4294967296", nullptr},
        {"subCO = two", nullptr},
        {"subCO = 1 2", nullptr},
        {"subCO =", nullptr},
        {"subWZ = 2x", nullptr},
        {"subIPOPTR = 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16", nullptr},
        {"subAN 3", nullptr},
        {"# subAN = 3", nullptr},
        {"subANX = 3", nullptr},
    };
    for (const Case& c : cases) {
        DisplaySettings expected = marked(), read = marked();
        if (c.taken) c.taken(expected);
        readDisplaySettingsText(c.text, read);
        EXPECT_TRUE(same(read, expected)) << c.text;
    }
}
