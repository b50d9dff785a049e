#include "editor/menu_items.h"

#include "editor/menu_commands.h"

namespace menu {
namespace {

constexpr ItemList kNone = {nullptr, 0};

template <int N> constexpr ItemList listOf(const Item (&items)[N]) {
    return {items, N};
}

const Item kCeilingItems[] = {
    {"0 dBFS", IDM_NORMALIZE_0_DB, kNone},
    {"-0.01 dBFS", IDM_NORMALIZE_MINUS_001_DB, kNone},
    {"-0.05 dBFS", IDM_NORMALIZE_MINUS_005_DB, kNone},
    {"-0.09 dBFS", IDM_NORMALIZE_MINUS_009_DB, kNone},
};
const Item kColourItems[] = {
    {"Natural", IDM_COLOURS_NATURAL, kNone},
    {"Icy", IDM_COLOURS_ICY, kNone},
    {"Custom", IDM_COLOURS_CUSTOM, kNone},
};
const Item kZoomItems[] = {
    {"0.5x - 5x", IDM_ZOOM_HALF_TO_5X, kNone},
    {"0.5x - 10x", IDM_ZOOM_HALF_TO_10X, kNone},
    {"1x - 16x", IDM_ZOOM_1X_TO_16X, kNone},
};
const Item kPeakHoldItems[] = {
    {"2s", IDM_PEAK_HOLD_2S, kNone},   {"4s", IDM_PEAK_HOLD_4S, kNone},
    {"6s", IDM_PEAK_HOLD_6S, kNone},   {"8s", IDM_PEAK_HOLD_8S, kNone},
    {"10s", IDM_PEAK_HOLD_10S, kNone}, {"20s", IDM_PEAK_HOLD_20S, kNone},
    {"30s", IDM_PEAK_HOLD_30S, kNone},
};
const Item kSpeedItems[] = {
    {"Slow", IDM_SPEED_SLOW, kNone},
    {"Normal", IDM_SPEED_NORMAL, kNone},
    {"Fast", IDM_SPEED_FAST, kNone},
};
const Item kMenuItems[] = {
    {"Auto Normalize to", 0, listOf(kCeilingItems)},
    {"WaveDisplay colors", 0, listOf(kColourItems)},
    {"WaveDisplay zoom", 0, listOf(kZoomItems)},
    {"Peak hold time", 0, listOf(kPeakHoldItems)},
    {"Display speed", 0, listOf(kSpeedItems)},
    {nullptr, 0, kNone},
    {"Info", IDM_INFO, kNone},
    {"Help", IDM_HELP, kNone},
};

} // namespace

const char* const kTopLevelText = "Nobody";
const ItemList kContextMenu = listOf(kMenuItems);

} // namespace menu
