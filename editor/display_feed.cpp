#include "editor/display_feed.h"

#include "editor/wave_geometry.h"
#include "engine/compressor_effect.h"
#include "engine/numeric.h"
#include "engine/output_law.h"

#include <algorithm>
#include <cmath>

namespace feed {

Pair pairA(const Extremes& e) {
    return {e.inMaxA,          e.inMinA,         e.totalGainAtMaxA,
            e.totalGainAtMinA, e.compGainAtMaxA, e.compGainAtMinA};
}

Pair pairB(const Extremes& e) {
    return {e.inMaxB,          e.inMinB,         e.totalGainAtMaxB,
            e.totalGainAtMinB, e.compGainAtMaxB, e.compGainAtMinB};
}

Peak peakOf(const Pair& p) {
    if (p.inMax > -p.inMin) return {p.inMax, p.inMax * p.totalGainAtMax};
    return {-p.inMin, -(p.inMin * p.totalGainAtMin)};
}

bool pairAChosen(const Extremes& e) {
    return peakOf(pairA(e)).limited > peakOf(pairB(e)).limited;
}

Column columnOf(const Pair& p) {
    return {wave::toUnits(p.inMax),
            wave::toUnits(p.inMin),
            wave::toUnits(p.inMax * p.totalGainAtMax),
            wave::toUnits(p.inMin * p.totalGainAtMin),
            wave::toUnits(p.inMax * p.compGainAtMax),
            wave::toUnits(p.inMin * p.compGainAtMin)};
}

Column historyColumn(const WaveHistory& h, int slot) {
    return {h.histInMax[slot],  h.histInMin[slot],   h.histLimMax[slot],
            h.histLimMin[slot], h.histCompMax[slot], h.histCompMin[slot]};
}

void storeColumn(WaveHistory& h, const Column& c) {
    int slot = h.waveRingIndex;
    h.histInMax[slot] = c.inMax;
    h.histInMin[slot] = c.inMin;
    h.histLimMax[slot] = c.limMax;
    h.histLimMin[slot] = c.limMin;
    h.histCompMax[slot] = c.compMax;
    h.histCompMin[slot] = c.compMin;
    h.waveRingIndex = static_cast<std::int8_t>((slot + 1) % kWaveColumns);
}

MeterTargets meterTargets(const Extremes& e, float outputGain, bool capped) {
    Peak a = peakOf(pairA(e)), b = peakOf(pairB(e));
    Peak shown = a.limited > b.limited ? a : b;
    MeterTargets t{meter::reductionPixels(shown.input, shown.limited),
                   meter::levelPixels(outputGain * a.limited),
                   meter::levelPixels(outputGain * b.limited)};
    if (capped) {
        t.levelA = std::min(t.levelA, meter::kNormalizedLevel);
        t.levelB = std::min(t.levelB, meter::kNormalizedLevel);
    }
    return t;
}

void followTargets(MeterState& m, const MeterTargets& t, bool bypass) {
    if (bypass) {
        m.reductionLevel = m.levelA = m.levelB = 0;
        return;
    }
    m.reductionLevel = static_cast<std::int16_t>(meter::follow(m.reductionLevel, t.reduction));
    m.levelA = static_cast<std::int16_t>(meter::follow(m.levelA, t.levelA));
    m.levelB = static_cast<std::int16_t>(meter::follow(m.levelB, t.levelB));
}

float automaticReleaseMs(std::int32_t releaseSamples, float sampleRate) {
    return static_cast<float>(releaseSamples) / (sampleRate / 1000.0f);
}

namespace {

// The two values the tick writes back into controls.
void feedBack(CompressorEffect& fx, bool twelfthTick, TickFrame& f) {
    if (twelfthTick && fx.autoRel == 1.0f) {
        f.showRelease = true;
        f.releaseMs = automaticReleaseMs(fx.releaseSamples, fx.getSampleRate());
    }
    if (fx.normalize != 0 && fx.shownOutputGain != fx.outputGain) {
        fx.output = outputForGain(fx.outputGain);
        fx.shownOutputGain = fx.outputGain;
        f.showOutput = true;
        f.output = static_cast<float>(fx.output);
        fx.parametersChangedBehindHost();
    }
}

void readRms(CompressorEffect& fx, TickFrame& f) {
    f.rmsDue = true;
    f.rmsText = meter::rmsText(fx.sumSquaresA, fx.sumSquaresB, fx.sumCount, -99.9);
    fx.sumSquaresA = fx.sumSquaresB = 0.0f;
    fx.sumCount = 0;
}

void moveMeters(CompressorEffect& fx, const Extremes& e, TickFrame& f) {
    MeterState& m = fx.editorState.meters;
    bool capped = fx.normalize != 0 || fx.outputRecalcGui != 0;
    fx.outputRecalcGui = 0;
    followTargets(m, meterTargets(e, fx.outputGain, capped), fx.bypass != 0);
    f.reductionLevel = m.reductionLevel;
    f.levelA = m.levelA;
    f.levelB = m.levelB;
    f.reductionPeakRow = meter::holdReductionPeak(m, fx.settings.peakHoldTicks);
    f.levelPeaks = meter::holdLevelPeaks(m, fx.settings.peakHoldTicks);
}

} // namespace

TickFrame advanceDisplay(CompressorEffect& fx) {
    TickFrame f;
    MeterState& m = fx.editorState.meters;
    bool twelfthTick = m.rmsTickCount == 0;
    feedBack(fx, twelfthTick, f);
    if (twelfthTick) readRms(fx, f);
    m.rmsTickCount = (m.rmsTickCount + 1) % 12;
    const Extremes e = fx.extremes;
    moveMeters(fx, e, f);
    f.bypass = fx.bypass != 0;
    if (!f.bypass) f.column = columnOf(pairAChosen(e) ? pairA(e) : pairB(e));
    storeColumn(fx.editorState.wave, f.column);
    fx.extremes = Extremes{};
    return f;
}

} // namespace feed
