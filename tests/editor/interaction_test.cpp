// The left button in the editor: which control a click reaches, in which
// order, and what the host hears. Runs a real effect with a recording host
// and the editor's controls on a canvas that only counts.
#include "editor/control_update.h"
#include "editor/entry_conversion.h"
#include "editor/interaction.h"
#include "engine/compressor_effect.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

struct Sent {
    int index;
    float hostValue;
    bool operator==(const Sent& o) const { return index == o.index && hostValue == o.hostValue; }
};

std::ostream& operator<<(std::ostream& out, const Sent& s) {
    return out << "{" << s.index << ", " << s.hostValue << "}";
}

std::vector<Sent>& sent() {
    static std::vector<Sent> calls;
    return calls;
}

// Automation and the gestures around it, in the order the host heard them.
struct Heard {
    vst::Int32 opcode, index;
};
std::vector<Heard>& heard() {
    static std::vector<Heard> calls;
    return calls;
}

vst::IntPtr VST_CALL recordingHost(AEffect*, vst::Int32 opcode, vst::Int32 index, vst::IntPtr,
                                   void*, float opt) {
    if (opcode == audioMasterAutomate) sent().push_back({index, opt});
    if (opcode == audioMasterAutomate || opcode == audioMasterBeginEdit ||
        opcode == audioMasterEndEdit)
        heard().push_back({opcode, index});
    return 0;
}

// Every automation inside a gesture of its parameter, every gesture begun
// once and ended once; returns the gestures per parameter.
std::vector<int> checkGestures() {
    std::vector<int> open(kNumParams, 0), count(kNumParams, 0);
    for (const Heard& h : heard()) {
        if (h.index < 0 || h.index >= kNumParams) {
            ADD_FAILURE() << "parameter " << h.index;
            continue;
        }
        int& o = open[h.index];
        if (h.opcode == audioMasterAutomate) {
            EXPECT_EQ(o, 1) << "outside a gesture: " << h.index;
        } else if (h.opcode == audioMasterBeginEdit) {
            EXPECT_EQ(o++, 0) << "begun twice: " << h.index;
        } else {
            EXPECT_EQ(o--, 1) << "ended unbegun: " << h.index;
        }
        count[h.index] += h.opcode == audioMasterBeginEdit;
    }
    for (int i = 0; i < kNumParams; ++i)
        EXPECT_EQ(open[i], 0) << "still open: " << i;
    heard().clear();
    return count;
}

// A raw value as the host sees it for the stepped parameters.
Sent stepped(int index, float raw, float maximum) {
    float v = raw / maximum;
    return {index, v == 1.0f ? 0.99999f : v};
}
Sent thrComp(float raw) {
    return stepped(kThrComp, raw, 72);
}
Sent thrLim(float raw) {
    return stepped(kThrLim, raw, 48);
}
Sent output(float raw) {
    return stepped(kOutput, raw, 24000);
}
Sent release(float raw) {
    return stepped(kRelease, raw, 999);
}

class CountingCanvas : public ControlCanvas {
  public:
    bool windowExists() const override { return true; }
    void paintHandle(const ValueFader&) override {}
    void paintDisplay(const ValueFader&) override {}
    void paintHandle(const LinearFader&) override {}
    void paintSwitch(const Switch&) override {}
};

// Edit boxes as the platform keeps them: text, lines, shown or not.
class FakeBoxes : public InteractionView {
  public:
    std::string entryText(int box) override { return text[box].substr(0, kEntryTextLimit); }
    int entryLineCount(int box) override { return lines[box]; }
    void showEntry(int box, const std::string& t) override {
        shown[box] = true;
        text[box] = t;
        lines[box] = 1;
    }
    void hideEntry(int box) override { shown[box] = false; }
    void showAboutBox() override { ++aboutBoxes; }

    // Replaces the selected text as typing does; a line break adds a line.
    void type(int box, const std::string& t) {
        text[box] = t;
        lines[box] = 1;
        for (char ch : t)
            lines[box] += ch == '\n';
    }

