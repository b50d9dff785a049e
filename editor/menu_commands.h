// The context menu's command ids and what they set.
#pragma once

#include "resources/resource_ids.h"

#include <cstdint>

namespace menu {
constexpr int kResourceId = IDR_CONTEXT_MENU;

// Ceiling commands by ceiling code 0..3 (the menu lists 0, 1, 3, 2).
constexpr int kCeilingCommands[4] = {IDM_NORMALIZE_0_DB, IDM_NORMALIZE_MINUS_001_DB,
                                     IDM_NORMALIZE_MINUS_009_DB, IDM_NORMALIZE_MINUS_005_DB};
constexpr int kNatural = IDM_COLOURS_NATURAL;
constexpr int kIcy = IDM_COLOURS_ICY;
constexpr int kCustom = IDM_COLOURS_CUSTOM;
constexpr int kZoomRange5 = IDM_ZOOM_HALF_TO_5X;
constexpr int kZoomRange10 = IDM_ZOOM_HALF_TO_10X;
constexpr int kZoomRange16 = IDM_ZOOM_1X_TO_16X;
constexpr int kPeakHoldCommands[7] = {IDM_PEAK_HOLD_2S, IDM_PEAK_HOLD_4S,  IDM_PEAK_HOLD_6S,
                                      IDM_PEAK_HOLD_8S, IDM_PEAK_HOLD_10S, IDM_PEAK_HOLD_20S,
                                      IDM_PEAK_HOLD_30S};
constexpr std::int32_t kPeakHoldTicks[7] = {16, 32, 48, 64, 80, 160, 240};
constexpr int kSpeedCommands[3] = {IDM_SPEED_SLOW, IDM_SPEED_NORMAL, IDM_SPEED_FAST};
constexpr int kInfo = IDM_INFO;
constexpr int kHelp = IDM_HELP;
} // namespace menu
