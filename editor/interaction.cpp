#include "editor/interaction.h"

#include "editor/edit_gestures.h"
#include "editor/entry_conversion.h"
#include "engine/compressor_effect.h"
#include "engine/numeric.h"
#include "engine/output_law.h"

#include <cmath>
#include <initializer_list>

namespace {

// Runs an action on the fader a drag number stands for; both kinds of fader
// answer the same calls.
template <typename Action> void onFader(EditorControls& c, std::int32_t fader, Action&& act) {
    switch (fader) {
    case kThresholdDrag:
        return act(c.thresholdFader);
    case kRatioDrag:
        return act(c.ratioFader);
    case kReleaseDrag:
        return act(c.releaseFader);
    case kZoomDrag:
        return act(c.zoomFader);
    case kOutputDrag:
        return act(c.outputFader);
    case kLimitDrag:
        return act(c.limitFader);
    case kLookAheadDrag:
        return act(c.lookAheadFader);
    default:
        return;
    }
}

std::int32_t faderOfEntry(std::int32_t mode) {
    switch (mode) {
    case kThrCompEntry:
        return kThresholdDrag;
    case kRatioEntry:
        return kRatioDrag;
    case kReleaseEntry:
        return kReleaseDrag;
    case kOutputEntry:
        return kOutputDrag;
    case kThrLimEntry:
        return kLimitDrag;
    default:
        return kNoDrag;
    }
}

// Fine steps in each fader's units, in the order the faders are tried:
// 0.5 dB, 0.5 : 1, 1 ms, one zoom step, 0.01 dB, 0.5 dB, 0.2 ms.
struct FineStep {
    std::int32_t fader;
    float step;
};
constexpr FineStep kFineSteps[] = {{kThresholdDrag, 1}, {kRatioDrag, 1},   {kReleaseDrag, 1},
                                   {kZoomDrag, 1},      {kOutputDrag, 10}, {kLimitDrag, 1},
                                   {kLookAheadDrag, 20}};

bool inside(int x, int y, int left, int top, int right, int bottom) {
    return x >= left && x <= right && y >= top && y <= bottom;
}

float int16Units(float v) {
    return numeric::toInt16(v);
}
float int32Units(float v) {
    return static_cast<float>(numeric::toInt32(v));
}

} // namespace

Interaction::Interaction(EditorControls& controls, CompressorEffect& effect, InteractionView& v)
    : c(controls), fx(effect), view(v) {}

// A click's changes are one gesture each; a grabbed fader's lasts until the button is up.
void Interaction::leftButtonDown(int x, int y) {
    commitEntry(x, y);
    openEntry(x, y);
    grabHandles(x, y);
    fineSteps(x, y);
    toggleSwitches(x, y);
    hotSpots(x, y);
    if (fx.editorState.dragMode == kNoDrag) gestures::endAll(fx);
}

void Interaction::mouseMove(std::uintptr_t keys, int x, int y) {
    if (keys != kLeftButtonOnly) return;
    const std::int32_t fader = fx.editorState.dragMode;
    if (fader == kNoDrag) return;
    onFader(c, fader, [&](auto& f) { f.dragTo(fader == kLookAheadDrag ? x : y); });
    publish(fader);
}

void Interaction::leftButtonUp() {
    endDrag();
}

void Interaction::endDrag() {
    fx.editorState.dragMode = kNoDrag;
    gestures::endAll(fx);
}

// One fine step per notch, up or right for notches above 0, as a click just
// beside the handle would step; the first fader under the pointer takes it.
void Interaction::wheel(int x, int y, int notches) {
    if (notches == 0 || fx.editorState.dragMode != kNoDrag) return;
    for (const FineStep& s : kFineSteps) {
        bool hit = false;
        onFader(c, s.fader, [&](auto& f) { hit = f.wheelStep(x, y, notches, s.step); });
        if (!hit) continue;
        publish(s.fader);
        gestures::endAll(fx);
        return;
    }
}

void Interaction::entryChanged() {
    static constexpr std::int32_t order[] = {kOutputEntry, kReleaseEntry, kRatioEntry,
                                             kThrCompEntry, kThrLimEntry};
    for (std::int32_t mode : order)
        if (fx.editorState.entryMode == mode && view.entryLineCount(entryBox(mode)) == 2) commit();
}

// ---- the steps of a click --------------------------------------------------

// While an entry is open its display is hidden, so any click here takes it over.
void Interaction::commitEntry(int x, int y) {
    const std::int32_t mode = fx.editorState.entryMode;
    if (mode == kNoEntry || entryFader(mode).hitDisplay(x, y)) return;
    commit();
}

void Interaction::openEntry(int x, int y) {
    if (fx.editorState.entryMode != kNoEntry) return;
    if (c.outputFader.hitDisplay(x, y))
        open(kOutputEntry);
    else if (c.releaseFader.hitDisplay(x, y))
        open(kReleaseEntry);
    else if (c.ratioFader.hitDisplay(x, y))
        open(kRatioEntry);
    else if (c.thresholdFader.hitDisplay(x, y))
        open(kThrCompEntry);
    else if (c.limitFader.hitDisplay(x, y))
        open(kThrLimEntry);
}

// A grab has already moved the value to the pointer; the hit areas don't
// overlap, so at most one fader takes the drag.
void Interaction::grabHandles(int x, int y) {
    auto grab = [&](std::int32_t fader) {
        bool grabbed = false;
        onFader(c, fader, [&](auto& f) { grabbed = f.grabHandle(x, y); });
        if (!grabbed) return false;
        publish(fader);
        fx.editorState.dragMode = fader;
        return true;
    };
    if (!grab(kThresholdDrag)) grab(kRatioDrag);
    for (std::int32_t fader : {kReleaseDrag, kZoomDrag, kOutputDrag, kLimitDrag, kLookAheadDrag})
        grab(fader);
}

