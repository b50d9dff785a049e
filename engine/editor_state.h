// The editor's per-instance state that outlives its window: meter ballistics
// and peak memories, the wave history, and which drag or entry is under way.
#pragma once

#include <cstdint>

constexpr int kWaveColumns = 122;

struct MeterState {
    std::int16_t reductionLevel = 257;
    std::int16_t levelA = 256, levelB = 256;
    std::int32_t reductionPeak = 270;
    std::int32_t levelPeakA = 0, levelPeakB = 0;
    std::int32_t reductionHold = 1;
    std::int32_t levelHold = 1;
    std::int32_t rmsTickCount = 0;

    // A click on a meter: its held peak jumps to the current level at the next tick.
    void resetLevelPeakMemory() { levelHold = 0; }
    void resetReductionPeakMemory() { reductionHold = 0; }
};

// The last 122 columns of the wave display in 1/32768 of full scale; the ring
// index is the oldest column, where the next one goes.
struct WaveHistory {
    std::int32_t histInMax[kWaveColumns] = {};
    std::int32_t histInMin[kWaveColumns] = {};
    std::int32_t histLimMax[kWaveColumns] = {};
    std::int32_t histLimMin[kWaveColumns] = {};
    std::int32_t histCompMax[kWaveColumns] = {};
    std::int32_t histCompMin[kWaveColumns] = {};
    std::int8_t waveRingIndex = 0;
};

struct EditorState {
    void* editorWindow = nullptr;   // the open editor window, or null
    std::int32_t dragMode = 0;      // the fader being dragged, 0 for none
    std::int32_t entryMode = 0;     // the numeric entry that is open, 0 for none
    std::uint32_t openGestures = 0; // bit i: the host was told an edit of parameter i began
    MeterState meters;
    WaveHistory wave;
};
