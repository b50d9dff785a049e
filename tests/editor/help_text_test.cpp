// The manual's layout: where its headings fall, the bands behind them, and
// how far the page scrolls.
#include "editor/help_text.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// The lines of the whole page, numbered from its top, as the blocks place them.
std::vector<std::string> pageLines() {
    std::vector<std::string> page(help::kScrollMax + 1);
    for (int b = 0; b < help::kBlockCount; ++b) {
        std::string text = help::kBlocks[b];
        int line = help::kBlockStartLine[b];
        std::size_t from = 0;
        for (;;) {
            std::size_t end = text.find('\n', from);
            std::string piece = text.substr(from, end == std::string::npos ? end : end - from);
            if (line <= help::kScrollMax) page[line] = piece;
            ++line;
            if (end == std::string::npos) break;
            from = end + 1;
        }
    }
    return page;
}

int lineCount(const char* text) {
    int n = 1;
    for (const char* p = text; *p; ++p)
        n += *p == '\n';
    return n;
}

} // namespace

TEST(HelpText, EveryBandLiesBehindItsHeading) {
    const char* headings[help::kBandCount] = {"1. Tarvexor features",
                                              "Hints :",
                                              "2. Tarvexor controls",
                                              "Threshold faders",
                                              "Ratio fader",
                                              "Release fader",
                                              "Reduction level display",
                                              "Soft switch",
                                              "Auto Normalize switch",
                                              "Final dither",
                                              "Bypass",
                                              "Output fader",
                                              "Output level display",
                                              "WaveDisplay",
                                              "LookAhead fader",
                                              "RMS Display",
                                              "3. How to use Tarvex ?"};
    std::vector<std::string> page = pageLines();
    for (int i = 0; i < help::kBandCount; ++i) {
        const help::Band& band = help::kBands[i];
        EXPECT_EQ(page[band.line], headings[i]) << "band at line " << band.line;
        EXPECT_EQ(band.height, i == 0 || i == 2 || i == 16 ? 24 : 14) << headings[i];
    }
}

TEST(HelpText, BlocksFitBetweenTheirStartsAndThePageEnd) {
    for (int b = 0; b < help::kBlockCount; ++b) {
        int end = b + 1 < help::kBlockCount ? help::kBlockStartLine[b + 1] : help::kScrollMax + 1;
        EXPECT_LE(help::kBlockStartLine[b] + lineCount(help::kBlocks[b]), end) << "block " << b;
    }
}

// A main heading's band reaches 5 pixels into the lines around it.
TEST(HelpText, MainHeadingsHaveEmptyLinesAroundThem) {
    std::vector<std::string> page = pageLines();
    for (const help::Band& band : help::kBands) {
        if (help::isSubheading(band)) continue;
        if (band.line > 0) {
            EXPECT_EQ(page[band.line - 1], "") << band.line;
        }
        EXPECT_EQ(page[band.line + 1], "") << band.line;
    }
}

TEST(HelpText, TextHoldsNoCharacterThatDrawingWouldInterpret) {
    for (const char* block : help::kBlocks)
        for (const char* p = block; *p; ++p) {
            EXPECT_NE(*p, '&') << "drawn as an underline prefix";
            EXPECT_NE(*p, '\t');
            EXPECT_NE(*p, '\r');
        }
}

TEST(HelpText, BandRowsFollowTheFirstLineShown) {
    help::Band hints{14, 14}, features{1, 24};
    EXPECT_EQ(help::bandRows(hints, 0).top, 196);
    EXPECT_EQ(help::bandRows(hints, 0).bottom, 210);
    EXPECT_EQ(help::bandRows(features, 0).top, 9);
    EXPECT_EQ(help::bandRows(features, 0).bottom, 33);
    EXPECT_EQ(help::bandRows(features, 3).top, -33) << "above the client area";
    EXPECT_EQ(help::bandRows(hints, 10).top, 56);
    EXPECT_EQ(help::blockTop(4, 121), 84);
    EXPECT_EQ(help::blockTop(0, 1), -14);
}

TEST(HelpText, ScrollRequestsMoveByLinesPagesOrToTheThumb) {
    using help::ScrollRequest;
    EXPECT_EQ(help::scrollDelta(ScrollRequest::lineUp, 99, 50), -1);
    EXPECT_EQ(help::scrollDelta(ScrollRequest::lineDown, 99, 50), 1);
    EXPECT_EQ(help::scrollDelta(ScrollRequest::pageUp, 99, 50), -8);
    EXPECT_EQ(help::scrollDelta(ScrollRequest::pageDown, 99, 50), 8);
    EXPECT_EQ(help::scrollDelta(ScrollRequest::thumbTrack, 20, 50), -30);
    EXPECT_EQ(help::scrollDelta(ScrollRequest::other, 20, 50), 0);
    EXPECT_EQ(help::kLastTopLine, 121);
    EXPECT_EQ(help::clampTopLine(-3), 0);
    EXPECT_EQ(help::clampTopLine(121), 121);
    EXPECT_EQ(help::clampTopLine(122), 121);
}
