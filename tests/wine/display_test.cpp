// The display tick seen in the window: the wave panel's columns, threshold
// lines and zoom, the meters' bars and peak lines, and the RMS readout. The
// editor opens with a display speed that no timer matches, so only the ticks
// the test sends move the display.
#include "tests/wine/editor_fixture.h"

#include <cmath>
#include <optional>
#include <utility>
#include <vector>

using namespace editortest;

namespace {

constexpr UINT kTick = WM_USER + 5;
constexpr int kBlock = 4410; // 100 ms at 44.1 kHz

enum Param { kNormalize = 1, kDither = 2, kBypass = 3, kThrComp = 4, kOutput = 5, kZoom = 8 };
constexpr int kThrLim = 11;

// Colours of the "Icy" scheme and the meters' pens, as 0xRRGGBB.
constexpr std::uint32_t kLimitedColour = 0xC8DCFF;
constexpr std::uint32_t kCompThresholdColour = 0x00C800;
constexpr std::uint32_t kLimThresholdColour = 0xC80000;
constexpr std::uint32_t kGreenPen = 0x00A000, kRedPen = 0xC80000, kBluePen = 0x6E83F1;

// Display settings written for the editor's open and put back right after:
// no timer drives the display, "Icy" colours, the widest zoom range, and
// the hold time in ticks.
class StoredSettings {
  public:
    explicit StoredSettings(DWORD peakHoldTicks)
        : values{{"subDS", 0}, {"subCO", 1}, {"subWZ", 2}, {"subPH", peakHoldTicks}} {
        DWORD created = 0;
        RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\OrbanePlugIns\\Tarvexor", 0, nullptr, 0,
                        KEY_ALL_ACCESS, nullptr, &key, &created);
        createdKey = created == REG_CREATED_NEW_KEY;
        for (auto [name, value] : values) {
            saved.push_back(read(name));
            RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), 4);
        }
    }
    ~StoredSettings() {
        for (std::size_t i = 0; i < saved.size(); ++i)
            restore(values[i].first, saved[i]);
        RegCloseKey(key);
        if (createdKey) RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\OrbanePlugIns\\Tarvexor");
    }

  private:
    struct Value {
        DWORD type = 0;
        std::vector<BYTE> bytes;
    };
    std::optional<Value> read(const char* name) {
        Value v;
        v.bytes.resize(64);
        DWORD size = 64;
        if (RegQueryValueExA(key, name, nullptr, &v.type, v.bytes.data(), &size) != ERROR_SUCCESS)
            return std::nullopt;
        v.bytes.resize(size);
        return v;
    }
    void restore(const char* name, const std::optional<Value>& v) {
        if (!v)
            RegDeleteValueA(key, name);
        else
            RegSetValueExA(key, name, 0, v->type, v->bytes.data(),
                           static_cast<DWORD>(v->bytes.size()));
    }
    std::pair<const char*, DWORD> values[4];
    HKEY key = nullptr;
    bool createdKey = false;
    std::vector<std::optional<Value>> saved;
};

std::vector<float> square(float amplitude, int frames = kBlock) {
    std::vector<float> s(frames);
    for (int i = 0; i < frames; ++i)
        s[i] = (i / 50) % 2 ? -amplitude : amplitude;
    return s;
}

// 44 whole periods of a full-scale sine, so that every tick's share of the
// sums has the sine's mean square.
std::vector<float> sine() {
    std::vector<float> s(4400);
    for (int i = 0; i < 4400; ++i)
        s[i] = static_cast<float>(std::sin(2 * 3.14159265358979 * i / 100.0));
    return s;
}

} // namespace

