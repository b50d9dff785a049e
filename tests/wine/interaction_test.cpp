// The mouse and the keyboard in the editor under Wine: real button and move
// messages to the editor window, typing into its edit boxes, and what the
// host hears through audioMasterAutomate.
#include "tests/wine/editor_fixture.h"

#include <string>
#include <vector>

using namespace editortest;

namespace {

struct Heard {
    int index;
    float value;
    bool operator==(const Heard& o) const { return index == o.index && value == o.value; }
};

std::ostream& operator<<(std::ostream& out, const Heard& h) {
    return out << "{" << h.index << ", " << h.value << "}";
}

using HeardList = std::vector<Heard>;

// A parameter's raw value over its maximum, as the host is told.
Heard normalized(int index, float raw, float maximum) {
    float v = raw / maximum;
    return {index, v == 1.0f ? 0.99999f : v};
}
Heard thrComp(float raw) {
    return normalized(4, raw, 72);
}
Heard output(float raw) {
    return normalized(5, raw, 24000);
}
Heard releaseMs(float raw) {
    return normalized(6, raw, 999);
}
Heard ratio(float raw) {
    return normalized(7, raw, 60);
}
Heard thrLim(float raw) {
    return normalized(11, raw, 48);
}
Heard lookAhead(float raw) {
    return normalized(12, raw, 1000);
}

// Pixel offset of a handle for a value, as the editor places it.
int handleOffset(float value, float lo, float hi, float travel) {
    return static_cast<int>((value - lo) / (hi - lo) * (travel - 1));
}

constexpr int kThrX = 40, kThrY = 66; // threshold fader: 1..72 over 155 pixels
constexpr int kLimX = 20, kLimY = 66; // limiter fader: 0..48 over 93 pixels

// The about box, seen from a timer while it is open, and closed with its button.
struct AboutBoxVisit {
    bool seen = false;
    HWND owner = nullptr;
    bool okOnly = false;
    bool informationIcon = false;
    std::string text;
    int ticks = 0;
};
AboutBoxVisit visit;

BOOL CALLBACK collectText(HWND child, LPARAM) {
    char text[256] = {};
    GetWindowTextA(child, text, sizeof(text));
    visit.text += text;
    visit.text += '|';
    return TRUE;
}

VOID CALLBACK closeAboutBox(HWND, UINT, UINT_PTR id, DWORD) {
    HWND box = FindWindowA("#32770", "Info");
    if (!box || GetWindowThreadProcessId(box, nullptr) != GetCurrentThreadId()) {
        if (++visit.ticks > 100) KillTimer(nullptr, id);
        return;
    }
    KillTimer(nullptr, id);
    visit.seen = true;
    visit.owner = GetWindow(box, GW_OWNER);
    visit.okOnly = GetDlgItem(box, IDOK) && !GetDlgItem(box, IDCANCEL) && !GetDlgItem(box, IDYES);
    HICON shown = reinterpret_cast<HICON>(SendDlgItemMessageA(box, 0x0440, STM_GETICON, 0, 0));
    visit.informationIcon = shown && shown == LoadIconA(nullptr, IDI_INFORMATION);
    EnumChildWindows(box, collectText, 0);
    SendMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
}

} // namespace

class EditorMouse : public EditorTest {
  protected:
    void SetUp() override {
        EditorTest::SetUp();
        openEditor();
        testhost::hostCalls().clear();
    }

    LRESULT send(UINT message, WPARAM keys, int x, int y) {
        return SendMessageA(editorWindow(), message, keys, MAKELPARAM(x, y));
    }
    // Button down and up at one place, then the idle calls that update the controls.
    void click(int x, int y) {
        press(x, y);
        letGo();
    }
    void press(int x, int y) {
        send(WM_LBUTTONDOWN, MK_LBUTTON, x, y);
        pump(40);
    }
    void letGo() {
        send(WM_LBUTTONUP, 0, 0, 0);
        pump(40);
    }
    void move(int x, int y, WPARAM keys = MK_LBUTTON) {
        send(WM_MOUSEMOVE, keys, x, y);
        pump(40);
    }
    void type(HWND box, const std::string& keys) {
        for (char key : keys)
            SendMessageA(box, WM_CHAR, static_cast<unsigned char>(key), 1);
        pump(40);
    }
    // A host parameter change in raw units, brought into the controls.
    void set(int index, float raw) {
        setParameter(index, raw);
        pump(60);
        testhost::hostCalls().clear();
    }
    float parameter(int index) { return fx->getParameter(fx.get(), index); }

