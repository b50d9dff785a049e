// Where the editor's controls sit and what they range over.
#pragma once

#include "editor/controls.h"
#include "resources/resource_ids.h"

constexpr int kEditorWidth = 511;
constexpr int kEditorHeight = 283;

struct ValueFaderLayout {
    int handleBitmap;
    int x, y, textX, textY;
    DisplayKind kind;
    float minValue, maxValue, travel;
    int width;
};

struct LinearFaderLayout {
    LinearFader::Axis axis;
    int handleBitmap;
    int x, y;
    float minValue, maxValue, travel;
    int thickness;
};

struct SwitchLayout {
    int faceBitmap;
    int x, y, width, height;
};

namespace layout {
constexpr int kDisplayFace = IDB_DISPLAY_FACE;

constexpr ValueFaderLayout thresholdFader{IDB_HANDLE_THRESHOLD,   35, 66, 14,  13,
                                          DisplayKind::threshold, 1,  72, 155, 20};
constexpr ValueFaderLayout ratioFader{IDB_HANDLE_BLUE,    78, 66, 66,  13,
                                      DisplayKind::ratio, 2,  60, 155, 20};
constexpr ValueFaderLayout releaseFader{IDB_HANDLE_BLUE,      127, 66,  118, 13,
                                        DisplayKind::release, 10,  999, 138, 20};
constexpr ValueFaderLayout autoReleaseFader{IDB_HANDLE_AUTO_RELEASE, 127, 66,  118, 13,
                                            DisplayKind::release,    10,  999, 138, 20};
constexpr ValueFaderLayout outputFader{IDB_HANDLE_BLUE,         411, 103,   398, 51,
                                       DisplayKind::outputGain, 0,   24000, 110, 20};
constexpr ValueFaderLayout limitFader{
    IDB_HANDLE_LIMIT, 14, 66, 14, 13, DisplayKind::limiterThreshold, 0, 48, 93, 16};

constexpr LinearFaderLayout zoomFader{
    LinearFader::Axis::vertical, IDB_HANDLE_ZOOM, 304, 221, 1, 20, 41, 13};
constexpr LinearFaderLayout lookAheadFader{
    LinearFader::Axis::horizontal, IDB_HANDLE_LOOKAHEAD, 86, 256, 3, 999, 57, 13};

constexpr SwitchLayout softSwitch{IDB_SOFT_ON, 354, 118, 44, 21};
constexpr SwitchLayout normalizeSwitch{IDB_NORMALIZE_ON, 354, 144, 44, 21};
constexpr SwitchLayout ditherSwitch{IDB_DITHER_ON, 354, 170, 44, 21};
constexpr SwitchLayout bypassSwitch{IDB_BYPASS_ON, 354, 196, 44, 21};
constexpr SwitchLayout autoSwitch{IDB_AUTO_ON, 124, 223, 26, 14};
} // namespace layout

// The controls of one open editor, created in this order.
struct EditorControls {
    ValueFader thresholdFader, ratioFader, releaseFader, autoReleaseFader;
    LinearFader zoomFader;
    ValueFader outputFader, limitFader;
    LinearFader lookAheadFader;
    Switch softSwitch, normalizeSwitch, ditherSwitch, bypassSwitch, autoSwitch;

    explicit EditorControls(ControlCanvas* canvas);
    // Every control as it stands, in the order of creation.
    void drawAll();
};