class DisplayTick : public EditorTest {
  protected:
    // Thresholds at 0 dB, no dither, no normalize, output 0 dB, Zoom 2: what
    // goes in comes out, and a full-scale peak reaches the panel's edges.
    void openTransparent() {
        setParameter(kNormalize, 0.0f);
        setParameter(kDither, 0.0f);
        setParameter(kThrComp, 0.0f);
        setParameter(kThrLim, 0.0f);
        setParameter(kOutput, 24000.0f);
        setParameter(kZoom, 2.0f);
        openStill();
    }
    void openStill(DWORD peakHoldTicks = 32) {
        {
            StoredSettings settings(peakHoldTicks);
            openEditor(100);
        }
        settle();
    }
    // Empty bars and expired peak memories: enough silent ticks for the
    // starting values and the first hold time to pass.
    void settle() { tick(40); }
    void tick(int count = 1) {
        for (int i = 0; i < count; ++i)
            SendMessageA(editorWindow(), kTick, 0, 0);
    }
    void feed(const std::vector<float>& signal) {
        std::vector<float> out(signal.size());
        testhost::processBlock(fx.get(), signal.data(), out.data(),
                               static_cast<int>(signal.size()));
    }
    // Feeds the signal, makes it the newest column and scrolls it into view
    // at panel column 121.
    void showColumn(const std::vector<float>& signal) {
        feed(signal);
        tick(2);
    }
    void change(int index, float value) {
        setParameter(index, value);
        pump(60); // the next idle brings the editor up to date
    }
    image::Picture shot() const { return host->capture(); }
    static std::uint32_t panel(const image::Picture& p, int column, int row) {
        return p.pixel(175 + column, 13 + row);
    }
    // Rows of a panel column that show the colour.
    static std::vector<int> rowsOf(const image::Picture& p, int column, std::uint32_t colour) {
        std::vector<int> rows;
        for (int r = 0; r < 256; ++r)
            if (panel(p, column, r) == colour) rows.push_back(r);
        return rows;
    }
    static std::vector<int> span(int first, int last) {
        std::vector<int> rows;
        for (int r = first; r <= last; ++r)
            rows.push_back(r);
        return rows;
    }
    std::vector<std::uint32_t> area(int left, int top, int width, int height) const {
        image::Picture p = shot();
        std::vector<std::uint32_t> pixels;
        for (int y = top; y < top + height; ++y)
            for (int x = left; x < left + width; ++x)
                pixels.push_back(p.pixel(x, y));
        return pixels;
    }
    std::vector<std::uint32_t> readout() const { return area(398, 14, 46, 14); }
    std::vector<std::uint32_t> outputDisplay() const { return area(398, 51, 45, 12); }
};

TEST_F(DisplayTick, SilenceLeavesTheGridAndDrawsTheThresholdLines) {
    openStill(); // "Init": ThrComp 20 (-10 dB), ThrLim 1 (-0.5 dB), Zoom 2
    image::Picture p = shot();
    ResourceBitmap background(118);
    int comp = static_cast<int>(std::pow(10.0f, -20 / 40.0f) * 64 * 2 - 1);
    int lim = static_cast<int>(std::pow(10.0f, -1 / 40.0f) * 64 * 2);
    ASSERT_EQ(comp, 39);
    ASSERT_EQ(lim, 120);
    int differing = 0;
    for (int c = 0; c < 122; ++c) {
        EXPECT_EQ(panel(p, c, 127 - comp), kCompThresholdColour) << c;
        EXPECT_EQ(panel(p, c, 128 + comp), kCompThresholdColour) << c;
        EXPECT_EQ(panel(p, c, 128 + lim), kLimThresholdColour) << c;
        if (c > 41) { // the upper limiter line runs under the glow before that
            EXPECT_EQ(panel(p, c, 127 - lim), kLimThresholdColour) << c;
        }
        for (int r = 0; r < 256; ++r) {
            bool line = r == 127 - comp || r == 128 + comp || r == 127 - lim || r == 128 + lim;
            if (line || (c <= 41 && r <= 15)) continue; // the lines and the glow
            differing += panel(p, c, r) != rgbOf(background.pixel(175 + c, 13 + r));
        }
    }
    EXPECT_EQ(differing, 0) << "the grid shows everywhere else";
}

