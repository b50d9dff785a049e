// The editor window as a host sees it under Wine: its size, what it draws
// where, and the life of the shared resources.
#include "tests/wine/editor_fixture.h"

#include <cstdio>
#include <vector>

using namespace editortest;
using testhost::dispatch;

namespace {

bool classRegistered() {
    WNDCLASSA wc;
    return GetClassInfoA(pluginModule(), "Tarvex", &wc) != 0;
}

int handleOffset(float value, float lo, float hi, float travel) {
    return static_cast<int>((value - lo) / (hi - lo) * (travel - 1));
}

} // namespace

class EditorWindow : public EditorTest {
  protected:
    std::vector<std::uint32_t> area(int left, int top, int width, int height) const {
        std::vector<std::uint32_t> pixels;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                pixels.push_back(rgbOf(windowPixel(left + x, top + y)));
        return pixels;
    }
    std::vector<std::uint32_t> displayAt(int left, int top) const {
        return area(left, top, 45, 12);
    }
};

TEST_F(EditorWindow, RectangleBeforeOpenAndWindowGeometry) {
    ERect* rect = nullptr;
    EXPECT_EQ(dispatch(fx.get(), effEditGetRect, 0, 0, &rect), 1);
    ASSERT_NE(rect, nullptr);
    EXPECT_EQ(rect->top, 0);
    EXPECT_EQ(rect->left, 0);
    EXPECT_EQ(rect->bottom, 283);
    EXPECT_EQ(rect->right, 511);
    EXPECT_EQ(fx->flags, 29);
    openEditor();
    HWND window = editorWindow();
    ASSERT_NE(window, nullptr);
    char name[32] = {};
    GetClassNameA(window, name, sizeof(name));
    EXPECT_STREQ(name, "Tarvex");
    GetWindowTextA(window, name, sizeof(name));
    EXPECT_STREQ(name, "Tarvexor");
    RECT client;
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, 511);
    EXPECT_EQ(client.bottom, 283);
    EXPECT_TRUE(GetWindowLongA(window, GWL_STYLE) & WS_CHILD);
}

TEST_F(EditorWindow, BackgroundShowsWhereNoControlIs) {
    openEditor();
    ResourceBitmap background(118);
    ASSERT_EQ(background.width(), 511);
    ASSERT_EQ(background.height(), 283);
    const POINT spots[] = {{2, 2}, {505, 278}, {250, 276}, {170, 140}, {320, 5}, {60, 250}};
    for (POINT p : spots)
        EXPECT_EQ(rgbOf(windowPixel(p.x, p.y)), rgbOf(background.pixel(p.x, p.y)))
            << "at " << p.x << "," << p.y;
}

TEST_F(EditorWindow, FaderHandlesSitAtTheirValues) {
    openEditor();
    ResourceBitmap green(125), red(116), blue(117), look(130);
    // "Init": ThrComp 20, ThrLim 1, Ratio 6, Output 24000, LookAhead 999.
    int t = handleOffset(20, 1, 72, 155);
    EXPECT_EQ(rgbOf(windowPixel(35 + 10, 66 + t)), rgbOf(green.pixel(10, 16)));
    EXPECT_EQ(rgbOf(green.pixel(10, 16)), 0x00A000u) << "the threshold handle's value line";
    int l = handleOffset(1, 0, 48, 93);
    EXPECT_EQ(rgbOf(windowPixel(14 + 8, 66 + l)), rgbOf(red.pixel(8, 16)));
    int r = handleOffset(6, 2, 60, 155);
    EXPECT_EQ(rgbOf(windowPixel(78 + 10, 66 + r)), rgbOf(blue.pixel(10, 16)));
    int o = handleOffset(24000, 0, 24000, 110);
    EXPECT_EQ(rgbOf(windowPixel(411 + 10, 103 + o)), rgbOf(blue.pixel(10, 16)));
    int h = handleOffset(999, 3, 999, 57);
    EXPECT_EQ(rgbOf(windowPixel(86 + h - 11 + 10, 256 + 6)), rgbOf(look.pixel(10, 6)));
}

