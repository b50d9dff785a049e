// The compressor: parameters, programs, the signal path and what it leaves
// for the editor's displays.
//
// Threads. Two threads of the host touch an instance: the audio thread runs
// processReplacing and process; the host's other calls (the dispatcher,
// setParameter, getParameter) and the whole editor run on whichever thread
// the host calls from, usually its user-interface thread ("the UI thread"
// below). Nothing is locked and nothing is atomic: every value one thread
// writes and the other reads is a single aligned 16- or 32-bit field. The
// audio thread copies the parameter fields it needs at the start of a block
// and stores its state once at its end, so a change takes effect at the next
// block. The metering feed goes the other way: the audio thread accumulates
// it, the editor's display tick reads and clears it between blocks; a clear
// that lands inside a block moves one block's worth of metering into the
// next display column, no more. Construction, destruction and suspend run
// while the host is not processing. Fields without a note belong to one
// thread only.
#pragma once

#include "engine/compressor_program.h"
#include "engine/display_settings.h"
#include "engine/editor_state.h"
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
namespace stretch {
struct Stretch;
}

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
    void setParameterFromHost(vst::Int32 index, float value) override;
    void process(float** inputs, float** outputs, vst::Int32 sampleFrames) override;
    void processReplacing(float** inputs, float** outputs, vst::Int32 sampleFrames) override;
    void setProgram(vst::Int32 program) override;
    void setProgramName(const char* name) override;
    void getProgramName(char* name) override;
    bool getProgramNameIndexed(vst::Int32 category, vst::Int32 index, char* text) override;
    void getParameterLabel(vst::Int32 index, char* label) override;
    void getParameterDisplay(vst::Int32 index, char* text) override;
    void getParameterName(vst::Int32 index, char* text) override;
    float getVu() override { return 0.0f; }
    void suspend() override;
    bool getEffectName(char* name) override;
    bool getVendorString(char* text) override;
    bool getProductString(char* text) override;
    vst::IntPtr canDo(const char* text) override;

    // Tells the host to re-read the parameters: one changed as a side effect
    // of another, or without the host's asking. Never called from processing.
    void parametersChangedBehindHost();

    // Parameter fields, in their own units. UI thread writes (setParameter),
    // audio thread reads at the start of each block.
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
    std::int16_t normalizeJustOn = 0; // UI thread only
    // UI thread sets it; the audio thread takes the new output gain and clears it.
    std::int16_t outputRecalc = 0;
    // UI thread sets it (setParameter) and clears it (display tick).
    std::int16_t outputRecalcGui = 0;
    // UI thread only: the normalized gain the Output control last showed.
    float shownOutputGain = 1.0f;

    // Processing state kept between blocks: audio thread only (suspend and
    // construction reset it while the host is not processing). In Auto
    // Normalize the audio thread also writes outputGain back at block end;
    // the UI thread reads it in the display tick.
    float compGain = 1.0f, compRate = 0.1f, compStep = 0.0f;
    float limGain = 1.0f, limRate = 0.1f, limStep = 0.0f;
    float* delayA = nullptr;
    float* delayB = nullptr;
    float* gainDelay = nullptr;
    std::int32_t writePos = 0;
    int lineLength = kLineCapacity; // slots the last block used

    // Metering feed: the audio thread accumulates, the UI thread's display
    // tick reads and clears.
    Extremes extremes = {};
    float sumSquaresA = 0.0f, sumSquaresB = 0.0f;
    std::int32_t sumCount = 0;

    // Editor settings and state kept with the effect, whether a window is open
    // or not. The UI thread writes the settings; the audio thread reads
    // settings.normalizeCeiling at the start of each block.
    DisplaySettings settings;
    EditorState editorState; // UI thread only

  protected:
    CompressorProgram* programs = nullptr;

  private:
    struct BlockState;
    void detectCompression(BlockState& b, float a);
    float releaseCompression(BlockState& b, float a);
    void limit(BlockState& b, float y);
    struct LineWalk;
    template <bool Ramp> float runSample(BlockState& b, LineWalk& w, float x);
    int passAtRest(BlockState& b, LineWalk& w, const float* x, float* out, int k, int stop);
    template <bool Ramp>
    void runStretch(BlockState& block, LineWalk& walk, const stretch::Stretch& s, float* out, int k,
                    int end);
    template <bool Ramp> void runLoop(BlockState& b, const float* in, float* out, int frames);
    void finishOutput(BlockState& b, float* io, int count);
    void runBlock(BlockState& b, const float* in, float* out, int frames);
    void storeBlock(BlockState& b, int frames);
    void growLine(int length);

    // Host notices wait until the instance is built; a program change sends one at its end.
    bool constructed = false;
    bool changingProgram = false;

    void setSwitch(vst::Int32 index, std::int16_t value, CompressorProgram& program);
    void setStepped(vst::Int32 index, float value, CompressorProgram& program);
    void setLookAhead(float value, CompressorProgram& program);
    void relinkOutputToLimiter(float x, CompressorProgram& program);
    void finishNormalizeSwitch(CompressorProgram& program);
    void applyOutputGain();
    void resetLines();
};