TEST_F(DisplayTick, FullScaleSquareAtZoomTwoFillsItsColumnWithTheLimitedColour) {
    openTransparent();
    showColumn(square(1.0f));
    image::Picture p = shot();
    EXPECT_EQ(rowsOf(p, 121, kLimitedColour), span(1, 254));
    // At 0 dB and Zoom 2 the compressor's lines lie on the panel's edges.
    EXPECT_EQ(panel(p, 121, 0), kCompThresholdColour);
    EXPECT_EQ(panel(p, 121, 255), kCompThresholdColour);
    EXPECT_TRUE(rowsOf(p, 120, kLimitedColour).empty()) << "the column before was silent";
}

TEST_F(DisplayTick, HalfScaleFillsHalfAtZoomTwoAndIsCutAtZoomThirtyTwo) {
    openTransparent();
    showColumn(square(0.5f));
    EXPECT_EQ(rowsOf(shot(), 121, kLimitedColour), span(64, 191));
    change(kZoom, 32.0f);
    showColumn(square(0.5f));
    image::Picture p = shot();
    EXPECT_EQ(rowsOf(p, 121, kLimitedColour), span(0, 255)) << "cut at 128 both ways";
    EXPECT_EQ(rowsOf(p, 119, kLimitedColour), span(0, 255)) << "the older column, redrawn";
    change(kZoom, 4.0f);
    showColumn(square(0.125f));
    EXPECT_EQ(rowsOf(shot(), 121, kLimitedColour), span(96, 159));
}

TEST_F(DisplayTick, ZoomChangeRedrawsThePastColumnsAtOnce) {
    openTransparent();
    showColumn(square(0.25f));
    tick(3); // the column moves to 118
    image::Picture before = shot();
    EXPECT_EQ(rowsOf(before, 118, kLimitedColour), span(96, 159));
    change(kZoom, 8.0f);
    tick(); // composes the redrawn traces; the column moves to 117
    image::Picture after = shot();
    EXPECT_EQ(rowsOf(after, 117, kLimitedColour), span(0, 255));
    EXPECT_TRUE(rowsOf(after, 116, kLimitedColour).empty());
    EXPECT_TRUE(rowsOf(after, 118, kLimitedColour).empty());
}

TEST_F(DisplayTick, BypassScrollsInEmptyColumnsThatStayEmpty) {
    openTransparent();
    feed(square(1.0f)); // extremes gathered before Bypass went on
    change(kBypass, 1.0f);
    tick(2);
    EXPECT_TRUE(rowsOf(shot(), 121, kLimitedColour).empty());
    change(kBypass, 0.0f);
    showColumn(square(0.25f));
    change(kZoom, 16.0f);
    tick();
    image::Picture p = shot();
    EXPECT_EQ(rowsOf(p, 120, kLimitedColour), span(0, 255)) << "the unbypassed column";
    EXPECT_TRUE(rowsOf(p, 118, kLimitedColour).empty()) << "the bypassed column's history is 0";
}

TEST_F(DisplayTick, ThresholdsAtMinusSixDecibelsAtZoomTwo) {
    setParameter(kThrComp, 12.0f);
    setParameter(kThrLim, 12.0f);
    setParameter(kZoom, 2.0f);
    openStill();
    image::Picture p = shot();
    EXPECT_EQ(rowsOf(p, 60, kCompThresholdColour), (std::vector<int>{64, 191}));
    EXPECT_EQ(rowsOf(p, 60, kLimThresholdColour), (std::vector<int>{63, 192}));
    EXPECT_EQ(rowsOf(p, 0, kLimThresholdColour), (std::vector<int>{63, 192}))
        << "the lines run across the whole panel";
}