TEST_F(EditorWindow, HandleFollowsAParameterChangeAtTheNextIdle) {
    openEditor();
    ResourceBitmap green(125), background(118);
    int before = handleOffset(20, 1, 72, 155);
    setParameter(4, 60.0f);
    pump(100);
    int after = handleOffset(60, 1, 72, 155);
    EXPECT_EQ(rgbOf(windowPixel(45, 66 + after)), rgbOf(green.pixel(10, 16)));
    EXPECT_EQ(rgbOf(windowPixel(45, 66 + before)), rgbOf(background.pixel(45, 66 + before)))
        << "the old handle is erased";
}

TEST_F(EditorWindow, DisplaysShowTheirTexts) {
    openEditor();
    const COLORREF white = RGB(255, 255, 255), lightBlue = RGB(204, 228, 255);
    EXPECT_EQ(displayAt(14, 13), expectedDisplay("-10.0 dB", white, 1));
    EXPECT_EQ(displayAt(66, 13), expectedDisplay("3.0 : 1", white, 1));
    // With Auto release on the release display shows the automatic time from the first
    // display tick on (250 ms before any audio), marked light blue.
    SendMessageA(editorWindow(), WM_USER + 5, 0, 0);
    EXPECT_EQ(displayAt(118, 13), expectedDisplay("250 ms", lightBlue, 1));
    EXPECT_EQ(displayAt(398, 51), expectedDisplay("0.00 dB", white, 2));
    setParameter(5, 14000.0f);
    setParameter(10, 0.0f);
    pump(100);
    EXPECT_EQ(displayAt(398, 51), expectedDisplay("10.00 dB", white, 2));
    EXPECT_EQ(displayAt(118, 13), expectedDisplay("250 ms", white, 1));
}

TEST_F(EditorWindow, SwitchFacesFollowTheParameters) {
    openEditor();
    ResourceBitmap softFace(142), bypassFace(103), background(118);
    EXPECT_EQ(rgbOf(windowPixel(354 + 22, 118 + 3)), rgbOf(softFace.pixel(22, 3))) << "Soft on";
    EXPECT_EQ(rgbOf(windowPixel(354 + 22, 196 + 3)), rgbOf(background.pixel(376, 199)));
    setParameter(3, 1.0f);
    setParameter(0, 0.0f);
    pump(100);
    EXPECT_EQ(rgbOf(windowPixel(354 + 22, 196 + 3)), rgbOf(bypassFace.pixel(22, 3)));
    EXPECT_EQ(rgbOf(windowPixel(354 + 22, 118 + 3)), rgbOf(background.pixel(376, 121)));
}

TEST_F(EditorWindow, WavePanelCornerCarriesTheGlow) {
    openEditor();
    ResourceBitmap background(118), glow(127);
    for (POINT p : {POINT{0, 0}, POINT{5, 3}, POINT{41, 15}, POINT{20, 8}}) {
        int red = GetRValue(glow.pixel(p.x, p.y));
        float scale = static_cast<float>(255 - red) / 255;
        COLORREF bg = background.pixel(175 + p.x, 13 + p.y);
        COLORREF expected = RGB(static_cast<int>(GetRValue(bg) * scale + red),
                                static_cast<int>(GetGValue(bg) * scale + red),
                                static_cast<int>(GetBValue(bg) * scale + red));
        EXPECT_EQ(rgbOf(windowPixel(175 + p.x, 13 + p.y)), rgbOf(expected))
            << "at " << p.x << "," << p.y;
    }
    EXPECT_EQ(rgbOf(windowPixel(175 + 60, 13 + 100)), rgbOf(background.pixel(235, 113)))
        << "no glow outside the corner";
}

TEST_F(EditorWindow, OpenCloseReopenRegistersTheClassOnce) {
    EXPECT_FALSE(classRegistered());
    openEditor();
    EXPECT_TRUE(classRegistered());
    host->close();
    EXPECT_FALSE(classRegistered());
    host = std::make_unique<host::EditorHostWindow>(fx.get());
    openEditor();
    EXPECT_TRUE(classRegistered());
}

TEST_F(EditorWindow, TwoInstancesShareTheResources) {
    testhost::Instance other;
    host::EditorHostWindow second(other.get());
    openEditor();
    ASSERT_TRUE(second.open());
    second.pump(50);
    host->close();
    EXPECT_TRUE(classRegistered()) << "the second editor still needs the class";
    ResourceBitmap background(118);
    HWND w = second.editorWindow();
    HDC dc = GetDC(w);
    EXPECT_EQ(rgbOf(GetPixel(dc, 2, 2)), rgbOf(background.pixel(2, 2)));
    ReleaseDC(w, dc);
    second.close();
    EXPECT_FALSE(classRegistered());
}

