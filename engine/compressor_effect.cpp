#include "engine/compressor_effect.h"

#include "engine/dither_noise.h"
#include "plugin/text.h"

#include <cfloat>
#include <cstring>
#include <new>

CompressorEffect::CompressorEffect(audioMasterCallback audioMaster)
    : AudioEffectX(audioMaster, kNumPrograms, kNumParams) {
    programs = new (std::nothrow) CompressorProgram[kNumPrograms];
    if (programs) std::memcpy(programs, kPresets, sizeof(kPresets));
    setNumInputs(1);
    setNumOutputs(1);
    hasVu(true);
    canMono(true);
    canProcessReplacing(true);
    setUniqueID(vst::fourCC("KvRw"));

    delayA = new (std::nothrow) float[kLineCapacity];
    delayB = new (std::nothrow) float[kLineCapacity];
    gainDelay = new (std::nothrow) float[kLineCapacity];
    if (!isReady()) return;
    resetLines();
    ditherNoise::restart(); // restarts the dither noise of every instance
    setProgram(0);
    constructed = true;
}

CompressorEffect::~CompressorEffect() {
    delete[] programs;
    delete[] delayA;
    delete[] delayB;
    delete[] gainDelay;
}

void CompressorEffect::resetLines() {
    for (int i = 0; i < kLineCapacity; ++i) {
        delayA[i] = 0.0f;
        delayB[i] = 0.0f;
        gainDelay[i] = 1.0f;
    }
}

void CompressorEffect::setSampleRate(float rate) {
    if (rate > 0.0f && rate <= FLT_MAX) AudioEffectX::setSampleRate(rate);
}

void CompressorEffect::suspend() {
    resetLines();
}

bool CompressorEffect::getEffectName(char* name) {
    bounded::copy(name, "Tarvexor");
    return true;
}

bool CompressorEffect::getVendorString(char* text) {
    bounded::copy(text, "OrbaneWeb");
    return true;
}

bool CompressorEffect::getProductString(char* text) {
    bounded::copy(text, "Tarvexor");
    return true;
}

vst::IntPtr CompressorEffect::canDo(const char* text) {
    return std::strcmp(text, "1in1out") == 0 ? 1 : -1;
}