    std::string text[kEntryBoxCount];
    int lines[kEntryBoxCount] = {1, 1, 1, 1};
    bool shown[kEntryBoxCount] = {};
    int aboutBoxes = 0;
};

class EditorMouse : public ::testing::Test {
  protected:
    void SetUp() override {
        idle();
        sent().clear();
        heard().clear();
    }

    // The editor's update at the next idle call after a parameter change.
    void idle() { bringControlsUp(controls, fx); }
    Interaction interaction() { return Interaction(controls, fx, boxes); }
    void click(int x, int y) {
        interaction().leftButtonDown(x, y);
        interaction().leftButtonUp();
        idle();
    }
    void press(int x, int y) {
        interaction().leftButtonDown(x, y);
        idle();
    }
    void move(int x, int y, std::uintptr_t keys = kLeftButtonOnly) {
        interaction().mouseMove(keys, x, y);
        idle();
    }
    void enter(int box, const std::string& t) {
        boxes.type(box, t + "\r\n");
        interaction().entryChanged();
        idle();
    }
    void set(int index, float raw) {
        fx.setParameter(index, raw);
        idle();
        sent().clear();
    }
    void wheel(int x, int y, int notches) {
        interaction().wheel(x, y, notches);
        idle();
    }
    std::int32_t dragMode() const { return fx.editorState.dragMode; }
    std::int32_t entryMode() const { return fx.editorState.entryMode; }

    CompressorEffect fx{recordingHost};
    CountingCanvas canvas;
    EditorControls controls{&canvas};
    FakeBoxes boxes;
};

using Sends = std::vector<Sent>;
using Points = std::vector<std::pair<int, int>>;

// Threshold fader: handle column x 35..54 from y 66, 155 pixels of travel for 1..72.
constexpr int kThrX = 40, kThrY = 66;
// Limiter fader: x 14..29 from y 66, 93 pixels for 0..48.
constexpr int kLimX = 20, kLimY = 66;

} // namespace

TEST_F(EditorMouse, GrabSetsTheValueAtTheClickAndMovesDragIt) {
    // ThrComp 20 puts the handle 41 pixels down; 10 below its centre is still on it.
    press(kThrX, kThrY + 51);
    EXPECT_EQ(sent(), Sends({thrComp(24)})) << "1 + 51/154 x 71 = 24.5, truncated";
    EXPECT_EQ(fx.thrComp, 24);
    EXPECT_EQ(dragMode(), kThresholdDrag);

    sent().clear();
    move(300, kThrY + 100); // far outside the column: only y counts
    move(300, kThrY + 100);
    EXPECT_EQ(sent(), Sends({thrComp(47), thrComp(47)})) << "sent again although unchanged";
    move(300, kThrY + 400);
    EXPECT_EQ(fx.thrComp, 72) << "clamped to the end of the range";

    sent().clear();
    move(300, kThrY, kLeftButtonOnly | 0x0004); // Shift
    move(300, kThrY, kLeftButtonOnly | 0x0008); // Ctrl
    move(300, kThrY, 0);
    EXPECT_TRUE(sent().empty()) << "moves with other keys held do not drag";
    EXPECT_EQ(fx.thrComp, 72);

    interaction().leftButtonUp();
    EXPECT_EQ(dragMode(), kNoDrag);
    move(300, kThrY);
    EXPECT_TRUE(sent().empty()) << "no drag after the button is up";
}

TEST_F(EditorMouse, CompressorThresholdAboveTheLimiterPullsItAlong) {
    set(kThrLim, 30);
    press(kThrX, kThrY + 41); // the handle's centre: 1 + 41/154 x 71 = 19.9
    EXPECT_EQ(sent(), Sends({thrComp(19), thrLim(19)}));
    EXPECT_EQ(fx.thrLim, 19);

    sent().clear();
    move(kThrX, kThrY + 154);
    EXPECT_EQ(sent(), Sends({thrComp(72)})) << "a lower compressor threshold leaves ThrLim";
    EXPECT_EQ(fx.thrLim, 19);
}