    // The automation the host heard since the last clear, all from this effect.
    HeardList heard() const {
        HeardList list;
        for (const testhost::HostCall& c : testhost::hostCalls()) {
            if (c.opcode != audioMasterAutomate) continue;
            EXPECT_EQ(c.effect, fx.get());
            EXPECT_EQ(c.value, 0);
            EXPECT_TRUE(c.nullPtr);
            list.push_back({c.index, c.opt});
        }
        return list;
    }
    void forget() { testhost::hostCalls().clear(); }
    // Wheel notches with the pointer at a client position (the message carries the screen's).
    void wheel(int x, int y, int notches) {
        POINT p{x, y};
        ClientToScreen(editorWindow(), &p);
        SendMessageA(editorWindow(), WM_MOUSEWHEEL, MAKEWPARAM(0, notches * WHEEL_DELTA),
                     MAKELPARAM(p.x, p.y));
        pump(40);
    }

    // The parameters whose edit gestures the host heard since the last clear;
    // every automation must lie inside one of its own, each begun and ended once.
    std::vector<int> gestures() const {
        std::vector<int> open(13, 0), begun;
        for (const testhost::HostCall& c : testhost::hostCalls()) {
            if (c.index < 0 || c.index >= 13) continue;
            if (c.opcode == audioMasterAutomate) {
                EXPECT_EQ(open[c.index], 1) << "automated outside a gesture: " << c.index;
            } else if (c.opcode == audioMasterBeginEdit) {
                EXPECT_EQ(open[c.index]++, 0) << "begun twice: " << c.index;
                begun.push_back(c.index);
            } else if (c.opcode == audioMasterEndEdit) {
                EXPECT_EQ(open[c.index]--, 1) << "ended unbegun: " << c.index;
            }
        }
        for (int i = 0; i < 13; ++i)
            EXPECT_EQ(open[i], 0) << "never ended: " << i;
        return begun;
    }

    // The edit box lying at a place of the editor window.
    HWND boxAt(int x, int y) const {
        for (HWND child = GetWindow(editorWindow(), GW_CHILD); child;
             child = GetWindow(child, GW_HWNDNEXT)) {
            char name[16] = {};
            GetClassNameA(child, name, sizeof(name));
            RECT r;
            GetWindowRect(child, &r);
            MapWindowPoints(nullptr, editorWindow(), reinterpret_cast<POINT*>(&r), 2);
            if (lstrcmpiA(name, "Edit") == 0 && r.left == x && r.top == y) return child;
        }
        return nullptr;
    }
    static std::string textOf(HWND box) {
        char text[64] = {};
        GetWindowTextA(box, text, sizeof(text));
        return text;
    }
    // Pixels of the limiter's light red in the shared threshold display.
    int lightRedPixels() const {
        int count = 0;
        for (int y = 13; y < 25; ++y)
            for (int x = 14; x < 59; ++x)
                count += rgbOf(windowPixel(x, y)) == 0xFFBBBBu;
        return count;
    }
};

TEST_F(EditorMouse, MessagesAreHandledAndAnsweredWithZero) {
    EXPECT_EQ(send(WM_LBUTTONDOWN, MK_LBUTTON, 250, 150), 0);
    EXPECT_EQ(send(WM_MOUSEMOVE, MK_LBUTTON, 250, 150), 0);
    EXPECT_EQ(send(WM_LBUTTONUP, 0, 250, 150), 0);
    EXPECT_TRUE(heard().empty()) << "the wave display takes no clicks";
}

