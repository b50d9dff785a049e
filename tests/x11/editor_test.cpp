// The Linux editor as a host sees it: its window in the host's, real mouse
// and keyboard input, the display after audio, and the orders of closing.
#include "tests/x11/x11_editor_fixture.h"

#include <X11/keysym.h>
#include <cmath>
#include <string>

using namespace x11test;
using testhost::dispatch;

namespace {

// "Init": ThrComp 20 (-10 dB) puts the threshold handle's centre row here.
constexpr int kThresholdHandleX = 45, kThresholdHandleY = 66 + 41;
constexpr int kSoftX = 354 + 22, kSoftY = 118 + 10;
constexpr int kOutputDisplayX = 398 + 22, kOutputDisplayY = 51 + 6;
// On the ratio fader's track, below its handle at Ratio 6.
constexpr int kRatioTrackX = 88, kRatioTrackY = 150;

void playSine(AEffect* effect, host::X11HostWindow& window, float amplitude, int blocks) {
    std::vector<float> in(512), out(512);
    for (int b = 0; b < blocks; ++b) {
        for (int i = 0; i < 512; ++i)
            in[i] = amplitude * std::sin(0.05f * static_cast<float>(b * 512 + i));
        testhost::processBlock(effect, in.data(), out.data(), 512);
        window.pump(12);
    }
}

} // namespace

TEST_F(X11EditorTest, OpensAsA511By283ChildOfTheHostWindow) {
    EXPECT_EQ(fx->flags, 29);
    openEditor();
    EXPECT_EQ(host->rect().right - host->rect().left, 511);
    EXPECT_EQ(host->rect().bottom - host->rect().top, 283);
    ASSERT_NE(host->editorWindow(), 0u);
    image::Picture shown = host->capture();
    EXPECT_EQ(shown.width, 511);
    EXPECT_EQ(shown.height, 283);
}

TEST_F(X11EditorTest, DraggingTheThresholdFaderAutomatesIt) {
    openEditor();
    const std::string before = testhost::parameterDisplay(fx.get(), 4);
    host->pressButton(1, kThresholdHandleX, kThresholdHandleY);
    host->movePointer(kThresholdHandleX, kThresholdHandleY + 30);
    host->movePointer(kThresholdHandleX + 40, kThresholdHandleY + 60);
    host->releaseButton(1, kThresholdHandleX + 40, kThresholdHandleY + 60);
    host->pump(100);
    EXPECT_NE(testhost::parameterDisplay(fx.get(), 4), before);
    auto automated = callsOf(fx.get(), audioMasterAutomate);
    ASSERT_GE(automated.size(), 2u);
    EXPECT_EQ(automated.back().index, 4);
    EXPECT_GT(automated.back().opt, automated.front().opt) << "a lower threshold is a larger value";
    auto ended = callsOf(fx.get(), audioMasterEndEdit);
    ASSERT_FALSE(ended.empty()) << "the gesture ends when the button is released";
    EXPECT_EQ(ended.back().index, 4);
}

TEST_F(X11EditorTest, TheWheelStepsTheFaderUnderThePointer) {
    openEditor();
    const std::string before = testhost::parameterDisplay(fx.get(), 7);
    host->click(4, kRatioTrackX, kRatioTrackY);
    host->pump(50);
    EXPECT_NE(testhost::parameterDisplay(fx.get(), 7), before);
    auto automated = callsOf(fx.get(), audioMasterAutomate);
    ASSERT_EQ(automated.size(), 1u);
    EXPECT_EQ(automated[0].index, 7);
}

TEST_F(X11EditorTest, AContextMenuChoiceIsTakenAndStored) {
    openEditor();
    host->click(3, 250, 150);
    host->pump(100);
    // Down to "WaveDisplay zoom", into it, down to "1x - 16x".
    for (unsigned long key : {XK_Down, XK_Down, XK_Down, XK_Right, XK_Down, XK_Down, XK_Return}) {
        host->typeKey(key);
        host->pump(20);
    }
    host->pump(100);
    EXPECT_NE(settingsText().find("subWZ = 2\n"), std::string::npos) << settingsText();
}

