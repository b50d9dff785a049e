// Fader and switch laws: value to position, hit zones, fine steps, and when a
// control redraws.
#include "editor/control_layout.h"
#include "editor/display_text.h"

#include <gtest/gtest.h>

namespace {

// Records what the controls ask to draw.
class RecordingCanvas : public ControlCanvas {
  public:
    bool windowExists() const override { return open; }
    void paintHandle(const ValueFader&) override { ++handles; }
    void paintDisplay(const ValueFader&) override { ++displays; }
    void paintHandle(const LinearFader&) override { ++handles; }
    void paintSwitch(const Switch&) override { ++switches; }
    bool open = true;
    int handles = 0, displays = 0, switches = 0;
};

ValueFader thresholdFader(ControlCanvas* c) {
    const ValueFaderLayout& l = layout::thresholdFader;
    return ValueFader(c, l.handleBitmap, layout::kDisplayFace, l.x, l.y, l.textX, l.textY, l.kind,
                      l.minValue, l.maxValue, l.travel, l.width);
}

} // namespace

TEST(ValueFaderLaw, PositionFollowsValueAndClamps) {
    RecordingCanvas canvas;
    ValueFader f = thresholdFader(&canvas);
    EXPECT_EQ(f.value, 1.0f);
    EXPECT_EQ(f.handlePos, 0);
    f.setValue(72);
    EXPECT_EQ(f.handlePos, 154) << "the maximum sits at travel - 1";
    f.setValue(0); // below the range: clamped to 1
    EXPECT_EQ(f.value, 1.0f);
    EXPECT_EQ(f.handlePos, 0);
    f.setValue(20);
    EXPECT_EQ(f.handlePos, static_cast<int>((20.0f - 1) / 71 * 154));
}

TEST(ValueFaderLaw, GrabZoneAndFineStepsBesideTheHandle) {
    RecordingCanvas canvas;
    ValueFader f = thresholdFader(&canvas);
    f.setValue(36);
    const int pos = f.handlePos;
    ValueFader g = f;
    EXPECT_TRUE(g.grabHandle(f.x + 5, f.y + pos - 16)) << "the handle's top edge grabs";
    EXPECT_FLOAT_EQ(g.value, 1 + float(pos - 16) / 154 * 71) << "and moves to the pointer";
    ValueFader s = f;
    EXPECT_FALSE(s.grabHandle(f.x + 5, f.y + pos - 17));
    EXPECT_TRUE(s.stepToward(f.x + 5, f.y + pos - 17, 1.0f));
    EXPECT_EQ(s.value, 35.0f) << "one step toward the click, upwards";
    EXPECT_TRUE(s.stepToward(f.x + 5, f.y + pos + 40, 1.0f));
    EXPECT_EQ(s.value, 36.0f);
    EXPECT_FALSE(s.grabHandle(f.x + f.width, f.y + pos)) << "right of the column";
    EXPECT_FALSE(s.grabHandle(f.x - 1, f.y + pos));
}

TEST(ValueFaderLaw, FineStepZoneEndsAndRangeEnds) {
    RecordingCanvas canvas;
    ValueFader f = thresholdFader(&canvas);
    f.setValue(72); // handle at the bottom, far from the top
    EXPECT_TRUE(f.stepToward(f.x, f.y - 15, 1.0f));
    EXPECT_FALSE(f.stepToward(f.x, f.y - 16, 1.0f));
    f.setValue(3);
    EXPECT_TRUE(f.stepToward(f.x, f.y + 150, 100.0f));
    EXPECT_EQ(f.value, 72.0f) << "a step never passes the range end";
    EXPECT_FALSE(f.stepToward(f.x, f.y + 155 + 15, 1.0f));
}

TEST(ValueFaderLaw, RedrawsOnlyOnChange) {
    RecordingCanvas canvas;
    ValueFader f = thresholdFader(&canvas);
    int before = canvas.handles;
    f.setValue(1);
    EXPECT_EQ(canvas.handles, before);
    f.setValue(2);
    EXPECT_EQ(canvas.handles, before + 1);
    f.setMarks(0.0f, 0);
    EXPECT_EQ(canvas.handles, before + 1);
    f.setMarks(1.0f, 1); // two changes, two draws
    EXPECT_EQ(canvas.handles, before + 3);
    canvas.open = false;
    f.setValue(50);
    EXPECT_EQ(canvas.handles, before + 3) << "nothing is drawn without a window";
}