TEST_F(DisplayTick, FullScalePeakReaches193PixelsWithAGreenLineLouderIsRed) {
    openTransparent();
    ResourceBitmap bar(106), background(118);
    feed(square(1.0f));
    tick();
    image::Picture p = shot();
    for (int x : {460 + 7, 476 + 7}) {
        EXPECT_EQ(p.pixel(x, 77), rgbOf(bar.pixel(7, 64))) << "193 pixels: the top at row 77";
        EXPECT_EQ(p.pixel(x, 269), rgbOf(bar.pixel(7, 256)));
        EXPECT_EQ(p.pixel(x, 76), rgbOf(background.pixel(x, 76)));
    }
    feed(square(1.0f));
    tick(); // the bar falls by one pixel and uncovers the held peak
    p = shot();
    for (int x = 460; x < 475; ++x)
        EXPECT_EQ(p.pixel(x, 77), kGreenPen) << x;
    for (int x = 476; x < 491; ++x)
        EXPECT_EQ(p.pixel(x, 77), kGreenPen) << x;
    EXPECT_EQ(p.pixel(467, 78), rgbOf(bar.pixel(7, 65)));
    change(kOutput, 23000.0f); // +1 dB: 204 pixels, then 203
    for (int i = 0; i < 2; ++i) {
        feed(square(1.0f));
        tick();
    }
    p = shot();
    EXPECT_EQ(p.pixel(467, 270 - 204), kRedPen);
    EXPECT_EQ(p.pixel(467, 270 - 203), rgbOf(bar.pixel(7, 257 - 203)));
}

TEST_F(DisplayTick, SteadyLevelAlternatesBetweenTwoHeights) {
    openTransparent();
    ResourceBitmap bar(106);
    std::vector<bool> topRowIsBar;
    for (int i = 0; i < 6; ++i) {
        feed(square(1.0f));
        tick();
        topRowIsBar.push_back(shot().pixel(467, 77) == rgbOf(bar.pixel(7, 64)));
    }
    EXPECT_EQ(topRowIsBar, (std::vector<bool>{true, false, true, false, true, false}));
}

TEST_F(DisplayTick, AutoNormalizeStopsTheBarsAt192AndShowsTheOutputItSettledOn) {
    openTransparent();
    change(kNormalize, 1.0f);
    ResourceBitmap bar(106), background(118);
    for (int i = 0; i < 4; ++i) {
        feed(square(0.5f));
        tick();
        image::Picture p = shot();
        for (int x : {467, 483})
            for (int y = 13; y < 78; ++y)
                ASSERT_EQ(p.pixel(x, y), rgbOf(background.pixel(x, y)))
                    << "tick " << i << " at " << x << "," << y << ": nothing above 192 pixels";
        EXPECT_EQ(p.pixel(467, 79), rgbOf(bar.pixel(7, 66))) << "the bar is up";
    }
    // Processing lowered the gain from +24 dB to 0.99995 / 0.5: the tick shows
    // the Output value that gain stands for, in the Auto Normalize colour.
    EXPECT_EQ(outputDisplay(), expectedDisplay("6.02 dB", RGB(204, 228, 255), 2));
}

TEST_F(DisplayTick, BypassEmptiesTheBars) {
    openTransparent();
    change(kThrLim, 12.0f); // the limiter takes 6 dB off a full-scale square
    ResourceBitmap levelBar(106), reductionBar(107), background(118);
    feed(square(1.0f));
    tick();
    image::Picture p = shot();
    EXPECT_EQ(p.pixel(334, 13 + 100), rgbOf(reductionBar.pixel(6, 100))) << "about 6 dB";
    EXPECT_EQ(p.pixel(334, 13 + 140), rgbOf(background.pixel(334, 153)));
    EXPECT_EQ(p.pixel(467, 260), rgbOf(levelBar.pixel(7, 247)));
    change(kBypass, 1.0f);
    feed(square(1.0f));
    tick();
    p = shot();
    EXPECT_EQ(p.pixel(334, 13 + 100), rgbOf(background.pixel(334, 113)));
    EXPECT_EQ(p.pixel(334, 14), rgbOf(background.pixel(334, 14)));
    EXPECT_EQ(p.pixel(467, 260), rgbOf(background.pixel(467, 260)));
    EXPECT_EQ(p.pixel(483, 269), rgbOf(background.pixel(483, 269)));
}

