// One program: the raw values of the thirteen parameters and a name.
#pragma once

#include <cstdint>

struct CompressorProgram {
    std::int16_t soft;
    std::int16_t normalize;
    std::int16_t dither;
    std::int16_t bypass;
    std::int16_t thrComp;
    std::int32_t output;
    std::int16_t release;
    std::int16_t ratio;
    std::int32_t zoom;
    float spareParam;
    float autoRel;
    std::int16_t thrLim;
    float lookAhead;
    char name[24];
};

constexpr int kNumPrograms = 9;

// The factory presets, in program order.
extern const CompressorProgram kPresets[kNumPrograms];