TEST_F(EditorWindow, ClosingTheEffectWithTheWindowOpenTakesTheWindowDown) {
    AEffect* effect = testhost::plugin().create(testhost::recordingHost);
    ASSERT_NE(effect, nullptr);
    {
        host::EditorHostWindow window(effect);
        ASSERT_TRUE(window.open());
        window.pump(50);
        HWND editor = window.editorWindow();
        ASSERT_TRUE(IsWindow(editor));
        dispatch(effect, effClose);
        window.forgetEffect();
        EXPECT_FALSE(IsWindow(editor));
        window.pump(300); // timers of a freed effect would crash here
    }
    EXPECT_FALSE(classRegistered());
}

TEST_F(EditorWindow, OpeningClearsTheEnergySums) {
    std::vector<float> loud(4096, 0.5f), out(4096);
    testhost::processBlock(fx.get(), loud.data(), out.data(), 4096);
    openEditor(50);
    InvalidateRect(editorWindow(), nullptr, FALSE);
    pump(50);
    EXPECT_EQ(area(398, 14, 46, 14), expectedReadout("-INF"))
        << "sums from before the window opened are not shown";
    EXPECT_NE(expectedReadout("-INF"), expectedReadout("-3.0 dB"));
}

TEST(EditorWindowTable, A129thWindowIsRefusedCleanly) {
    std::vector<std::unique_ptr<testhost::Instance>> instances;
    std::vector<std::unique_ptr<host::EditorHostWindow>> windows;
    for (int i = 0; i < 128; ++i) {
        instances.push_back(std::make_unique<testhost::Instance>());
        windows.push_back(std::make_unique<host::EditorHostWindow>(instances.back()->get()));
        ASSERT_TRUE(windows.back()->open()) << "window " << i;
    }
    testhost::Instance extra;
    host::EditorHostWindow refused(extra.get());
    EXPECT_FALSE(refused.open());
    windows.front()->close();
    windows.front().reset();
    host::EditorHostWindow accepted(extra.get());
    EXPECT_TRUE(accepted.open()) << "a freed slot is used again";
    accepted.close();
    windows.clear();
    EXPECT_FALSE(classRegistered());
}

TEST_F(EditorWindow, OpeningAgainWithoutCloseMovesTheWindowToTheNewParent) {
    openEditor();
    HWND first = editorWindow();
    HWND frame = CreateWindowExA(0, "STATIC", "frame", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 600,
                                 400, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(testhost::dispatch(fx.get(), effEditOpen, 0, 0, frame), 1);
    EXPECT_FALSE(IsWindow(first)) << "the old window goes";
    HWND moved = GetWindow(frame, GW_CHILD);
    ASSERT_NE(moved, nullptr);
    pump(100);
    ResourceBitmap background(118);
    HDC dc = GetDC(moved);
    EXPECT_EQ(rgbOf(GetPixel(dc, 2, 2)), rgbOf(background.pixel(2, 2)));
    ReleaseDC(moved, dc);
    testhost::dispatch(fx.get(), effEditClose);
    EXPECT_FALSE(IsWindow(moved));
    DestroyWindow(frame);
    EXPECT_FALSE(classRegistered());
}

TEST_F(EditorWindow, ClosingAndReopeningIntoAKeptFrameLeavesNoWindowsBehind) {
    testhost::Instance other;
    host::EditorHostWindow second(other.get());
    ASSERT_TRUE(second.open()) << "another editor keeps the shared resources in use";
    openEditor();
    HWND frame = host->parent();
    for (int cycle = 0; cycle < 300; ++cycle) {
        testhost::dispatch(fx.get(), effEditClose);
        ASSERT_EQ(GetWindow(frame, GW_CHILD), nullptr) << "cycle " << cycle;
        ASSERT_EQ(testhost::dispatch(fx.get(), effEditOpen, 0, 0, frame), 1) << "cycle " << cycle;
    }
    HWND child = GetWindow(frame, GW_CHILD);
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(GetWindow(child, GW_HWNDNEXT), nullptr) << "one editor window in the frame";
    host->close();
    second.close();
    EXPECT_FALSE(classRegistered());
}