TEST(ValueFaderLaw, DisplayHitBoxAndHiddenDisplays) {
    RecordingCanvas canvas;
    ValueFader f = thresholdFader(&canvas);
    EXPECT_TRUE(f.hitDisplay(14, 13));
    EXPECT_TRUE(f.hitDisplay(58, 27));
    EXPECT_FALSE(f.hitDisplay(59, 20));
    EXPECT_FALSE(f.hitDisplay(20, 28));
    f.setDisplayVisible(0);
    EXPECT_FALSE(f.hitDisplay(20, 20));
    f.setFaderVisible(0);
    EXPECT_FALSE(f.grabHandle(f.x + 1, f.y));
    EXPECT_FALSE(f.stepToward(f.x + 1, f.y + 100, 1.0f));
}

TEST(LinearFaderLaw, HorizontalLookAheadZones) {
    RecordingCanvas canvas;
    const LinearFaderLayout& l = layout::lookAheadFader;
    LinearFader f(&canvas, l.axis, l.handleBitmap, l.x, l.y, l.minValue, l.maxValue, l.travel,
                  l.thickness);
    f.setValue(0);
    EXPECT_EQ(f.value, 3.0f);
    f.setValue(1000);
    EXPECT_EQ(f.value, 999.0f);
    EXPECT_EQ(f.handlePos, 56);
    EXPECT_TRUE(f.grabHandle(l.x + 56 - 9, l.y));
    f.setValue(500);
    int pos = f.handlePos;
    EXPECT_FALSE(f.stepToward(l.x + pos + 9, l.y, 20.0f)) << "inside the handle";
    EXPECT_TRUE(f.stepToward(l.x + pos + 10, l.y, 20.0f));
    EXPECT_EQ(f.value, 520.0f);
    EXPECT_FALSE(f.stepToward(l.x + pos + 10, l.y + 13, 20.0f)) << "below the strip";
    EXPECT_TRUE(f.stepToward(l.x - 9, l.y, 20.0f));
    EXPECT_FALSE(f.stepToward(l.x - 10, l.y, 20.0f));
    f.dragTo(l.x + 1000);
    EXPECT_EQ(f.value, 999.0f);
}

TEST(LinearFaderLaw, ZoomRangeChangeClampsWithoutRedrawWhenInside) {
    RecordingCanvas canvas;
    const LinearFaderLayout& l = layout::zoomFader;
    LinearFader f(&canvas, l.axis, l.handleBitmap, l.x, l.y, l.minValue, l.maxValue, l.travel,
                  l.thickness);
    f.setValue(8);
    int draws = canvas.handles;
    f.setRange(1, 10);
    EXPECT_EQ(canvas.handles, draws) << "a value inside the new range is not redrawn";
    f.setValue(20);
    EXPECT_EQ(f.value, 10.0f);
    f.setRange(2, 32);
    f.setValue(1);
    EXPECT_EQ(f.value, 2.0f);
}

TEST(SwitchLaw, HitIncludesFarEdgesAndAlwaysDraws) {
    RecordingCanvas canvas;
    Switch s(&canvas, 142, 354, 118, 44, 21);
    EXPECT_TRUE(s.hit(354 + 44, 118 + 21));
    EXPECT_TRUE(s.hit(354, 118));
    EXPECT_FALSE(s.hit(353, 120));
    EXPECT_FALSE(s.hit(360, 140));
    int draws = canvas.switches;
    s.setOn(0);
    s.setOn(0);
    EXPECT_EQ(canvas.switches, draws + 2);
}

TEST(DisplayTexts, KindsFormatsAndColours) {
    EXPECT_EQ(displayText(DisplayKind::threshold, 20), "-10.0 dB");
    EXPECT_EQ(displayText(DisplayKind::threshold, 1), "-0.5 dB");
    EXPECT_EQ(displayText(DisplayKind::limiterThreshold, 0), "-0.0 dB");
    EXPECT_EQ(displayText(DisplayKind::ratio, 2), "1.0 : 1");
    EXPECT_EQ(displayText(DisplayKind::release, 10), " 10 ms");
    EXPECT_EQ(displayText(DisplayKind::outputGain, 24000), "0.00 dB");
    EXPECT_EQ(displayText(DisplayKind::outputGain, 0), "24.00 dB");
    RecordingCanvas canvas;
    const ValueFaderLayout& r = layout::releaseFader;
    ValueFader release(&canvas, r.handleBitmap, 120, r.x, r.y, r.textX, r.textY, r.kind, r.minValue,
                       r.maxValue, r.travel, r.width);
    EXPECT_EQ(displayColour(release), (Rgb{255, 255, 255}));
    release.setMarks(1.0f, 0);
    EXPECT_EQ(displayColour(release), (Rgb{204, 228, 255}));
    release.setMarks(0.5f, 1);
    EXPECT_EQ(displayColour(release), (Rgb{255, 255, 255})) << "only exactly 1.0 marks release";
}