void Interaction::fineSteps(int x, int y) {
    for (const FineStep& s : kFineSteps) {
        bool moved = false;
        onFader(c, s.fader, [&](auto& f) { moved = f.stepToward(x, y, s.step); });
        if (moved) publish(s.fader);
    }
}

// A switch sends the opposite of what it shows; its face follows the
// parameter at the next update.
void Interaction::toggleSwitches(int x, int y) {
    auto flipped = [](const Switch& s) { return s.on == 0 ? 1.0f : 0.0f; };
    if (c.softSwitch.hit(x, y)) send(kSoft, flipped(c.softSwitch));
    if (c.normalizeSwitch.hit(x, y)) toggleNormalize();
    if (c.ditherSwitch.hit(x, y)) send(kDither, flipped(c.ditherSwitch));
    if (c.bypassSwitch.hit(x, y)) send(kBypass, flipped(c.bypassSwitch));
    if (c.autoSwitch.hit(x, y)) toggleAutoRelease();
}

// Switching on starts from the +24 dB the effect sets, which the spare
// parameter keeps; switching off turns the gain Auto Normalize reached into
// the output setting, so the sound does not jump.
void Interaction::toggleNormalize() {
    if (c.normalizeSwitch.on == 0) {
        send(kNormalize, 1.0f);
        send(kSpare, fx.outputGain);
        return;
    }
    send(kNormalize, 0.0f);
    send(kOutput, static_cast<float>(outputForGain(fx.outputGain)));
    fx.shownOutputGain = 0.0f;
}

// The release time is sent again so the effect derives its length in samples anew.
void Interaction::toggleAutoRelease() {
    send(kAutoRel, fx.autoRel == 0.0f ? 1.0f : 0.0f);
    const float release = fx.release;
    c.releaseFader.setValue(release);
    send(kRelease, release);
}

void Interaction::hotSpots(int x, int y) {
    if (inside(x, y, 13, 35, 59, 43) && fx.editorState.entryMode == kNoEntry) {
        // The word "Threshold": the shared display swaps between the two thresholds.
        c.thresholdFader.setDisplayVisible(c.thresholdFader.isDisplayVisible() ? 0 : 1);
        c.limitFader.setDisplayVisible(c.limitFader.isDisplayVisible() ? 0 : 1);
    }
    if (inside(x, y, 355, 239, 446, 266)) view.showAboutBox();
    if (inside(x, y, 461, 14, 490, 269)) fx.editorState.meters.resetLevelPeakMemory();
    if (inside(x, y, 328, 14, 341, 269)) fx.editorState.meters.resetReductionPeakMemory();
}

// ---- entries ---------------------------------------------------------------

ValueFader& Interaction::entryFader(std::int32_t mode) {
    switch (mode) {
    case kOutputEntry:
        return c.outputFader;
    case kReleaseEntry:
        return c.releaseFader;
    case kRatioEntry:
        return c.ratioFader;
    case kThrLimEntry:
        return c.limitFader;
    default:
        return c.thresholdFader;
    }
}

void Interaction::open(std::int32_t mode) {
    ValueFader& fader = entryFader(mode);
    fader.setDisplayVisible(0);
    view.showEntry(entryBox(mode), entryOpeningText(mode, fader.value));
    fx.editorState.entryMode = mode;
}

void Interaction::commit() {
    const std::int32_t mode = fx.editorState.entryMode;
    ValueFader& fader = entryFader(mode);
    const int box = entryBox(mode);
    if (box < 0) {
        fx.editorState.entryMode = kNoEntry;
        return;
    }
    fader.setValue(enteredFaderValue(mode, view.entryText(box).c_str()));
    publish(faderOfEntry(mode));
    view.hideEntry(box);
    fader.setDisplayVisible(1);
    fx.editorState.entryMode = kNoEntry;
    if (fx.editorState.dragMode == kNoDrag) gestures::endAll(fx);
}

// ---- publishing ------------------------------------------------------------

void Interaction::send(std::int32_t index, float value) {
    gestures::send(fx, index, value);
}

// The fader's value, truncated to the parameter's field, goes to the effect;
// the other fader follows at the next update.
void Interaction::publish(std::int32_t fader) {
    switch (fader) {
    case kThresholdDrag:
        return publishCompThreshold(int16Units(c.thresholdFader.value));
    case kRatioDrag:
        return send(kRatio, int16Units(c.ratioFader.value));
    case kReleaseDrag:
        return send(kRelease, int16Units(c.releaseFader.value));
    case kZoomDrag:
        return send(kZoom, int32Units(c.zoomFader.value));
    case kOutputDrag:
        return send(kOutput, int32Units(c.outputFader.value));
    case kLimitDrag:
        return publishLimitThreshold(int16Units(c.limitFader.value));
    case kLookAheadDrag:
        return send(kLookAhead, c.lookAheadFader.value);
    default:
        return;
    }
}

// The compressor threshold stays at or below the limiter's (in units: ThrComp
// >= ThrLim); whichever moves pulls the other along.
void Interaction::publishCompThreshold(float units) {
    send(kThrComp, units);
    if (fx.thrLim > units) send(kThrLim, units);
}

void Interaction::publishLimitThreshold(float units) {
    send(kThrLim, units);
    if (units > fx.thrComp) send(kThrComp, units);
}
