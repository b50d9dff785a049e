// The context menu and the stored display settings, seen from outside: the
// menu's check marks, the values in the test prefix's registry, the Zoom
// parameter and what the host hears.
#include "tests/wine/editor_fixture.h"
#include "tests/wine/settings_support.h"

#include <map>

using namespace editortest;
using namespace settingstest;

namespace {

constexpr int kAllItems[] = {40004, 40024, 40030, 40005, 40013, 40014, 40025, 40017,
                             40020, 40019, 40006, 40007, 40008, 40009, 40010, 40011,
                             40012, 40027, 40028, 40029, 40022, 40023};

const std::vector<std::int32_t> kNatural = {0,   140, 0,   0, 180, 0, 200, 220,
                                            255, 0,   200, 0, 200, 0, 0};
const std::vector<std::int32_t> kIcy = {108, 116, 188, 148, 156, 218, 200, 220,
                                        255, 0,   200, 0,   200, 0,   0};

// The point in screen coordinates of a client position of the editor.
LPARAM screenPoint(HWND window, int x, int y) {
    POINT p{x, y};
    ClientToScreen(window, &p);
    return MAKELPARAM(static_cast<short>(p.x), static_cast<short>(p.y));
}

// The dialog's "Add to Custom Colors" puts the colour typed into the red,
// green and blue boxes into the first custom slot, which holds colour 0.
void editFirstSlot(HWND dialog, int red, int green, int blue) {
    SetDlgItemInt(dialog, 706, red, FALSE);
    SetDlgItemInt(dialog, 707, green, FALSE);
    SetDlgItemInt(dialog, 708, blue, FALSE);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(712, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, 712)));
}

} // namespace

class Settings : public EditorTest {
  protected:
    void SetUp() override {
        deleteSettingsKey();
        EditorTest::SetUp();
    }
    void TearDown() override {
        EditorTest::TearDown();
        deleteSettingsKey();
    }

