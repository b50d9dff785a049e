// The wave display's vertical scale and threshold rows.
#include "editor/colour_schemes.h"
#include "editor/wave_geometry.h"

#include <cmath>
#include <gtest/gtest.h>

TEST(WaveGeometry, FullScaleFillsThePanelAtZoomTwo) {
    wave::Bar b = wave::bar(wave::toUnits(1.0f), wave::toUnits(-1.0f), 2);
    EXPECT_EQ(b.from, 0);
    EXPECT_EQ(b.to, 256) << "the end row is excluded: rows 0 to 255";
}

TEST(WaveGeometry, OffsetsTruncateTowardZeroAndClip) {
    EXPECT_EQ(wave::topOffset(300, 2), 1);
    EXPECT_EQ(wave::bottomOffset(-300, 2), -1);
    EXPECT_EQ(wave::topOffset(16384, 32), 128) << "half scale at zoom 32 is cut";
    EXPECT_EQ(wave::bottomOffset(-16384, 32), -128);
    EXPECT_EQ(wave::topOffset(2147483647, 32), 128) << "no overflow for huge samples";
    wave::Bar silence = wave::bar(0, 0, 20);
    EXPECT_EQ(silence.from, silence.to) << "silence draws nothing";
}

TEST(WaveGeometry, ThresholdRowsAtMinusSixDecibels) {
    float t = static_cast<float>(std::pow(10.0, 12.0f / -40.0));
    wave::ThresholdRows comp = wave::compressorThresholdRows(t, 2);
    wave::ThresholdRows lim = wave::limiterThresholdRows(t, 2);
    EXPECT_EQ(comp.upper, 64);
    EXPECT_EQ(comp.lower, 191);
    EXPECT_EQ(lim.upper, 63);
    EXPECT_EQ(lim.lower, 192);
    EXPECT_EQ(wave::limiterThresholdRows(1.0f, 4).upper, -1) << "off the panel: no line";
}

TEST(ZoomRanges, LimitsPerSetting) {
    EXPECT_EQ(zoomWithin(0, 20), 10);
    EXPECT_EQ(zoomWithin(1, 32), 20);
    EXPECT_EQ(zoomWithin(2, 1), 2);
    EXPECT_EQ(zoomWithin(2, 32), 32);
    EXPECT_EQ(zoomRangeOf(0).maxValue, 10.0f);
    EXPECT_EQ(zoomRangeOf(2).minValue, 2.0f);
}
