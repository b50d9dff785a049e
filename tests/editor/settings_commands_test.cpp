// The menu's settings commands and the colour dialog's slots, apart from any
// window.
#include "editor/colour_schemes.h"
#include "editor/menu_commands.h"
#include "editor/settings_commands.h"

#include <cstring>
#include <gtest/gtest.h>

namespace {

bool same(const DisplaySettings& a, const DisplaySettings& b) {
    return std::memcmp(&a, &b, sizeof(DisplaySettings)) == 0;
}

struct Command {
    int id;
    std::int32_t DisplaySettings::*field;
    std::int32_t value;
};

} // namespace

TEST(SettingsCommands, EachCommandSetsOnlyItsField) {
    const Command commands[] = {
        {IDM_NORMALIZE_0_DB, &DisplaySettings::normalizeCeiling, 0},
        {IDM_NORMALIZE_MINUS_001_DB, &DisplaySettings::normalizeCeiling, 1},
        {IDM_NORMALIZE_MINUS_005_DB, &DisplaySettings::normalizeCeiling, 3},
        {IDM_NORMALIZE_MINUS_009_DB, &DisplaySettings::normalizeCeiling, 2},
        {IDM_COLOURS_NATURAL, &DisplaySettings::waveColourScheme, 0},
        {IDM_COLOURS_ICY, &DisplaySettings::waveColourScheme, 1},
        {IDM_COLOURS_CUSTOM, &DisplaySettings::waveColourScheme, 2},
        {IDM_ZOOM_HALF_TO_5X, &DisplaySettings::zoomRange, 0},
        {IDM_ZOOM_HALF_TO_10X, &DisplaySettings::zoomRange, 1},
        {IDM_ZOOM_1X_TO_16X, &DisplaySettings::zoomRange, 2},
        {IDM_PEAK_HOLD_2S, &DisplaySettings::peakHoldTicks, 16},
        {IDM_PEAK_HOLD_4S, &DisplaySettings::peakHoldTicks, 32},
        {IDM_PEAK_HOLD_6S, &DisplaySettings::peakHoldTicks, 48},
        {IDM_PEAK_HOLD_8S, &DisplaySettings::peakHoldTicks, 64},
        {IDM_PEAK_HOLD_10S, &DisplaySettings::peakHoldTicks, 80},
        {IDM_PEAK_HOLD_20S, &DisplaySettings::peakHoldTicks, 160},
        {IDM_PEAK_HOLD_30S, &DisplaySettings::peakHoldTicks, 240},
        {IDM_SPEED_SLOW, &DisplaySettings::displaySpeed, 1},
        {IDM_SPEED_NORMAL, &DisplaySettings::displaySpeed, 2},
        {IDM_SPEED_FAST, &DisplaySettings::displaySpeed, 3},
    };
    for (const Command& c : commands) {
        // Start from values no command sets, so every change shows.
        DisplaySettings s;
        s.normalizeCeiling = s.peakHoldTicks = s.waveColourScheme = -7;
        s.zoomRange = s.displaySpeed = -7;
        DisplaySettings expected = s;
        expected.*c.field = c.value;
        EXPECT_TRUE(applySettingsCommand(s, c.id)) << c.id;
        EXPECT_TRUE(same(s, expected)) << c.id;
    }
}

TEST(SettingsCommands, InfoHelpAndOtherIdsChangeNothing) {
    for (int id : {IDM_INFO, IDM_HELP, 0, 40000, 40015, 40031, IDR_CONTEXT_MENU}) {
        DisplaySettings s, before;
        EXPECT_FALSE(applySettingsCommand(s, id)) << id;
        EXPECT_TRUE(same(s, before)) << id;
    }
}

TEST(ColourDialog, SlotsTakeTheDisplayColoursAndTheSelectionIsChosenOnce) {
    ColourDialogState dialog;
    for (int i = 0; i < 16; ++i)
        dialog.slots[i] = 0x010101u * static_cast<DialogColour>(i + 1);
    std::int32_t colours[15];
    std::memcpy(colours, kIcyColours, sizeof(colours));
    prepareColourDialog(dialog, colours);
    EXPECT_EQ(dialog.selected, 0xBC746Cu) << "colour 0 of Icy: red in the low byte";
    EXPECT_EQ(dialog.slots[1], 0xDA9C94u);
    EXPECT_EQ(dialog.slots[2], 0xFFDCC8u);
    EXPECT_EQ(dialog.slots[3], 0x00C800u);
    EXPECT_EQ(dialog.slots[4], 0x0000C8u);
    for (int i = 5; i < 16; ++i)
        EXPECT_EQ(dialog.slots[i], 0x010101u * static_cast<DialogColour>(i + 1)) << i;

    std::memcpy(colours, kNaturalColours, sizeof(colours));
    prepareColourDialog(dialog, colours);
    EXPECT_EQ(dialog.selected, 0xBC746Cu) << "later runs keep the first selection";
    EXPECT_EQ(dialog.slots[0], 0x008C00u);
}

TEST(ColourDialog, OnlyOkTakesTheFirstFiveSlots) {
    ColourDialogState dialog;
    const DialogColour edited[5] = {0x563412u, 0x000001u, 0xFF0000u, 0x00FF00u, 0x0A0B0Cu};
    for (int i = 0; i < 5; ++i)
        dialog.slots[i] = edited[i];
    dialog.slots[5] = 0x777777u;
    dialog.selected = 0x999999u;
    for (std::intptr_t refused : {0, 2, -1}) {
        std::int32_t colours[15];
        std::memcpy(colours, kNaturalColours, sizeof(colours));
        takeColourDialogResult(dialog, refused, colours);
        EXPECT_EQ(std::memcmp(colours, kNaturalColours, sizeof(colours)), 0) << refused;
    }
    std::int32_t colours[15];
    std::memcpy(colours, kNaturalColours, sizeof(colours));
    takeColourDialogResult(dialog, 1, colours);
    const std::int32_t expected[15] = {0x12, 0x34, 0x56, 1, 0, 0, 0, 0, 255, 0, 255, 0, 12, 11, 10};
    EXPECT_EQ(std::memcmp(colours, expected, sizeof(colours)), 0);
}
