// A second, deliberately plain implementation of the compressor as a host
// sees it: parameters, programs, sample rate, suspend and processReplacing,
// computed sample by sample with the same float and double steps. Tests run
// it beside the plug-in and expect bit-identical output.
#pragma once

#include <cmath>
#include <cstdint>

namespace model {

constexpr int kLineCapacity = 441;
constexpr int kParameterCount = 13;
constexpr int kProgramCount = 9;

// One program record: the thirteen raw values and a name.
struct Program {
    std::int16_t soft, normalize, dither, bypass, thrComp;
    std::int32_t output;
    std::int16_t release, ratio;
    std::int32_t zoom;
    float spareParam, autoRel;
    std::int16_t thrLim;
    float lookAhead;
    char name[24];
};

// Parameter fields and the values derived from them.
struct Parameters {
    std::int16_t soft = 0, normalize = 0, dither = 0, bypass = 0, thrComp = 0;
    std::int32_t output = 24000;
    std::int16_t release = 0, ratio = 2;
    std::int32_t zoom = 0;
    float spareParam = 0.0f, autoRel = 0.0f;
    std::int16_t thrLim = 0;
    float lookAhead = 0.0f;

    float compThresholdLin = 1.0f;
    float outputGain = 1.0f;
    std::int32_t releaseSamples = 0;
    float limThresholdLin = 1.0f;
    std::int32_t initialDelay = 0;

    std::int16_t normalizeJustOn = 0, outputRecalc = 0, outputRecalcGui = 0;
    float shownOutputGain = 1.0f;
    std::int32_t normalizeCeiling = 0;
};

// What processing keeps between blocks.
struct Processing {
    float compGain = 1.0f, compRate = 0.1f, compStep = 0.0f;
    float limGain = 1.0f, limRate = 0.1f, limStep = 0.0f;
    float delayA[kLineCapacity], delayB[kLineCapacity], gainDelay[kLineCapacity];
    std::int32_t writePos = 0;
    int lineLength = kLineCapacity; // slots the last block used
};

// The feed left for the editor.
struct Metering {
    float inMax[2] = {0, 0}, inMin[2] = {0, 0};
    float totalGainAtMax[2] = {0, 0}, totalGainAtMin[2] = {0, 0};
    float compGainAtMax[2] = {0, 0}, compGainAtMin[2] = {0, 0};
    float sumSquares[2] = {0, 0};
    std::int32_t sumCount = 0;
};

class Compressor {
  public:
    // Restarts the dither generator with 1 and applies program 0.
    Compressor();

    void setParameter(int index, float value);
    // The host's path: its 1.0 is the top of a stepped parameter's range.
    void setParameterFromHost(int index, float value);
    float getParameter(int index) const;
    void setProgram(int index);
    int program() const { return curProgram; }
    // Only finite positive rates are taken.
    void setSampleRate(float rate) {
        if (std::isfinite(rate) && rate > 0.0f) sampleRate = rate;
    }
    void suspend();
    void processReplacing(const float* in, float* out, int frames);

    // Settings that only the editor changes.
    void setNormalizeCeiling(std::int32_t code) { params.normalizeCeiling = code; }

    const Parameters& parameters() const { return params; }
    const Processing& processing() const { return state; }
    const Metering& metering() const { return meter; }
    const Program& programRecord(int index) const { return programs[index]; }
    int initialDelay() const { return params.initialDelay; }

  private:
    struct Block;

    void setSwitch(int index, float value, Program& record);
    void setStepped(int index, float value, Program& record);
    void setLookAhead(float value, Program& record);
    void relinkOutput(float x, Program& record);
    void tail(Program& record);

    Block startBlock() const;
    void processSample(Block& b, float input, float& output);
    void compressorDetect(Block& b, float a);
    float compressorRelease(Block& b, float a);
    void limiter(Block& b, float y);
    void rampLine(const Block& b, int n);
    void recordExtremes(float x, float gn, float gc);
    void outputStage(Block& b, float oA, float oB, float& output);
    void endBlock(Block& b);

    Parameters params;
    Processing state;
    Metering meter;
    Program programs[kProgramCount];
    int curProgram = 0;
    float sampleRate = 44100.0f;
};

} // namespace model