    // Opens the context menu at a client position and reads every item's
    // check mark; empty when no menu appeared.
    std::map<int, bool> checkMarks(int x = 250, int y = 140) {
        std::map<int, bool> marks;
        ModalDriver driver([&marks] {
            HMENU menu = openPopupMenu();
            if (!menu) return false;
            for (int id : kAllItems)
                marks[id] = (GetMenuState(menu, id, MF_BYCOMMAND) & MF_CHECKED) != 0;
            EndMenu();
            return true;
        });
        SendMessageA(editorWindow(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(editorWindow()),
                     screenPoint(editorWindow(), x, y));
        return marks;
    }

    static void expectChecked(const std::map<int, bool>& marks, std::initializer_list<int> ids) {
        ASSERT_EQ(marks.size(), std::size(kAllItems)) << "the context menu did not appear";
        for (int id : kAllItems) {
            bool wanted = std::find(ids.begin(), ids.end(), id) != ids.end();
            EXPECT_EQ(marks.at(id), wanted) << "item " << id;
        }
    }

    float zoom() { return fx->getParameter(fx.get(), 8); }

    // Runs the Custom command and answers the colour dialog with `answer`.
    bool chooseCustom(const std::function<void(HWND)>& answer) {
        bool seen = false;
        ModalDriver driver([&] {
            std::vector<HWND> dialogs = threadWindows("#32770");
            if (dialogs.empty()) return false;
            seen = true;
            answer(dialogs.front());
            return true;
        });
        sendCommand(editorWindow(), 40025);
        return seen;
    }
};

TEST_F(Settings, WithNoKeyTheDefaultsAreCheckedAndNothingIsWritten) {
    openEditor();
    expectChecked(checkMarks(), {40004, 40007, 40014, 40020, 40028});
    EXPECT_FALSE(settingsKeyExists()) << "opening the editor stores nothing";
}

TEST_F(Settings, AStoredDisplaySpeedAloneChangesOnlyTheDisplaySpeed) {
    writeDword("subDS", 3);
    openEditor();
    expectChecked(checkMarks(), {40004, 40007, 40014, 40020, 40029});
    EXPECT_EQ(valueCount(), 1u);
}

TEST_F(Settings, StoredValuesOutsideTheirSetsCheckNothingInTheirGroups) {
    writeDword("subAN", 7);
    writeDword("subPH", 33);
    writeDword("subWZ", 5);
    writeDword("subDS", 0);
    openEditor();
    expectChecked(checkMarks(), {40014});
}

TEST_F(Settings, TheMenuOpensOnlyForAPointInsideTheClientArea) {
    openEditor();
    EXPECT_TRUE(checkMarks(-3, 100).empty()) << "left of the editor";
    EXPECT_TRUE(checkMarks(200, 283).empty()) << "just below the editor";
    EXPECT_FALSE(checkMarks(510, 282).empty()) << "the last pixel inside";
}

TEST_F(Settings, TheMenuShownIsTheFirstSubmenuAndItsChoiceArrivesAsACommand) {
    openEditor();
    char text[32] = {};
    ModalDriver driver([&text] {
        HMENU menu = openPopupMenu();
        if (!menu) return false;
        GetMenuStringA(menu, GetMenuItemCount(menu) - 1, text, sizeof(text), MF_BYPOSITION);
        std::vector<HWND> popups = threadWindows("#32768");
        PostMessageA(popups.front(), WM_KEYDOWN, VK_UP, 0);
        PostMessageA(popups.front(), WM_KEYDOWN, VK_RETURN, 0);
        return true;
    });
    SendMessageA(editorWindow(), WM_CONTEXTMENU, 0, screenPoint(editorWindow(), 30, 30));
    EXPECT_STREQ(text, "Help");
    pump(100);
    EXPECT_EQ(threadWindows("TarvexHelp").size(), 1u) << "the last item, Help, was chosen";
    EXPECT_FALSE(settingsKeyExists());
}

TEST_F(Settings, EveryCommandStoresItsValue) {
    struct Stored {
        int id;
        const char* name;
        std::int64_t value;
    };
    const Stored commands[] = {
        {40024, "subAN", 1},  {40030, "subAN", 3},  {40005, "subAN", 2},   {40004, "subAN", 0},
        {40014, "subCO", 1},  {40013, "subCO", 0},  {40017, "subWZ", 0},   {40019, "subWZ", 2},
        {40020, "subWZ", 1},  {40006, "subPH", 16}, {40007, "subPH", 32},  {40008, "subPH", 48},
        {40009, "subPH", 64}, {40010, "subPH", 80}, {40011, "subPH", 160}, {40012, "subPH", 240},
        {40027, "subDS", 1},  {40029, "subDS", 3},  {40028, "subDS", 2},
    };
    openEditor();
    for (const Stored& c : commands) {
        sendCommand(editorWindow(), c.id);
        EXPECT_EQ(readDword(c.name), c.value) << "after command " << c.id;
    }
    EXPECT_EQ(valueCount(), 6u);
    EXPECT_EQ(keyClass(kSettingsKey), "orp");
    EXPECT_EQ(keyClass("Software\\OrbanePlugIns"), "orp");
}

TEST_F(Settings, ASettingsCommandStoresTheWholeRecord) {
    writeDword("subPH", 160);
    openEditor();
    sendCommand(editorWindow(), 40030);
    EXPECT_EQ(readDword("subAN"), 3);
    EXPECT_EQ(readDword("subPH"), 160) << "read at open, stored again";
    EXPECT_EQ(readDword("subCO"), 1);
    EXPECT_EQ(readColourWords(), kIcy) << "Icy was applied over the default words";
    EXPECT_EQ(readDword("subWZ"), 1);
    EXPECT_EQ(readDword("subDS"), 2);
    expectChecked(checkMarks(), {40030, 40011, 40014, 40020, 40028});
}

TEST_F(Settings, InfoAndHelpWriteNothing) {
    openEditor();
    ModalDriver closeInfo([] {
        pressDialogButton(IDOK);
        return false; // keep answering any box that appears
    });
    sendCommand(editorWindow(), 40022);
    sendCommand(editorWindow(), 40023);
    pump(100);
    EXPECT_FALSE(settingsKeyExists());
    EXPECT_EQ(threadWindows("TarvexHelp").size(), 1u);
}

TEST_F(Settings, ANarrowerZoomRangeLowersZoomWithoutTellingTheHost) {
    setParameter(8, 20.0f);
    openEditor();
    testhost::hostCalls().clear();
    sendCommand(editorWindow(), 40017);
    EXPECT_FLOAT_EQ(zoom(), 10.0f / 20.0f);
    setParameter(8, 0.05f); // Zoom 1
    sendCommand(editorWindow(), 40019);
    EXPECT_FLOAT_EQ(zoom(), 2.0f / 20.0f) << "1x - 16x starts at Zoom 2";
    setParameter(8, 32.0f);
    sendCommand(editorWindow(), 40020);
    EXPECT_FLOAT_EQ(zoom(), 0.99999f) << "Zoom 20 of 20";
    for (const testhost::HostCall& call : testhost::hostCalls())
        EXPECT_NE(call.opcode, audioMasterAutomate) << "parameter " << call.index;
}

TEST_F(Settings, OpeningWithTheNarrowRangeLowersAStoredZoom) {
    writeDword("subWZ", 0);
    setParameter(8, 20.0f);
    openEditor();
    EXPECT_FLOAT_EQ(zoom(), 0.5f);
}

TEST_F(Settings, CancelInTheColourDialogStillSwitchesToCustom) {
    openEditor();
    EXPECT_TRUE(chooseCustom([](HWND dialog) {
        editFirstSlot(dialog, 12, 34, 56);
        PostMessageA(dialog, WM_COMMAND, IDCANCEL,
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL)));
    }));
    EXPECT_EQ(readDword("subCO"), 2);
    EXPECT_EQ(readColourWords(), kIcy) << "the colours as they were, edited slot or not";
    expectChecked(checkMarks(), {40004, 40007, 40020, 40028});
}

TEST_F(Settings, NaturalAfterCustomDiscardsTheCustomColours) {
    const std::int32_t own[15] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15};
    writeColourWords(own);
    writeDword("subCO", 2);
    openEditor();
    expectChecked(checkMarks(), {40004, 40007, 40020, 40028});
    sendCommand(editorWindow(), 40013);
    EXPECT_EQ(readDword("subCO"), 0);
    EXPECT_EQ(readColourWords(), kNatural);
    EXPECT_TRUE(chooseCustom([](HWND dialog) {
        PostMessageA(dialog, WM_COMMAND, IDCANCEL,
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL)));
    }));
    EXPECT_EQ(readDword("subCO"), 2);
    EXPECT_EQ(readColourWords(), kNatural) << "Custom starts from the Natural table";
}

TEST_F(Settings, OkInTheColourDialogTakesTheEditedFirstSlot) {
    openEditor();
    EXPECT_TRUE(chooseCustom([](HWND dialog) {
        editFirstSlot(dialog, 12, 34, 56);
        PostMessageA(dialog, WM_COMMAND, IDOK, reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
    }));
    std::vector<std::int32_t> expected = kIcy;
    expected[0] = 12, expected[1] = 34, expected[2] = 56;
    EXPECT_EQ(readDword("subCO"), 2);
    EXPECT_EQ(readColourWords(), expected);
}