TEST_F(X11EditorTest, F1OpensTheHelpWindowAndTheLogoTheInfoBox) {
    openEditor();
    host->click(1, 250, 5);
    host->typeKey(XK_F1);
    host->pump(200);
    EXPECT_TRUE(topLevelShown("Tarvexor Help"));
    host->click(1, 400, 250);
    host->pump(200);
    EXPECT_TRUE(topLevelShown("Info"));
    host->typeKey(XK_Return);
    host->pump(200);
    EXPECT_FALSE(topLevelShown("Info"));
    EXPECT_TRUE(topLevelShown("Tarvexor Help"));
}

TEST_F(X11EditorTest, ClickingASwitchTogglesItsParameterAndFace) {
    openEditor();
    const float soft = fx->getParameter(fx.get(), 0);
    const auto faceBefore = area(host->capture(), 354, 118, 44, 21);
    host->click(1, kSoftX, kSoftY);
    host->pump(100);
    EXPECT_NE(fx->getParameter(fx.get(), 0), soft);
    auto automated = callsOf(fx.get(), audioMasterAutomate);
    ASSERT_EQ(automated.size(), 1u);
    EXPECT_EQ(automated[0].index, 0);
    EXPECT_NE(area(host->capture(), 354, 118, 44, 21), faceBefore);
}

TEST_F(X11EditorTest, TypingIntoTheOutputDisplayWithEnterSetsTheOutput) {
    openEditor();
    host->click(1, kOutputDisplayX, kOutputDisplayY);
    host->pump(50);
    host->typeText("3");
    host->typeKey(XK_Return);
    host->pump(100);
    EXPECT_EQ(testhost::parameterDisplay(fx.get(), 5).substr(0, 4), "3.00");
    auto automated = callsOf(fx.get(), audioMasterAutomate);
    ASSERT_FALSE(automated.empty());
    EXPECT_EQ(automated.back().index, 5);
}

TEST_F(X11EditorTest, MetersAndWaveMoveWithTheAudio) {
    openEditor();
    const image::Picture quiet = host->capture();
    playSine(fx.get(), *host, 0.9f, 40);
    host->pump(300);
    const image::Picture playing = host->capture();
    EXPECT_NE(area(playing, 460, 13, 31, 257), area(quiet, 460, 13, 31, 257)) << "level meters";
    EXPECT_NE(area(playing, 328, 13, 13, 257), area(quiet, 328, 13, 13, 257)) << "reduction meter";
    EXPECT_NE(area(playing, 175, 13, 122, 256), area(quiet, 175, 13, 122, 256)) << "wave";
}

// Two instances with editors open: the host closes one effect with its editor
// still open, and destroys the other's window before closing that editor,
// once with idle calls in between and once without. The other editor and the
// host's own display connection live on, and the editor opens again.
TEST_F(X11EditorTest, ClosingTheEffectOrTheParentFirstIsSafe) {
    AEffect* first = testhost::plugin().create(testhost::recordingHost);
    ASSERT_NE(first, nullptr);
    auto firstHost = std::make_unique<host::X11HostWindow>(first);
    ASSERT_TRUE(firstHost->open(0, 300));
    openEditor();
    firstHost->pump(100);

    dispatch(first, effClose);
    firstHost->forgetEffect();
    host->pump(200);
    EXPECT_EQ(host->capture().width, 511) << "the other editor still shows";

    host->destroyParent();
    host->pump(200);
    dispatch(fx.get(), effEditClose);
    host->forgetEffect();

    auto again = std::make_unique<host::X11HostWindow>(fx.get());
    ASSERT_TRUE(again->open());
    again->pump(200);
    again->destroyParent();
    dispatch(fx.get(), effEditClose);
    again->forgetEffect();

    host::X11HostWindow last(fx.get());
    ASSERT_TRUE(last.open());
    last.pump(200);
    EXPECT_EQ(last.capture().width, 511) << "a new window opens after all that";
    last.close();
}

TEST_F(X11EditorTest, ASecondOpenWithoutCloseMovesTheEditor) {
    openEditor();
    host::X11HostWindow second(fx.get());
    ASSERT_TRUE(second.open(0, 300));
    second.pump(200);
    EXPECT_EQ(host->editorWindow(), 0u) << "the first window was taken down";
    EXPECT_EQ(second.capture().width, 511);
    second.close();
    host->forgetEffect();
}