TEST_F(EditorMouse, LimiterBelowTheCompressorThresholdPushesItDown) {
    press(kLimX, kLimY + 1); // ThrLim 1: handle one pixel down
    EXPECT_EQ(sent(), Sends({thrLim(0)}));
    EXPECT_EQ(dragMode(), kLimitDrag);
    sent().clear();
    move(kLimX, kLimY + 40); // 40/92 x 48 = 20.9
    EXPECT_EQ(sent(), Sends({thrLim(20)})) << "level with ThrComp 20: nothing pushed";
    sent().clear();
    move(kLimX, kLimY + 92);
    EXPECT_EQ(sent(), Sends({thrLim(48), thrComp(48)}));
    EXPECT_EQ(fx.thrComp, 48);
}

TEST_F(EditorMouse, EachFaderDragsItsOwnParameter) {
    set(kAutoRel, 0.0f); // the manual release handle is the one shown
    struct Case {
        int x, y, toX, toY;
        std::int32_t mode;
        Sent last;
    };
    const Case cases[] = {
        {90, 66 + 7, 90, 66 + 154, kRatioDrag, stepped(kRatio, 60, 60)},
        {135, 66 + 33, 135, 66 + 137, kReleaseDrag, release(999)},
        {310, 221 + 2, 310, 221 + 20, kZoomDrag, stepped(kZoom, 10, 20)},
        {420, 103 + 109, 420, 103, kOutputDrag, output(0)},
        {86 + 56, 260, 86 + 28, 0, kLookAheadDrag, stepped(kLookAhead, 3 + 28 / 56.0f * 996, 1000)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        press(c.x, c.y);
        EXPECT_EQ(dragMode(), c.mode);
        sent().clear();
        move(c.toX, c.toY);
        ASSERT_EQ(sent().size(), 1u);
        EXPECT_EQ(sent()[0], c.last);
        interaction().leftButtonUp();
    }
    EXPECT_EQ(fx.lookAhead, 3 + 28 / 56.0f * 996) << "look-ahead keeps its fraction";
}

TEST_F(EditorMouse, FineStepsMoveByOneStepAndStopAtTheEnds) {
    click(420, 103 + 109 - 17); // Output 24000: the handle sits at the bottom
    EXPECT_EQ(sent(), Sends({output(23990)})) << "0.01 dB up";
    EXPECT_EQ(dragMode(), kNoDrag);
    sent().clear();
    move(420, 103);
    EXPECT_TRUE(sent().empty()) << "a fine step starts no drag";

    set(kLookAhead, 990);
    click(86 + 65, 260);
    EXPECT_EQ(sent(), Sends({stepped(kLookAhead, 999, 1000)})) << "never past 999";
    set(kLookAhead, 21);
    click(86 - 9, 260);
    EXPECT_EQ(sent(), Sends({stepped(kLookAhead, 3, 1000)})) << "never below 3";
    set(kLookAhead, 500);
    click(86 - 9, 260);
    EXPECT_EQ(sent(), Sends({stepped(kLookAhead, 480, 1000)})) << "0.2 ms down";

    click(310, 221 + 12); // Zoom 2: handle at 2, zone to 11
    EXPECT_EQ(sent(), Sends({stepped(kLookAhead, 480, 1000), stepped(kZoom, 3, 20)}));
    sent().clear();
    click(kThrX, kThrY + 41 + 17);
    click(90, 66 + 2 + 40);
    click(kLimX, kLimY + 30);
    EXPECT_EQ(sent(), Sends({thrComp(21), stepped(kRatio, 7, 60), thrLim(2)}));
    sent().clear();
    click(kThrX, kThrY - 16);
    click(kThrX + 20, kThrY + 120);
    EXPECT_TRUE(sent().empty()) << "above the travel, and right of the column";
}

TEST_F(EditorMouse, SwitchesSendTheOppositeOfWhatTheyShow) {
    click(354, 118); // Soft is on in the first program
    EXPECT_EQ(sent(), Sends({{kSoft, 0.0f}}));
    EXPECT_EQ(controls.softSwitch.on, 0) << "the face follows the parameter";
    click(398, 139); // the far corner is part of the switch
    click(354, 170);
    click(398, 217);
    EXPECT_EQ(sent(), Sends({{kSoft, 0.0f}, {kSoft, 1.0f}, {kDither, 1.0f}, {kBypass, 1.0f}}));
    EXPECT_EQ(fx.soft, 1);
    EXPECT_EQ(fx.dither, 1);
    EXPECT_EQ(fx.bypass, 1);
    sent().clear();
    click(353, 118);
    click(399, 196);
    click(354, 218);
    EXPECT_TRUE(sent().empty());
}

TEST_F(EditorMouse, NormalizeOnStoresTheRaisedGainInTheSpareParameter) {
    click(360, 150);
    EXPECT_EQ(sent(), Sends({{kNormalize, 1.0f}, {kSpare, 15.849309921264648f}}));
    EXPECT_EQ(fx.output, 0);
    EXPECT_EQ(fx.spareParam, 15.849309921264648f);
}

TEST_F(EditorMouse, NormalizeOffKeepsTheGainItReached) {
    set(kNormalize, 1);
    set(kThrLim, 20); // the limiter cuts 10 dB: the gain makes up for it
    click(360, 150);
    EXPECT_EQ(sent(), Sends({{kNormalize, 0.0f}, output(14000)})) << "+10 dB";
    EXPECT_EQ(fx.output, 14000);
    EXPECT_EQ(fx.shownOutputGain, 0.0f);

    set(kNormalize, 1);
    fx.outputGain = 2.0f; // where processing brought it down to
    click(360, 150);
    EXPECT_EQ(sent(), Sends({{kNormalize, 0.0f}, output(17979)})) << "24000 - 20000 log10 2";
    EXPECT_NEAR(fx.outputGain, 2.0f, 1e-4f) << "the sound does not change";
}

TEST_F(EditorMouse, AutoReleaseTogglesAndSendsTheReleaseTimeAgain) {
    fx.releaseSamples = 1; // as the automatic release leaves it
    interaction().leftButtonDown(124, 223);
    EXPECT_EQ(sent(), Sends({{kAutoRel, 0.0f}, release(250)}));
    EXPECT_EQ(fx.releaseSamples, 11025) << "derived anew from 250 ms";
    EXPECT_EQ(controls.releaseFader.value, 250.0f) << "before any update";
    idle();
    sent().clear();
    click(150, 237);
    EXPECT_EQ(sent(), Sends({{kAutoRel, 1.0f}, release(250)}));
    set(kAutoRel, 0.7f); // not exactly on: counts as off, but is not 0
    click(130, 230);
    EXPECT_EQ(sent(), Sends({{kAutoRel, 0.0f}, release(250)}));
}

TEST_F(EditorMouse, ThresholdWordSwapsTheSharedDisplay) {
    ASSERT_TRUE(controls.thresholdFader.isDisplayVisible());
    ASSERT_FALSE(controls.limitFader.isDisplayVisible());
    click(13, 35);
    EXPECT_FALSE(controls.thresholdFader.isDisplayVisible());
    EXPECT_TRUE(controls.limitFader.isDisplayVisible());
    click(59, 43);
    EXPECT_TRUE(controls.thresholdFader.isDisplayVisible());
    for (auto [x, y] : Points{{12, 35}, {60, 43}, {13, 34}, {59, 44}})
        click(x, y);
    EXPECT_TRUE(controls.thresholdFader.isDisplayVisible());
    EXPECT_FALSE(controls.limitFader.isDisplayVisible());
    EXPECT_TRUE(sent().empty());
}

TEST_F(EditorMouse, LogoAndMetersHaveTheirHotSpots) {
    for (auto [x, y] : Points{{355, 239}, {446, 266}})
        click(x, y);
    EXPECT_EQ(boxes.aboutBoxes, 2);
    for (auto [x, y] : Points{{354, 239}, {447, 266}, {355, 238}, {446, 267}})
        click(x, y);
    EXPECT_EQ(boxes.aboutBoxes, 2);

    MeterState& m = fx.editorState.meters;
    auto holds = [&](int x, int y) {
        m.levelHold = m.reductionHold = 5;
        click(x, y);
        return std::pair{m.levelHold, m.reductionHold};
    };
    EXPECT_EQ(holds(461, 14), std::pair(0, 5));
    EXPECT_EQ(holds(490, 269), std::pair(0, 5));
    EXPECT_EQ(holds(328, 14), std::pair(5, 0));
    EXPECT_EQ(holds(341, 269), std::pair(5, 0));
    for (auto [x, y] : Points{{460, 100},
                              {491, 100},
                              {470, 13},
                              {470, 270},
                              {327, 100},
                              {342, 100},
                              {335, 13},
                              {335, 270}})
        EXPECT_EQ(holds(x, y), std::pair(5, 5)) << x << "," << y;
    EXPECT_TRUE(sent().empty());
}

TEST_F(EditorMouse, OutputEntryOpensWithItsTextAndTakesItOverOnEnter) {
    click(398, 51);
    EXPECT_EQ(entryMode(), kOutputEntry);
    EXPECT_TRUE(boxes.shown[0]);
    EXPECT_EQ(boxes.text[0], "0.00 dB");
    EXPECT_FALSE(controls.outputFader.isDisplayVisible());
    EXPECT_TRUE(sent().empty());

    boxes.type(0, "3");
    interaction().entryChanged();
    boxes.type(3, "1\r\n"); // another box with two lines is not the open one
    interaction().entryChanged();
    EXPECT_EQ(entryMode(), kOutputEntry) << "typing alone takes nothing over";
    EXPECT_TRUE(sent().empty());

    enter(0, "3");
    EXPECT_EQ(sent(), Sends({output(21000)}));
    EXPECT_EQ(entryMode(), kNoEntry);
    EXPECT_FALSE(boxes.shown[0]);
    EXPECT_TRUE(controls.outputFader.isDisplayVisible());
}

TEST_F(EditorMouse, AClickOnAnotherDisplayTakesOverTheEntryAndOpensThatOne) {
    set(kAutoRel, 0.0f);
    click(118, 13);
    EXPECT_EQ(boxes.text[1], "250 ms");
    boxes.type(1, "1000");
    click(110, 27); // the ratio display's far corner
    EXPECT_EQ(sent(), Sends({release(999)}));
    EXPECT_EQ(entryMode(), kRatioEntry);
    EXPECT_FALSE(boxes.shown[1]);
    EXPECT_TRUE(boxes.shown[2]);
    EXPECT_EQ(boxes.text[2], "3.0 : 1");
    EXPECT_FALSE(controls.ratioFader.isDisplayVisible());
    EXPECT_TRUE(controls.releaseFader.isDisplayVisible());

    sent().clear();
    boxes.type(2, "2.25");
    click(250, 150); // the wave display: only takes the entry over
    EXPECT_EQ(sent(), Sends({stepped(kRatio, 4, 60)})) << "4.5 is sent as 4 (2:1)";
    EXPECT_EQ(entryMode(), kNoEntry);

    click(130, 20);
    enter(1, "5 ms");
    EXPECT_EQ(fx.release, 10);
    click(111, 20); // right of the ratio display, left of the release one
    click(117, 20);
    EXPECT_EQ(entryMode(), kNoEntry);
}

TEST_F(EditorMouse, TypedThresholdsAreNegativeAndPullTheOtherAlong) {
    set(kThrLim, 20);
    click(14, 13);
    EXPECT_EQ(entryMode(), kThrCompEntry);
    EXPECT_EQ(boxes.text[3], "-10.0 dB");
    enter(3, "6");
    EXPECT_EQ(sent(), Sends({thrComp(12), thrLim(12)}));

    click(13, 35); // show the limiter's threshold instead
    click(58, 27);
    EXPECT_EQ(entryMode(), kThrLimEntry);
    EXPECT_EQ(boxes.text[3], "-6.0 dB");
    sent().clear();
    boxes.type(3, "-30");
    click(30, 40); // "Threshold": takes the entry over and swaps back in the same click
    EXPECT_EQ(sent(), Sends({thrLim(48), thrComp(48)}));
    EXPECT_EQ(entryMode(), kNoEntry);
    EXPECT_TRUE(controls.thresholdFader.isDisplayVisible());
    EXPECT_FALSE(controls.limitFader.isDisplayVisible());
}

TEST_F(EditorMouse, TextThatIsNoNumberTakesTheBottomOfTheRange) {
    click(400, 60);
    enter(0, "loud");
    click(20, 20);
    enter(3, "");
    EXPECT_EQ(sent(), Sends({output(24000), thrComp(1)}));
}

TEST_F(EditorMouse, AGrabOnAHandleAlsoTakesAnOpenEntryOver) {
    click(14, 13);
    boxes.type(3, "30"); // 60 units: the handle moves to 127 pixels down
    press(kThrX, kThrY + 140);
    EXPECT_EQ(sent(), Sends({thrComp(60), thrComp(65)})) << "typed, then grabbed";
    EXPECT_EQ(dragMode(), kThresholdDrag);
}

TEST_F(EditorMouse, EveryChangeIsOneGestureOfItsParameters) {
    std::vector<int> none(kNumParams, 0);
    auto only = [&](std::initializer_list<int> indices) {
        std::vector<int> c = none;
        for (int i : indices)
            c[i] = 1;
        return c;
    };
    set(kThrLim, 30);
    press(kThrX, kThrY + 41); // pulls ThrLim along
    move(kThrX, kThrY + 100);
    move(kThrX, kThrY + 10);
    interaction().leftButtonUp();
    EXPECT_EQ(checkGestures(), only({kThrComp, kThrLim})) << "a drag, button up";
    press(kLimX, kLimY + 1);
    move(kLimX, kLimY + 50);
    interaction().endDrag();
    EXPECT_EQ(checkGestures(), only({kThrLim, kThrComp})) << "a drag, capture lost";
    click(420, 103 + 50);
    EXPECT_EQ(checkGestures(), only({kOutput})) << "a fine step";
    click(354, 118);
    EXPECT_EQ(checkGestures(), only({kSoft})) << "a switch";
    click(360, 150);
    EXPECT_EQ(checkGestures(), only({kNormalize, kSpare})) << "Normalize on";
    click(360, 150);
    EXPECT_EQ(checkGestures(), only({kNormalize, kOutput})) << "Normalize off";
    click(150, 237);
    EXPECT_EQ(checkGestures(), only({kAutoRel, kRelease})) << "Auto";
    click(398, 51);
    enter(0, "3");
    EXPECT_EQ(checkGestures(), only({kOutput})) << "an entry taken over by Enter";
    click(398, 51);
    boxes.type(0, "5");
    click(118, 13);
    EXPECT_EQ(checkGestures(), only({kOutput})) << "an entry taken over by a click";
    set(kThrLim, 0);
    wheel(kThrX, kThrY + 60, 2);
    EXPECT_EQ(checkGestures(), only({kThrComp})) << "the wheel";
}

TEST_F(EditorMouse, TheWheelStepsTheFaderUnderThePointerAsAClickBesideItsHandle) {
    const struct {
        int x, y, notches;
        Sent expected;
    } cases[] = {
        {kThrX, kThrY + 41, 1, thrComp(19)},   // up: a higher threshold, as above the handle
        {kThrX, kThrY + 150, -3, thrComp(22)}, // anywhere on the track
        {420, 103 + 30, 1, output(23990)},     // the handle sits at the bottom: 0.01 dB up
        {420, 103 + 30, -1, output(24000)},    // and back down to the end of the range
        {86 + 20, 260, 1, stepped(kLookAhead, 999, 1000)}, // right: longer, never past 999
        {86 + 20, 260, -2, stepped(kLookAhead, 959, 1000)},
        {310, 221 + 5, 1, stepped(kZoom, 1, 20)}, // up the zoom fader
    };
    for (const auto& c : cases) {
        sent().clear();
        wheel(c.x, c.y, c.notches);
        EXPECT_EQ(sent(), Sends({c.expected})) << c.x << "," << c.y << " " << c.notches;
    }
    sent().clear();
    wheel(300, 20, 1);
    wheel(kThrX, kThrY + 41, 0);
    EXPECT_TRUE(sent().empty()) << "away from the faders, or less than a notch";
}
