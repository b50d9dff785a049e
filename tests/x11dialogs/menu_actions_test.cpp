// The menu commands against an editor stand-in: what each kind of command
// applies, stores and opens, and which items carry check marks.
#include "editor/colour_schemes.h"
#include "editor/menu_commands.h"
#include "editor/menu_items.h"
#include "editor/x11/menu_actions.h"
#include "editor/x11/settings_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <unistd.h>

namespace {

struct EditorStandIn : MenuTarget {
    DisplaySettings& displaySettings() override { return settings; }
    void applyColours() override { ++colourApplications; }
    void setZoomFaderRange(float minValue, float maxValue) override {
        faderMin = minValue;
        faderMax = maxValue;
    }
    std::int32_t zoom() const override { return zoomValue; }
    void setZoomQuietly(std::int32_t z) override { zoomValue = z; }
    void openHelp() override { ++helpOpened; }
    void showAbout() override { ++aboutShown; }
    void openColourDialog(std::function<void(bool)> done) override { dialogDone = done; }
    void repaint() override { ++repaints; }

    DisplaySettings settings;
    int colourApplications = 0, helpOpened = 0, aboutShown = 0, repaints = 0;
    float faderMin = 0, faderMax = 0;
    std::int32_t zoomValue = 20;
    std::function<void(bool)> dialogDone;
};

class MenuActions : public ::testing::Test {
  protected:
    void SetUp() override {
        char dir[] = "/tmp/tarvexor-menu-XXXXXX";
        ASSERT_NE(mkdtemp(dir), nullptr);
        home = dir;
        setenv("XDG_CONFIG_HOME", dir, 1);
    }
    void TearDown() override { std::filesystem::remove_all(home); }
    bool stored() const { return access(settingsFilePath().c_str(), F_OK) == 0; }
    DisplaySettings storedSettings() const {
        DisplaySettings s;
        s.normalizeCeiling = -1; // not a code the file would leave by chance
        readDisplaySettings(s);
        return s;
    }
    std::string home;
    EditorStandIn editor;
};

} // namespace

TEST_F(MenuActions, ASettingsCommandIsAppliedStoredAndRepainted) {
    EXPECT_TRUE(handleMenuCommand(editor, menu::kCeilingCommands[3]));
    EXPECT_EQ(storedSettings().normalizeCeiling, 3);
    EXPECT_EQ(editor.colourApplications, 1);
    EXPECT_GT(editor.repaints, 0);
}

TEST_F(MenuActions, ANarrowerZoomRangePullsZoomInWithoutTheHost) {
    handleMenuCommand(editor, menu::kZoomRange5);
    EXPECT_EQ(editor.faderMin, 1);
    EXPECT_EQ(editor.faderMax, 10);
    EXPECT_EQ(editor.zoomValue, 10);
}

TEST_F(MenuActions, CustomIsStoredWhenItsDialogClosesEvenByCancel) {
    handleMenuCommand(editor, menu::kNatural);
    handleMenuCommand(editor, menu::kCustom);
    ASSERT_TRUE(editor.dialogDone);
    EXPECT_EQ(storedSettings().waveColourScheme, 0); // not yet
    editor.dialogDone(false);
    const DisplaySettings s = storedSettings();
    EXPECT_EQ(s.waveColourScheme, 2);
    EXPECT_TRUE(std::equal(std::begin(s.customColours), std::end(s.customColours),
                           std::begin(kNaturalColours)));
}

TEST_F(MenuActions, InfoAndHelpOpenTheirWindowsAndStoreNothing) {
    EXPECT_TRUE(handleMenuCommand(editor, menu::kInfo));
    EXPECT_TRUE(handleMenuCommand(editor, menu::kHelp));
    EXPECT_EQ(editor.aboutShown, 1);
    EXPECT_EQ(editor.helpOpened, 1);
    EXPECT_FALSE(stored());
}

TEST(MenuCheckMarks, MarkEachSettingsCurrentItemAndNeverCustom) {
    DisplaySettings custom;
    custom.waveColourScheme = 2;
    custom.peakHoldTicks = 33; // no item of its own
    const struct {
        DisplaySettings settings;
        std::set<int> checked;
    } cases[] = {
        {DisplaySettings(),
         {menu::kCeilingCommands[0], IDM_PEAK_HOLD_4S, menu::kIcy, menu::kZoomRange10,
          IDM_SPEED_NORMAL}},
        {custom, {menu::kCeilingCommands[0], menu::kZoomRange10, IDM_SPEED_NORMAL}},
    };
    for (const auto& c : cases) {
        std::set<int> marked;
        std::function<void(const menu::ItemList&)> visit = [&](const menu::ItemList& list) {
            for (int i = 0; i < list.count; ++i) {
                const menu::Item& item = list.items[i];
                if (item.command && isMenuItemChecked(c.settings, item.command))
                    marked.insert(item.command);
                visit(item.submenu);
            }
        };
        visit(menu::kContextMenu);
        EXPECT_EQ(marked, c.checked);
    }
}
