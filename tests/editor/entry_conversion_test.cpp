// Numeric entry texts: what a box opens with, and how typed text becomes a
// fader value.
#include "editor/entry_conversion.h"

#include <gtest/gtest.h>

TEST(EntryText, OpensWithTheDisplayedValueAndItsUnit) {
    EXPECT_EQ(entryOpeningText(kOutputEntry, 24000), "0.00 dB");
    EXPECT_EQ(entryOpeningText(kOutputEntry, 0), "24.00 dB");
    EXPECT_EQ(entryOpeningText(kOutputEntry, 21000), "3.00 dB");
    EXPECT_EQ(entryOpeningText(kReleaseEntry, 250), "250 ms");
    EXPECT_EQ(entryOpeningText(kReleaseEntry, 10), " 10 ms") << "three places wide";
    EXPECT_EQ(entryOpeningText(kRatioEntry, 3), "1.5 : 1");
    EXPECT_EQ(entryOpeningText(kRatioEntry, 60), "30.0 : 1");
    EXPECT_EQ(entryOpeningText(kThrCompEntry, 10), "-5.0 dB");
    EXPECT_EQ(entryOpeningText(kThrLimEntry, 48), "-24.0 dB");
    EXPECT_EQ(entryOpeningText(kThrLimEntry, 0), "-0.0 dB") << "the sign of zero is kept";
}

TEST(EntryText, EachEntryHasItsBox) {
    EXPECT_EQ(entryBox(kOutputEntry), 0);
    EXPECT_EQ(entryBox(kReleaseEntry), 1);
    EXPECT_EQ(entryBox(kRatioEntry), 2);
    EXPECT_EQ(entryBox(kThrCompEntry), 3);
    EXPECT_EQ(entryBox(kThrLimEntry), 3) << "the thresholds share one box";
    EXPECT_EQ(entryBox(kNoEntry), -1);
    EXPECT_EQ(entryBox(2), -1);
}

TEST(TypedValue, ConvertsIntoEachFadersUnits) {
    EXPECT_EQ(enteredFaderValue(kOutputEntry, "3"), 21000.0f);
    EXPECT_EQ(enteredFaderValue(kOutputEntry, "0.01"), 23990.0f);
    EXPECT_EQ(enteredFaderValue(kOutputEntry, "12.5 dB"), 11500.0f);
    EXPECT_EQ(enteredFaderValue(kReleaseEntry, "250 ms\r\n"), 250.0f);
    EXPECT_EQ(enteredFaderValue(kRatioEntry, "2.25"), 4.5f) << "truncated only when sent";
    EXPECT_EQ(enteredFaderValue(kRatioEntry, "4 : 1"), 8.0f);
    EXPECT_EQ(enteredFaderValue(kThrCompEntry, " -5.0 dB"), 10.0f);
}

TEST(TypedValue, ThresholdsAreAlwaysBelowZeroDecibels) {
    EXPECT_EQ(enteredFaderValue(kThrCompEntry, "6"), 12.0f);
    EXPECT_EQ(enteredFaderValue(kThrCompEntry, "-6"), 12.0f);
    EXPECT_EQ(enteredFaderValue(kThrLimEntry, "6\r\n"), 12.0f);
    EXPECT_EQ(enteredFaderValue(kThrLimEntry, "-7.5"), 15.0f);
}

TEST(TypedValue, ClampsToTheFadersRange) {
    EXPECT_EQ(typedFaderValue(kOutputEntry, "-1.5"), 25500.0f);
    EXPECT_EQ(enteredFaderValue(kOutputEntry, "-1.5"), 24000.0f) << "no cut below 0 dB";
    EXPECT_EQ(enteredFaderValue(kOutputEntry, "30"), 0.0f) << "+24 dB at most";
    EXPECT_EQ(enteredFaderValue(kReleaseEntry, "1000"), 999.0f);
    EXPECT_EQ(enteredFaderValue(kReleaseEntry, "5"), 10.0f);
    EXPECT_EQ(enteredFaderValue(kRatioEntry, "0.5"), 2.0f);
    EXPECT_EQ(enteredFaderValue(kRatioEntry, "31"), 60.0f);
    EXPECT_EQ(typedFaderValue(kThrLimEntry, "-30"), 60.0f);
    EXPECT_EQ(enteredFaderValue(kThrLimEntry, "-30"), 48.0f) << "-24 dB at most";
    EXPECT_EQ(enteredFaderValue(kThrCompEntry, "-30"), 60.0f);
    EXPECT_EQ(enteredFaderValue(kThrCompEntry, "40"), 72.0f) << "-36 dB at most";
    EXPECT_EQ(enteredFaderValue(kThrCompEntry, "0"), 1.0f) << "-0.5 dB at least";
    EXPECT_EQ(enteredFaderValue(kThrCompEntry, "1e9"), 72.0f);
}

TEST(TypedValue, TextThatIsNoNumberReadsAsZero) {
    for (const char* text : {"", "abc", " dB", "\r\n", "nan", "-nan"}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(enteredFaderValue(kOutputEntry, text), 24000.0f) << "0 dB";
        EXPECT_EQ(enteredFaderValue(kReleaseEntry, text), 10.0f);
        EXPECT_EQ(enteredFaderValue(kRatioEntry, text), 2.0f) << "1:1";
        EXPECT_EQ(enteredFaderValue(kThrCompEntry, text), 1.0f) << "-0.5 dB";
        EXPECT_EQ(enteredFaderValue(kThrLimEntry, text), 0.0f) << "0 dB";
    }
}
