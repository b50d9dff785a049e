// Scripts of host calls replayed on the plug-in (through its binary interface)
// and on the reference model, with traces compared bit for bit.
#pragma once

#include "plugin/vst2.h"
#include "tests/signal/reference_model.h"

#include <memory>
#include <string>
#include <vector>

namespace signaltest {

enum Param {
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
    kLookAhead
};

// One host call.
struct Step {
    enum class Kind { Parameter, Program, SampleRate, BlockSizeAndRate, Suspend, Resume, Process };
    Kind kind;
    int index = 0;
    float value = 0.0f;
    int frames = 0;
    std::vector<float> input;
};

// A sequence of host calls, built fluently.
class Script {
  public:
    Script& param(int index, float value);
    Script& program(int index);
    Script& rate(float sampleRate);
    Script& blockSizeAndRate(int blockSize, float sampleRate);
    Script& suspend();
    Script& resume();
    Script& process(std::vector<float> input);
    // A block whose count is given apart from its samples (0 or negative).
    Script& processCount(int frames);
    // The same signal cut into blocks of the given size.
    Script& processInBlocks(const std::vector<float>& input, int blockSize);

    std::vector<Step> steps;
};

// What a host can see after each call: the block's output, or the latency and
// the parameters' host values after any other call.
struct Observation {
    std::vector<float> output;
    int initialDelay = 0;
    float parameters[13] = {};
};
using Trace = std::vector<Observation>;

// The effect a script is replayed on.
class Target {
  public:
    virtual ~Target() = default;
    virtual void setParameter(int index, float value) = 0;
    virtual float getParameter(int index) = 0;
    virtual void setProgram(int index) = 0;
    virtual void setSampleRate(float rate) = 0;
    virtual void setBlockSizeAndRate(int blockSize, float rate) = 0;
    virtual void suspend() = 0;
    virtual void resume() = 0;
    virtual void process(const float* in, float* out, int frames) = 0;
    virtual int initialDelay() = 0;
};

// Fresh instances: each creation reseeds the dither generator with 1.
std::unique_ptr<Target> makePlugin();
std::unique_ptr<Target> makeModel(model::Compressor** inside = nullptr);
// An effect the caller owns, reached through its record only.
std::unique_ptr<Target> makeRecordTarget(AEffect* effect);

Trace replay(Target& target, const std::vector<Step>& steps);
Trace replayOnPlugin(const std::vector<Step>& steps);
Trace replayOnModel(const std::vector<Step>& steps);

// Every processed sample of a trace, in order.
std::vector<float> outputs(const Trace& trace);

// The plug-in's output for a script; a test failure when the model disagrees.
std::vector<float> agreedOutput(const Script& script);

// Bit-identical floats (any NaN equals any NaN).
bool sameFloat(float a, float b);

// Empty when the traces agree; otherwise where and how they first differ.
std::string firstDifference(const std::vector<Step>& steps, const Trace& plugin,
                            const Trace& model);

// Replays on both and shrinks a disagreeing script to a short one that still
// disagrees; empty when they agree.
std::string compareWithModel(const std::vector<Step>& steps);

// C++-like listing of a script, for reproducing a failure.
std::string listing(const std::vector<Step>& steps);

// Signals.
std::vector<float> silence(int n);
std::vector<float> constant(int n, float level);
std::vector<float> sine(int n, float peak, double period, double phase = 0.0);
std::vector<float> join(std::vector<float> a, const std::vector<float>& b);

// A plain setting in which neither gain stage acts and the output is 0 dB:
// thresholds at 0 dB, ratio 1:1, hard knee, manual release, no look-ahead.
Script neutralSetting();

} // namespace signaltest
