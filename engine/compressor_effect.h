// The compressor: parameters, programs, the signal path and what it leaves
// for the editor's displays.
#pragma once

#include "editor/editor_state.h"
#include "engine/compressor_program.h"
#include "engine/display_settings.h"
#include "plugin/audioeffectx.h"

#include <cstdint>

enum ParameterIndex : vst::Int32 {
    kSoft = 0,
    kNormalize,
    kDither,
    kBypass,
    kThrComp,
    kOutput,
    kRelease,
    kRatio,
    kZoom,
    kSpare,
    kAutoRel,
    kThrLim,
    kLookAhead,
    kNumParams
};

// Largest input and smallest input since the editor last looked, with the
// gains computed for them; two pairs, declared in this order.
struct Extremes {
    float inMaxA, inMinA, inMaxB, inMinB;
    float totalGainAtMinA, totalGainAtMaxA, totalGainAtMinB, totalGainAtMaxB;
    float compGainAtMinA, compGainAtMaxA, compGainAtMinB, compGainAtMaxB;
};

class CompressorEffect : public AudioEffectX {
  public:
    static constexpr int kLineCapacity = 441;

    explicit CompressorEffect(audioMasterCallback audioMaster);
    ~CompressorEffect() override;

    // False when the program table or a look-ahead line could not be allocated.
    bool isReady() const { return programs && delayA && delayB && gainDelay; }

    // Rates that are not finite and positive are ignored.
    void setSampleRate(float rate) override;
    void setParameter(vst::Int32 index, float value) override;
    float getParameter(vst::Int32 index) override;
    void setParameterAutomated(vst::Int32 index, float value) override;
    void process(float** inputs, float** outputs, vst::Int32 sampleFrames) override;
    void processReplacing(float** inputs, float** outputs, vst::Int32 sampleFrames) override;
    void setProgram(vst::Int32 program) override;
    void setProgramName(const char* name) override;
    void getProgramName(char* name) override;
    void getParameterLabel(vst::Int32 index, char* label) override;
    void getParameterDisplay(vst::Int32 index, char* text) override;
    void getParameterName(vst::Int32 index, char* text) override;
    float getVu() override { return 0.0f; }
    void suspend() override;
    bool getEffectName(char* name) override;
    bool getVendorString(char* text) override;
    bool getProductString(char* text) override;
    vst::IntPtr canDo(const char* text) override;

    // Parameter fields, in their own units.
    std::int16_t soft = 0, normalize = 0, dither = 0, bypass = 0;
    std::int16_t thrComp = 0;
    float compThresholdLin = 1.0f;
    std::int32_t output = 24000;
    float outputGain = 1.0f;
    std::int16_t release = 0;
    std::int32_t releaseSamples = 1;
    std::int16_t ratio = 2;
    std::int32_t zoom = 2;
    float spareParam = 0.0f;
    float autoRel = 0.0f;
    std::int16_t thrLim = 0;
    float limThresholdLin = 1.0f;
    float lookAhead = 0.0f;
    std::int16_t normalizeJustOn = 0, outputRecalc = 0, outputRecalcGui = 0;
    float shownOutputGain = 1.0f;

    // Processing state kept between blocks.
    float compGain = 1.0f, compRate = 0.1f, compStep = 0.0f;
    float limGain = 1.0f, limRate = 0.1f, limStep = 0.0f;
    float* delayA = nullptr;
    float* delayB = nullptr;
    float* gainDelay = nullptr;
    std::int32_t writePos = 0;
    int lineLength = kLineCapacity; // slots the last block used

    // Metering feed for the editor.
    Extremes extremes = {};
    float sumSquaresA = 0.0f, sumSquaresB = 0.0f;
    std::int32_t sumCount = 0;

    // Editor settings and state kept with the effect, whether a window is open or not.
    DisplaySettings settings;
    EditorState editorState;

  protected:
    CompressorProgram* programs = nullptr;

  private:
    struct BlockState;
    void detectCompression(BlockState& b, float a);
    float releaseCompression(BlockState& b, float a);
    void limit(BlockState& b, float y);
    template <bool Dither, bool Normalize> float outputStage(BlockState& b, float oA);
    template <bool Dither, bool Normalize, bool Ramp>
    void runLoop(BlockState& b, const float* in, float* out, int frames);
    void runBlock(BlockState& b, const float* in, float* out, int frames);
    void storeBlock(BlockState& b, int frames);
    void growLine(int length);

    void setSwitch(vst::Int32 index, std::int16_t value, CompressorProgram& program);
    void setStepped(vst::Int32 index, float value, CompressorProgram& program);
    void setLookAhead(float value, CompressorProgram& program);
    void relinkOutputToLimiter(float x, CompressorProgram& program);
    void finishNormalizeSwitch(CompressorProgram& program);
    void applyOutputGain();
    void resetLines();
};