TEST_F(DisplayTick, ReductionPeakLineStaysBelowTheRisingBar) {
    openTransparent();
    change(kThrLim, 12.0f);
    feed(square(1.0f));
    tick();
    int length = 0;
    image::Picture p = shot();
    ResourceBitmap reductionBar(107);
    while (length < 256 && p.pixel(334, 13 + length) == rgbOf(reductionBar.pixel(6, length)))
        ++length;
    EXPECT_NEAR(length, 128, 2) << "6 dB at 21.3 pixels per dB";
    tick(2); // silence: the bar rises, the held peak stays
    p = shot();
    for (int x = 328; x < 341; ++x)
        EXPECT_EQ(p.pixel(x, 13 + length), kBluePen) << x;
}

TEST_F(DisplayTick, RmsReadoutOfAFullScaleSineAndOfSilence) {
    openTransparent();
    for (int i = 0; i < 24; ++i) { // the second reading covers the sine alone
        feed(sine());
        tick();
    }
    EXPECT_EQ(readout(), expectedReadout("0.0 dB"));
    tick(24);
    EXPECT_EQ(readout(), expectedReadout("-INF"));
    EXPECT_NE(expectedReadout("0.0 dB"), expectedReadout("-INF"));
}

TEST_F(DisplayTick, ClickOnAMeterDropsItsHeldPeakAtTheNextTick) {
    openTransparent();
    change(kThrLim, 12.0f);
    ResourceBitmap background(118);
    feed(square(1.0f));
    tick(2); // bars up, then falling under their held peaks
    image::Picture p = shot();
    int reductionRow = 13;
    while (reductionRow < 270 && p.pixel(334, reductionRow) != kBluePen)
        ++reductionRow;
    ASSERT_LT(reductionRow, 270) << "a held reduction peak";
    int levelRow = 13;
    while (levelRow < 270 && p.pixel(467, levelRow) != kGreenPen)
        ++levelRow;
    ASSERT_LT(levelRow, 270) << "a held level peak";
    tick();
    p = shot();
    EXPECT_EQ(p.pixel(334, reductionRow), kBluePen) << "still held without a click";
    EXPECT_EQ(p.pixel(467, levelRow), kGreenPen);
    for (POINT click : {POINT{470, 150}, POINT{334, 200}}) {
        SendMessageA(editorWindow(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(click.x, click.y));
        SendMessageA(editorWindow(), WM_LBUTTONUP, 0, MAKELPARAM(click.x, click.y));
    }
    tick();
    p = shot();
    EXPECT_EQ(p.pixel(334, reductionRow), rgbOf(background.pixel(334, reductionRow)));
    EXPECT_EQ(p.pixel(467, levelRow), rgbOf(background.pixel(467, levelRow)));
    EXPECT_EQ(p.pixel(483, levelRow), rgbOf(background.pixel(483, levelRow)))
        << "bar B's held peak shares the reset";
}

TEST_F(DisplayTick, StoredHoldTimeOfZeroHoldsPeaksForOneTick) {
    setParameter(kThrComp, 0.0f);
    setParameter(kThrLim, 0.0f);
    setParameter(kDither, 0.0f);
    openStill(0);
    ResourceBitmap background(118);
    feed(square(1.0f));
    tick(); // 193 pixels, a new peak at row 77
    tick(); // silence: the bar falls to 96 and the peak follows its top
    image::Picture p = shot();
    EXPECT_EQ(p.pixel(467, 77), rgbOf(background.pixel(467, 77))) << "no peak held at 0 dBFS";
    for (int y = 13; y < 270; ++y)
        EXPECT_NE(p.pixel(467, y), kGreenPen) << "under the bar's top";
}