TEST_F(EditorMouse, AGrabSetsTheValueAtTheClickAndTheDragFollowsY) {
    const int pos = handleOffset(20, 1, 72, 155);
    press(kThrX, kThrY + pos + 10);
    const float atClick = 1 + static_cast<float>(pos + 10) / 154 * 71;
    EXPECT_EQ(heard(), HeardList({thrComp(static_cast<int>(atClick))}));
    EXPECT_EQ(GetCapture(), editorWindow()) << "the drag holds the mouse";
    forget();
    move(400, kThrY + 100); // off the column: only y counts
    move(400, kThrY + 100);
    EXPECT_EQ(heard(), HeardList({thrComp(47), thrComp(47)}));
    forget();
    move(400, kThrY + 500);
    EXPECT_EQ(heard(), HeardList({thrComp(72)})) << "clamped to -36 dB";
    EXPECT_EQ(parameter(4), 0.99999f);
    letGo();
    EXPECT_EQ(GetCapture(), nullptr) << "released with the button";
    forget();
    move(400, kThrY);
    EXPECT_TRUE(heard().empty()) << "the drag ended with the button";
}

TEST_F(EditorMouse, AMoveWithShiftOrCtrlHeldDoesNotDrag) {
    press(kThrX, kThrY + handleOffset(20, 1, 72, 155));
    forget();
    move(kThrX, kThrY + 120, MK_LBUTTON | MK_SHIFT);
    move(kThrX, kThrY + 120, MK_LBUTTON | MK_CONTROL);
    move(kThrX, kThrY + 120, 0);
    EXPECT_TRUE(heard().empty());
    move(kThrX, kThrY + 120);
    EXPECT_EQ(heard().size(), 1u) << "the drag itself is still on";
    letGo();
}

TEST_F(EditorMouse, LosingTheMouseEndsTheDrag) {
    press(kThrX, kThrY + handleOffset(20, 1, 72, 155));
    ASSERT_EQ(GetCapture(), editorWindow());
    ReleaseCapture(); // as when another window takes the mouse
    forget();
    move(kThrX, kThrY + 120);
    EXPECT_TRUE(heard().empty());
}

