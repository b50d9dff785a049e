// The help window as the user sees it: its class and window, the page's
// bands and headings by pixels at several scroll positions, scrolling and
// its bounds, one window per editor, and the class's life across instances.
#include "editor/help_text.h"
#include "tests/wine/editor_fixture.h"
#include "tests/wine/settings_support.h"

#include <memory>
#include <string>

using namespace editortest;
using namespace settingstest;

namespace {

constexpr std::uint32_t kWhite = 0xFFFFFF, kSubheading = 0xF0F0F0, kHeading = 0xDCF2FF;

bool helpClassRegistered() {
    WNDCLASSA wc;
    return GetClassInfoA(pluginModule(), "TarvexHelp", &wc) != 0;
}

HWND theHelpWindow() {
    std::vector<HWND> found = threadWindows("TarvexHelp");
    return found.size() == 1 ? found.front() : nullptr;
}

int firstLine(HWND help) {
    return GetScrollPos(help, SB_VERT);
}

void scroll(HWND help, WORD request, int line = 0) {
    SendMessageA(help, WM_VSCROLL, MAKEWPARAM(request, static_cast<WORD>(line)), 0);
    UpdateWindow(help);
}

// Pixels as 0xRRGGBB, rows top to bottom.
struct Pixels {
    int width = 0, height = 0;
    std::vector<std::uint32_t> rgb;
    std::uint32_t at(int x, int y) const { return rgb[static_cast<std::size_t>(y) * width + x]; }
};

Pixels readDC(HDC source, int width, int height) {
    Pixels p{width, height, {}};
    HDC memory = CreateCompatibleDC(source);
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(source, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ saved = SelectObject(memory, dib);
    BitBlt(memory, 0, 0, width, height, source, 0, 0, SRCCOPY);
    GdiFlush();
    const auto* words = static_cast<const std::uint32_t*>(bits);
    p.rgb.assign(words, words + static_cast<std::size_t>(width) * height);
    for (std::uint32_t& c : p.rgb)
        c &= 0xFFFFFF;
    SelectObject(memory, saved);
    DeleteObject(dib);
    DeleteDC(memory);
    return p;
}

Pixels capture(HWND help) {
    UpdateWindow(help);
    RECT client;
    GetClientRect(help, &client);
    HDC dc = GetDC(help);
    Pixels p = readDC(dc, client.right, client.bottom);
    ReleaseDC(help, dc);
    return p;
}

HFONT helpFont() {
    return CreateFontA(14, 5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
}

// One line of text alone on a band, drawn as the page draws its blocks.
Pixels lineOnBand(const char* text, int width, std::uint32_t band) {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP canvas = CreateCompatibleBitmap(screen, width, help::kLineHeight);
    HGDIOBJ saved = SelectObject(dc, canvas);
    RECT all{0, 0, width, help::kLineHeight};
    HBRUSH brush = CreateSolidBrush(RGB(band >> 16, band >> 8 & 0xFF, band & 0xFF));
    FillRect(dc, &all, brush);
    DeleteObject(brush);
    HFONT font = helpFont();
    HGDIOBJ savedFont = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    RECT box{4, 0, width - 4, 1024};
    DrawTextA(dc, text, -1, &box, DT_WORDBREAK);
    Pixels p = readDC(dc, width, help::kLineHeight);
    SelectObject(dc, savedFont);
    DeleteObject(font);
    SelectObject(dc, saved);
    DeleteObject(canvas);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return p;
}

// The colour of each row at the right edge, where no text reaches: white
// with the bands of the page scrolled to topLine.
std::vector<std::uint32_t> expectedEdge(int height, int topLine) {
    std::vector<std::uint32_t> rows(height, kWhite);
    for (const help::Band& band : help::kBands) {
        help::Rows r = help::bandRows(band, topLine);
        for (int y = std::max(r.top, 0); y < std::min(r.bottom, height); ++y)
            rows[y] = help::isSubheading(band) ? kSubheading : kHeading;
    }
    return rows;
}

std::vector<std::uint32_t> edgeOf(const Pixels& page) {
    std::vector<std::uint32_t> rows;
    for (int y = 0; y < page.height; ++y)
        rows.push_back(page.at(page.width - 2, y));
    return rows;
}

const char* const kHeadings[help::kBandCount] = {"1. Tarvexor features",
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

} // namespace

class HelpWindowTest : public EditorTest {
  protected:
    HWND openHelp() {
        sendCommand(editorWindow(), 40023);
        HWND help = theHelpWindow();
        if (help) UpdateWindow(help);
        return help;
    }
};

TEST_F(HelpWindowTest, OpensWithItsTitleSizeStylesAndScrollRange) {
    openEditor();
    HWND help = openHelp();
    ASSERT_NE(help, nullptr);
    char text[32] = {};
    GetWindowTextA(help, text, sizeof(text));
    EXPECT_STREQ(text, "Tarvexor Help");
    RECT r;
    GetWindowRect(help, &r);
    EXPECT_EQ(r.right - r.left, 360);
    EXPECT_EQ(r.bottom - r.top, 484);
    LONG style = GetWindowLongA(help, GWL_STYLE);
    const LONG wanted = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_VSCROLL | WS_VISIBLE;
    EXPECT_EQ(style & wanted, wanted);
    EXPECT_EQ(style & (WS_CHILD | WS_THICKFRAME | WS_MAXIMIZEBOX | WS_HSCROLL), 0);
    EXPECT_TRUE(GetWindowLongA(help, GWL_EXSTYLE) & WS_EX_APPWINDOW);
    EXPECT_EQ(GetWindow(help, GW_OWNER), host->parent()) << "owned through the editor window";
    SCROLLINFO si = {sizeof(si), SIF_ALL, 0, 0, 0, 0, 0};
    ASSERT_TRUE(GetScrollInfo(help, SB_VERT, &si));
    EXPECT_EQ(si.nMin, 0);
    EXPECT_EQ(si.nMax, 154);
    EXPECT_EQ(si.nPage, 34u);
    EXPECT_EQ(si.nPos, 0);

    WNDCLASSA wc;
    ASSERT_TRUE(GetClassInfoA(pluginModule(), "TarvexHelp", &wc));
    EXPECT_EQ(wc.style, 0u);
    EXPECT_EQ(wc.cbClsExtra, 0);
    EXPECT_EQ(wc.cbWndExtra, 0);
    EXPECT_EQ(wc.hCursor, LoadCursorA(nullptr, IDC_ARROW));
    EXPECT_EQ(wc.hIcon, LoadIconA(nullptr, IDI_QUESTION));
    LOGBRUSH brush = {};
    GetObjectA(wc.hbrBackground, sizeof(brush), &brush);
    EXPECT_EQ(brush.lbColor, RGB(255, 255, 255));
}

TEST_F(HelpWindowTest, BandsLieWhereTheTableSaysAtEveryScrollPosition) {
    openEditor();
    HWND help = openHelp();
    ASSERT_NE(help, nullptr);
    for (int top : {0, 13, 31, 64, 95, 121}) {
        scroll(help, SB_THUMBTRACK, top);
        ASSERT_EQ(firstLine(help), top);
        Pixels page = capture(help);
        EXPECT_EQ(edgeOf(page), expectedEdge(page.height, top)) << "first line " << top;
    }
}

// Each heading, drawn alone on its band, must look exactly like the line of
// the page where its band lies: the wrapped text puts it there.
TEST_F(HelpWindowTest, EveryHeadingFallsOnItsBand) {
    openEditor();
    HWND help = openHelp();
    ASSERT_NE(help, nullptr);
    for (int i = 0; i < help::kBandCount; ++i) {
        const help::Band& band = help::kBands[i];
        int top = help::clampTopLine(band.line - 5);
        scroll(help, SB_THUMBTRACK, top);
        Pixels page = capture(help);
        std::uint32_t colour = help::isSubheading(band) ? kSubheading : kHeading;
        Pixels expected = lineOnBand(kHeadings[i], page.width, colour);
        int y0 = (band.line - top) * help::kLineHeight;
        int wrong = 0, ink = 0;
        for (int y = 0; y < help::kLineHeight; ++y)
            for (int x = 0; x < page.width; ++x) {
                wrong += page.at(x, y0 + y) != expected.at(x, y);
                ink += expected.at(x, y) != colour;
            }
        EXPECT_GT(ink, 20) << kHeadings[i] << ": the heading draws something";
        EXPECT_EQ(wrong, 0) << kHeadings[i] << " on line " << band.line;
    }
}

TEST_F(HelpWindowTest, NoLineOfTheManualNeedsWrapping) {
    openEditor();
    HWND help = openHelp();
    ASSERT_NE(help, nullptr);
    RECT client;
    GetClientRect(help, &client);
    const int textWidth = client.right - 8;
    HDC dc = GetDC(help);
    HFONT font = helpFont();
    HGDIOBJ saved = SelectObject(dc, font);
    int widest = 0;
    for (const char* block : help::kBlocks) {
        std::string text = block;
        std::size_t from = 0;
        while (from <= text.size()) {
            std::size_t end = std::min(text.find('\n', from), text.size());
            SIZE size = {0, 0};
            GetTextExtentPoint32A(dc, text.c_str() + from, static_cast<int>(end - from), &size);
            EXPECT_LE(size.cx, textWidth) << text.substr(from, end - from);
            widest = std::max<int>(widest, size.cx);
            from = end + 1;
        }
    }
    SelectObject(dc, saved);
    DeleteObject(font);
    ReleaseDC(help, dc);
    RecordProperty("widest_line_px", widest);
    RecordProperty("text_width_px", textWidth);
}

TEST_F(HelpWindowTest, ScrollRequestsMoveThePageWithinItsBounds) {
    openEditor();
    HWND help = openHelp();
    ASSERT_NE(help, nullptr);
    scroll(help, SB_LINEUP);
    EXPECT_EQ(firstLine(help), 0) << "nothing above the first line";
    scroll(help, SB_LINEDOWN);
    EXPECT_EQ(firstLine(help), 1);
    scroll(help, SB_PAGEDOWN);
    EXPECT_EQ(firstLine(help), 9);
    scroll(help, SB_PAGEUP);
    EXPECT_EQ(firstLine(help), 1);
    scroll(help, SB_PAGEUP);
    EXPECT_EQ(firstLine(help), 0);
    scroll(help, SB_THUMBPOSITION, 50);
    scroll(help, SB_ENDSCROLL, 50);
    EXPECT_EQ(firstLine(help), 0) << "only the tracked thumb moves the page";

    scroll(help, SB_THUMBTRACK, 120);
    scroll(help, SB_PAGEDOWN);
    EXPECT_EQ(firstLine(help), 121) << "page down at 120 stops at 121";
    Pixels page = capture(help);
    EXPECT_EQ(edgeOf(page), expectedEdge(page.height, 121)) << "the page redrawn at 121";
    scroll(help, SB_PAGEDOWN);
    EXPECT_EQ(firstLine(help), 121);
    scroll(help, SB_LINEDOWN);
    EXPECT_EQ(firstLine(help), 121);
    page = capture(help);
    EXPECT_EQ(edgeOf(page), expectedEdge(page.height, 121));

    scroll(help, SB_THUMBTRACK, 0);
    scroll(help, SB_THUMBTRACK, 200);
    EXPECT_EQ(firstLine(help), 121);
    scroll(help, SB_THUMBTRACK, -5);
    EXPECT_EQ(firstLine(help), 0);
    page = capture(help);
    EXPECT_EQ(edgeOf(page), expectedEdge(page.height, 0));
}

TEST_F(HelpWindowTest, TheWheelScrollsThreeLinesANotch) {
    openEditor();
    HWND help = openHelp();
    ASSERT_NE(help, nullptr);
    auto wheel = [&](int travel) {
        SendMessageA(help, WM_MOUSEWHEEL, MAKEWPARAM(0, travel), 0);
        pump(30);
    };
    wheel(-2 * WHEEL_DELTA);
    EXPECT_EQ(firstLine(help), 6) << "towards the user: down";
    wheel(-WHEEL_DELTA / 2);
    EXPECT_EQ(firstLine(help), 6) << "half a notch";
    wheel(-WHEEL_DELTA / 2);
    EXPECT_EQ(firstLine(help), 9) << "two halves";
    wheel(10 * WHEEL_DELTA);
    EXPECT_EQ(firstLine(help), 0) << "never above the first line";
    Pixels page = capture(help);
    EXPECT_EQ(edgeOf(page), expectedEdge(page.height, 0));
}

TEST_F(HelpWindowTest, AskingAgainRestoresTheOneWindowWhereItWas) {
    openEditor();
    HWND help = openHelp();
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(openHelp(), help);
    EXPECT_EQ(threadWindows("TarvexHelp").size(), 1u);
    scroll(help, SB_THUMBTRACK, 50);
    ShowWindow(help, SW_MINIMIZE);
    ASSERT_TRUE(IsIconic(help));
    HELPINFO info = {sizeof(info), HELPINFO_WINDOW, 0, nullptr, 0, {0, 0}};
    SendMessageA(editorWindow(), WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_FALSE(IsIconic(help)) << "F1 restores the minimised window";
    EXPECT_EQ(threadWindows("TarvexHelp").size(), 1u);
    EXPECT_EQ(firstLine(help), 50) << "and keeps its place";
}

TEST_F(HelpWindowTest, AWindowClosedByTheUserIsCreatedAnew) {
    openEditor();
    HWND help = openHelp();
    ASSERT_NE(help, nullptr);
    scroll(help, SB_THUMBTRACK, 70);
    SendMessageA(help, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(help));
    HWND again = openHelp();
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(firstLine(again), 0);
    Pixels page = capture(again);
    EXPECT_EQ(edgeOf(page), expectedEdge(page.height, 0));
}

TEST(HelpWindowClass, IsSharedByInstancesAndLeavesWithTheLast) {
    EXPECT_FALSE(helpClassRegistered()) << "no instance yet";
    auto first = std::make_unique<testhost::Instance>();
    EXPECT_TRUE(helpClassRegistered());
    auto second = std::make_unique<testhost::Instance>();
    first.reset();
    EXPECT_TRUE(helpClassRegistered()) << "the second instance still needs it";
    {
        host::EditorHostWindow window(second->get());
        ASSERT_TRUE(window.open());
        sendCommand(window.editorWindow(), 40023);
        EXPECT_NE(theHelpWindow(), nullptr) << "the second instance opens its help";
    }
    second.reset();
    EXPECT_FALSE(helpClassRegistered());
}

TEST(HelpWindowClass, DestroyingTheEffectTakesItsHelpWindowDown) {
    auto fx = std::make_unique<testhost::Instance>();
    host::EditorHostWindow window(fx->get());
    ASSERT_TRUE(window.open());
    sendCommand(window.editorWindow(), 40023);
    HWND help = theHelpWindow();
    ASSERT_NE(help, nullptr);
    window.close();
    EXPECT_TRUE(IsWindow(help)) << "closing the editor leaves the help open";
    fx.reset();
    EXPECT_FALSE(IsWindow(help));
}
