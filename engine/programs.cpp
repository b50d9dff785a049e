#include "engine/compressor_effect.h"

#include "plugin/text.h"

// clang-format off
const CompressorProgram kPresets[kNumPrograms] = {
//   soft norm dith byp thrC output rel  ratio zoom  [9]   autoRel thrLim lookAhead name
    {1,   0,   0,   0,  20,  24000, 250, 6,    2,    1.0f, 1.0f,   1,     999.0f,   "Init"},
    {1,   1,   1,   0,  24,  16000, 250, 6,    2,    1.0f, 1.0f,   14,    999.0f,   "Mastering 1"},
    {1,   1,   1,   0,  28,  24000, 250, 4,    2,    1.0f, 1.0f,   12,    999.0f,   "Mastering 2"},
    {1,   1,   1,   0,  28,  14020, 250, 8,    5,    1.0f, 1.0f,   20,    999.0f,   "Mastering 3"},
    {1,   1,   1,   0,  41,  7520,  250, 12,   9,    1.0f, 1.0f,   33,    999.0f,   "Mastering 4"},
    {1,   1,   0,   0,  60,  16000, 10,  60,   4,    1.0f, 0.0f,   48,    3.0f,     "Violator"},
    {1,   0,   0,   0,  20,  24000, 600, 20,   2,    1.0f, 0.0f,   1,     3.0f,     "User 1"},
    {1,   0,   0,   0,  20,  24000, 600, 20,   2,    1.0f, 0.0f,   1,     3.0f,     "User 2"},
    {1,   0,   0,   0,  20,  24000, 600, 20,   2,    1.0f, 0.0f,   1,     3.0f,     "User 3"},
};
// clang-format on

// Applies a program. Output comes before Normalize and ThrLim after both, so
// a normalizing program derives its output gain from its limiter threshold;
// LookAhead comes last, so the reported latency is the program's.
void CompressorEffect::setProgram(vst::Int32 program) {
    changingProgram = true;
    extremes = Extremes{};
    curProgram = program;
    const CompressorProgram& p = programs[program];
    setParameter(kSoft, p.soft);
    setParameter(kSpare, p.spareParam);
    setParameter(kOutput, static_cast<float>(p.output));
    setParameter(kNormalize, p.normalize);
    setParameter(kDither, p.dither);
    setParameter(kBypass, p.bypass);
    setParameter(kThrComp, p.thrComp);
    setParameter(kRatio, p.ratio);
    setParameter(kRelease, p.release);
    setParameter(kZoom, static_cast<float>(p.zoom));
    setParameter(kAutoRel, p.autoRel);
    setParameter(kThrLim, p.thrLim);
    setParameter(kLookAhead, p.lookAhead);
    changingProgram = false;
    if (constructed) updateDisplay();
}

bool CompressorEffect::getProgramNameIndexed(vst::Int32 category, vst::Int32 index, char* text) {
    (void)category;
    if (index < 0 || index >= kNumPrograms) return false;
    bounded::copy(text, programs[index].name, sizeof(programs[index].name) - 1);
    return true;
}

void CompressorEffect::setProgramName(const char* name) {
    bounded::copy(programs[curProgram].name, name, sizeof(programs[curProgram].name) - 1);
}

void CompressorEffect::getProgramName(char* name) {
    bounded::copy(name, programs[curProgram].name, sizeof(programs[curProgram].name) - 1);
}