TEST_F(EditorMouse, ClosingTheEditorInTheMiddleOfADragLetsTheMouseGo) {
    press(kThrX, kThrY + handleOffset(20, 1, 72, 155));
    ASSERT_EQ(GetCapture(), editorWindow());
    host->close();
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(EditorMouse, ThresholdDragsPullTheOtherThresholdAlong) {
    set(11, 30);
    press(kThrX, kThrY + handleOffset(20, 1, 72, 155));
    forget();
    move(kThrX, kThrY + 20); // 1 + 20/154 x 71 = 10.2: above the limiter's -15 dB
    EXPECT_EQ(heard(), HeardList({thrComp(10), thrLim(10)}));
    EXPECT_EQ(parameter(11), 10.0f / 48);
    forget();
    move(kThrX, kThrY + 100);
    EXPECT_EQ(heard(), HeardList({thrComp(47)})) << "below the limiter: ThrLim stays";
    letGo();

    press(kLimX, kLimY + handleOffset(10, 0, 48, 93));
    forget();
    move(kLimX, kLimY + 92);
    EXPECT_EQ(heard(), HeardList({thrLim(48), thrComp(48)})) << "pushes ThrComp down";
    EXPECT_EQ(parameter(4), 48.0f / 72);
    letGo();
}

TEST_F(EditorMouse, FineStepsMoveOneStepAndNeverPassTheEnds) {
    click(420, 103 + handleOffset(24000, 0, 24000, 110) - 17);
    EXPECT_EQ(heard(), HeardList({output(23990)})) << "0.01 dB up from 0 dB";
    EXPECT_EQ(GetCapture(), nullptr) << "a fine step is no drag";
    set(12, 990);
    click(86 + 65, 260);
    EXPECT_EQ(heard(), HeardList({lookAhead(999)}));
    set(12, 21);
    click(86 - 9, 260);
    EXPECT_EQ(heard(), HeardList({lookAhead(3)}));
    set(12, 500);
    click(86 + 56, 260);
    EXPECT_EQ(heard(), HeardList({lookAhead(520)})) << "0.2 ms to the right";
    EXPECT_EQ(parameter(12), 0.52f);
}

TEST_F(EditorMouse, SwitchesToggleAndTheirSideEffectsReachTheHost) {
    click(354, 118); // Soft, on in "Init"
    click(398, 217); // Bypass, its far corner
    EXPECT_EQ(heard(), HeardList({{0, 0.0f}, {3, 1.0f}}));
    EXPECT_EQ(parameter(0), 0.0f);
    EXPECT_EQ(parameter(3), 1.0f);
    forget();
    click(360, 150);
    EXPECT_EQ(heard(), HeardList({{1, 1.0f}, {9, 15.849309921264648f}})) << "Normalize on";
    forget();
    click(130, 230);
    EXPECT_EQ(heard(), HeardList({{10, 0.0f}, releaseMs(250)})) << "Auto release off";
    EXPECT_EQ(parameter(10), 0.0f);
}

TEST_F(EditorMouse, NormalizeOffTurnsTheReachedGainIntoTheOutput) {
    set(1, 1);
    set(11, 20); // normalizing against the limiter: +10 dB
    click(360, 150);
    EXPECT_EQ(heard(), HeardList({{1, 0.0f}, output(14000)}));
    EXPECT_EQ(testhost::parameterDisplay(fx.get(), 5), "10.00");
}

TEST_F(EditorMouse, TypingAValueAndEnterTakesItOver) {
    HWND box = boxAt(397, 51);
    ASSERT_NE(box, nullptr);
    EXPECT_FALSE(IsWindowVisible(box));
    click(400, 55);
    EXPECT_TRUE(IsWindowVisible(box));
    EXPECT_EQ(GetFocus(), box);
    EXPECT_EQ(textOf(box), "0.00 dB");
    DWORD from = 0, to = 0;
    SendMessageA(box, EM_GETSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
    EXPECT_EQ(from, 0u);
    EXPECT_EQ(to, 7u) << "all of it selected";
    type(box, "3");
    EXPECT_EQ(textOf(box), "3");
    EXPECT_TRUE(heard().empty()) << "nothing before Enter";
    type(box, "\r");
    EXPECT_EQ(heard(), HeardList({output(21000)}));
    EXPECT_FALSE(IsWindowVisible(box));
    EXPECT_EQ(testhost::parameterDisplay(fx.get(), 5), "3.00");
}

TEST_F(EditorMouse, AClickOnAnotherDisplayTakesOverTheEntryAndOpensThatOne) {
    set(10, 0);
    HWND releaseBox = boxAt(118, 13), ratioBox = boxAt(66, 13);
    ASSERT_TRUE(releaseBox && ratioBox);
    click(130, 20);
    EXPECT_EQ(textOf(releaseBox), "250 ms");
    type(releaseBox, "1000");
    click(80, 20);
    EXPECT_EQ(heard(), HeardList({releaseMs(999)})) << "clamped to 999 ms";
    EXPECT_FALSE(IsWindowVisible(releaseBox));
    EXPECT_TRUE(IsWindowVisible(ratioBox));
    EXPECT_EQ(GetFocus(), ratioBox);
    EXPECT_EQ(textOf(ratioBox), "3.0 : 1");
    forget();
    type(ratioBox, "2.25");
    click(250, 150);
    EXPECT_EQ(heard(), HeardList({ratio(4)})) << "2.25:1 is 4.5 units, sent as 4";
    EXPECT_FALSE(IsWindowVisible(ratioBox));
}

TEST_F(EditorMouse, TheThresholdWordSwapsWhichThresholdIsTyped) {
    set(11, 20);
    HWND box = boxAt(14, 13);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(lightRedPixels(), 0) << "the compressor threshold is shown in white";
    click(30, 40);
    EXPECT_GT(lightRedPixels(), 0) << "now the limiter's";
    click(20, 20);
    EXPECT_EQ(textOf(box), "-10.0 dB");
    type(box, "-30\r");
    EXPECT_EQ(heard(), HeardList({thrLim(48), thrComp(48)})) << "-24 dB at most";
    EXPECT_EQ(parameter(11), 0.99999f);

    click(20, 20);
    type(box, "6");
    forget();
    click(30, 40); // takes the entry over and swaps back in one click
    EXPECT_EQ(heard(), HeardList({thrLim(12)}));
    EXPECT_FALSE(IsWindowVisible(box));
    EXPECT_EQ(lightRedPixels(), 0);
    click(20, 20);
    EXPECT_EQ(textOf(box), "-24.0 dB") << "the compressor threshold again";
    type(box, "6\r");
    EXPECT_EQ(heard(), HeardList({thrLim(12), thrComp(12)}));
}

TEST_F(EditorMouse, TheLogoShowsTheAboutBox) {
    visit = AboutBoxVisit{};
    UINT_PTR timer = SetTimer(nullptr, 0, 50, closeAboutBox);
    ASSERT_NE(timer, 0u);
    click(400, 250);
    EXPECT_TRUE(visit.seen);
    EXPECT_EQ(visit.owner, host->parent()) << "owned by the editor's window";
    EXPECT_TRUE(visit.okOnly);
    EXPECT_TRUE(visit.informationIcon);
    EXPECT_NE(visit.text.find("Tarvexor"), std::string::npos) << visit.text;
    EXPECT_TRUE(heard().empty());
    EXPECT_EQ(FindWindowA("#32770", "Info"), nullptr) << "closed again";
}

TEST_F(EditorMouse, TextTooWideForTheBoxIsTakenOverWhenItWraps) {
    HWND box = boxAt(397, 51);
    click(400, 55);
    int typed = 0;
    while (IsWindowVisible(box) && typed < 15) {
        type(box, "1");
        ++typed;
    }
    EXPECT_FALSE(IsWindowVisible(box)) << "wrapping onto a second line takes it over";
    EXPECT_GT(typed, 3);
    EXPECT_EQ(heard(), HeardList({output(0)})) << "a huge gain clamps to +24 dB";
}

TEST_F(EditorMouse, PastedLinesWaitForAClick) {
    set(10, 0);
    HWND box = boxAt(118, 13);
    click(130, 20);
    SendMessageA(box, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("40\r\n50\r\n"));
    pump(40);
    EXPECT_TRUE(IsWindowVisible(box)) << "three lines are not an Enter";
    EXPECT_TRUE(heard().empty());
    click(250, 150);
    EXPECT_EQ(heard(), HeardList({releaseMs(40)})) << "the first line counts";
    EXPECT_FALSE(IsWindowVisible(box));
}

TEST_F(EditorMouse, EditGesturesBracketEveryChangeTheHostHears) {
    using Indices = std::vector<int>;
    press(kThrX, kThrY + handleOffset(20, 1, 72, 155));
    move(kThrX, kThrY + 100);
    move(kThrX, kThrY + 20);
    letGo();
    EXPECT_EQ(gestures(), Indices({4})) << "a drag is one gesture";
    forget();
    press(kLimX, kLimY + 5);
    move(kLimX, kLimY + 30);
    ReleaseCapture();
    pump(40);
    EXPECT_EQ(gestures(), Indices({11, 4})) << "a lost capture ends it; ThrComp pushed along";
    forget();
    click(354, 118);
    click(420, 103 + 50);
    click(360, 150);
    EXPECT_EQ(gestures(), Indices({0, 5, 1, 9})) << "switch, fine step, Normalize";
    forget();
    click(398, 51);
    type(boxAt(397, 51), "3\r");
    EXPECT_EQ(gestures(), Indices({5})) << "a typed value";
    set(11, 0);
    wheel(kThrX, kThrY + 150, 1);
    EXPECT_EQ(gestures(), Indices({4})) << "a wheel notch";
}

TEST_F(EditorMouse, TheWheelStepsTheFaderUnderThePointer) {
    wheel(kThrX, kThrY + 150, 1);
    wheel(kThrX, kThrY + 150, 1);
    EXPECT_EQ(heard(), HeardList({thrComp(19), thrComp(18)})) << "up: towards 0 dB";
    forget();
    wheel(86 + 20, 260, -1);
    EXPECT_EQ(heard(), HeardList({lookAhead(979)})) << "down: shorter";
    forget();
    SendMessageA(editorWindow(), WM_MOUSEWHEEL, MAKEWPARAM(0, 60), MAKELPARAM(0, 0));
    wheel(250, 150, 1);
    EXPECT_TRUE(heard().empty()) << "half a notch, and the wave panel";
}
