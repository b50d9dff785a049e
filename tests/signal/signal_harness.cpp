#include "tests/signal/signal_harness.h"

#include "tests/host/plugin_host.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <sstream>

namespace signaltest {
namespace {

// Written around every output block to see stray writes.
constexpr float kSentinel = -12345.5f;
constexpr int kGuard = 4;

// Talks to an effect only through its record and entry points.
class RecordTarget : public Target {
  public:
    explicit RecordTarget(AEffect* e) : effect(e) {}
    void setParameter(int index, float value) override {
        effect->setParameter(effect, index, value);
    }
    float getParameter(int index) override { return effect->getParameter(effect, index); }
    void setProgram(int index) override { testhost::dispatch(effect, effSetProgram, 0, index); }
    void setSampleRate(float rate) override {
        testhost::dispatch(effect, effSetSampleRate, 0, 0, nullptr, rate);
    }
    void setBlockSizeAndRate(int blockSize, float rate) override {
        testhost::dispatch(effect, effSetBlockSizeAndSampleRate, 0, blockSize, nullptr, rate);
    }
    void suspend() override { testhost::dispatch(effect, effMainsChanged, 0, 0); }
    void resume() override { testhost::dispatch(effect, effMainsChanged, 0, 1); }
    void process(const float* in, float* out, int frames) override {
        testhost::processBlock(effect, in, out, frames);
    }
    int initialDelay() override { return effect->initialDelay; }

  private:
    AEffect* effect;
};

// Created before the record target that talks to it.
struct OwnedInstance {
    testhost::Instance instance;
};

class PluginTarget : private OwnedInstance, public RecordTarget {
  public:
    PluginTarget() : RecordTarget(instance.get()) {}
};

class ModelTarget : public Target {
  public:
    void setParameter(int index, float value) override { fx.setParameterFromHost(index, value); }
    float getParameter(int index) override { return fx.getParameter(index); }
    void setProgram(int index) override {
        if (index >= 0 && index < model::kProgramCount) fx.setProgram(index);
    }
    void setSampleRate(float rate) override { fx.setSampleRate(rate); }
    void setBlockSizeAndRate(int, float rate) override { fx.setSampleRate(rate); }
    void suspend() override { fx.suspend(); }
    void resume() override {}
    void process(const float* in, float* out, int frames) override {
        fx.processReplacing(in, out, frames);
    }
    int initialDelay() override { return fx.initialDelay(); }

    model::Compressor fx;
};

Observation processStep(Target& target, const Step& step) {
    int n = std::max(step.frames, 0);
    std::vector<float> in(step.input);
    in.resize(n + kGuard, 0.0f);
    std::vector<float> out(n + 2 * kGuard, kSentinel);
    target.process(in.data(), out.data() + kGuard, step.frames);
    Observation seen;
    seen.output = std::move(out);
    return seen;
}

Observation hostStep(Target& target, const Step& step) {
    switch (step.kind) {
    case Step::Kind::Parameter:
        target.setParameter(step.index, step.value);
        break;
    case Step::Kind::Program:
        target.setProgram(step.index);
        break;
    case Step::Kind::SampleRate:
        target.setSampleRate(step.value);
        break;
    case Step::Kind::BlockSizeAndRate:
        target.setBlockSizeAndRate(step.index, step.value);
        break;
    case Step::Kind::Suspend:
        target.suspend();
        break;
    default:
        target.resume();
        break;
    }
    Observation seen;
    seen.initialDelay = target.initialDelay();
    for (int i = 0; i < 13; ++i)
        seen.parameters[i] = target.getParameter(i);
    return seen;
}

std::string floatText(float v) {
    std::ostringstream s;
    s.precision(9);
    s << v;
    std::uint32_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    s << " (0x" << std::hex << bits << ")";
    return s.str();
}

std::string differenceInStep(const Observation& p, const Observation& m) {
    std::ostringstream s;
    for (std::size_t i = 0; i < p.output.size(); ++i) {
        if (sameFloat(p.output[i], m.output[i])) continue;
        int at = static_cast<int>(i) - kGuard;
        s << "sample " << at << ": plug-in " << floatText(p.output[i]) << ", model "
          << floatText(m.output[i]);
        return s.str();
    }
    if (p.initialDelay != m.initialDelay) {
        s << "initialDelay: plug-in " << p.initialDelay << ", model " << m.initialDelay;
        return s.str();
    }
    for (int i = 0; i < 13; ++i) {
        if (sameFloat(p.parameters[i], m.parameters[i])) continue;
        s << "getParameter(" << i << "): plug-in " << floatText(p.parameters[i]) << ", model "
          << floatText(m.parameters[i]);
        return s.str();
    }
    return "";
}

// Index of the first step whose observation differs, or -1.
int firstDifferingStep(const Trace& plugin, const Trace& model) {
    for (std::size_t i = 0; i < plugin.size(); ++i) {
        if (!differenceInStep(plugin[i], model[i]).empty()) return static_cast<int>(i);
    }
    return -1;
}

bool disagree(const std::vector<Step>& steps) {
    return firstDifferingStep(replayOnPlugin(steps), replayOnModel(steps)) >= 0;
}

// Greedy shrinking: drop whole calls, then shorten blocks, while they still disagree.
std::vector<Step> shrink(std::vector<Step> steps) {
    for (std::size_t i = steps.size(); i-- > 0;) {
        std::vector<Step> fewer(steps);
        fewer.erase(fewer.begin() + static_cast<long>(i));
        if (disagree(fewer)) steps = std::move(fewer);
    }
    for (Step& step : steps) {
        if (step.kind != Step::Kind::Process) continue;
        while (step.frames > 1) {
            Step saved = step;
            step.frames /= 2;
            step.input.resize(step.frames);
            if (!disagree(steps)) {
                step = saved;
                break;
            }
        }
    }
    return steps;
}

} // namespace

Script& Script::param(int index, float value) {
    steps.push_back({Step::Kind::Parameter, index, value, 0, {}});
    return *this;
}
Script& Script::program(int index) {
    steps.push_back({Step::Kind::Program, index, 0.0f, 0, {}});
    return *this;
}
Script& Script::rate(float sampleRate) {
    steps.push_back({Step::Kind::SampleRate, 0, sampleRate, 0, {}});
    return *this;
}
Script& Script::blockSizeAndRate(int blockSize, float sampleRate) {
    steps.push_back({Step::Kind::BlockSizeAndRate, blockSize, sampleRate, 0, {}});
    return *this;
}
Script& Script::suspend() {
    steps.push_back({Step::Kind::Suspend, 0, 0.0f, 0, {}});
    return *this;
}
Script& Script::resume() {
    steps.push_back({Step::Kind::Resume, 0, 0.0f, 0, {}});
    return *this;
}
Script& Script::process(std::vector<float> input) {
    int frames = static_cast<int>(input.size());
    steps.push_back({Step::Kind::Process, 0, 0.0f, frames, std::move(input)});
    return *this;
}
Script& Script::processCount(int frames) {
    steps.push_back({Step::Kind::Process, 0, 0.0f, frames, {}});
    return *this;
}
Script& Script::processInBlocks(const std::vector<float>& input, int blockSize) {
    for (std::size_t start = 0; start < input.size(); start += blockSize) {
        std::size_t end = std::min(input.size(), start + blockSize);
        process(std::vector<float>(input.begin() + start, input.begin() + end));
    }
    return *this;
}

std::unique_ptr<Target> makePlugin() {
    return std::make_unique<PluginTarget>();
}

std::unique_ptr<Target> makeRecordTarget(AEffect* effect) {
    return std::make_unique<RecordTarget>(effect);
}

std::unique_ptr<Target> makeModel(model::Compressor** inside) {
    auto target = std::make_unique<ModelTarget>();
    if (inside) *inside = &target->fx;
    return target;
}

Trace replay(Target& target, const std::vector<Step>& steps) {
    Trace trace;
    for (const Step& step : steps) {
        bool block = step.kind == Step::Kind::Process;
        trace.push_back(block ? processStep(target, step) : hostStep(target, step));
    }
    return trace;
}

Trace replayOnPlugin(const std::vector<Step>& steps) {
    auto target = makePlugin();
    return replay(*target, steps);
}

Trace replayOnModel(const std::vector<Step>& steps) {
    auto target = makeModel();
    return replay(*target, steps);
}

std::vector<float> outputs(const Trace& trace) {
    std::vector<float> all;
    for (const Observation& seen : trace) {
        if (seen.output.size() <= 2 * kGuard) continue;
        all.insert(all.end(), seen.output.begin() + kGuard, seen.output.end() - kGuard);
    }
    return all;
}

std::vector<float> agreedOutput(const Script& script) {
    Trace plugin = replayOnPlugin(script.steps);
    Trace model = replayOnModel(script.steps);
    std::string difference = firstDifference(script.steps, plugin, model);
    if (!difference.empty()) ADD_FAILURE() << "plug-in and model disagree at " << difference;
    return outputs(plugin);
}

bool sameFloat(float a, float b) {
    if (std::isnan(a) && std::isnan(b)) return true;
    return std::memcmp(&a, &b, sizeof a) == 0;
}

std::string firstDifference(const std::vector<Step>& steps, const Trace& plugin,
                            const Trace& model) {
    int at = firstDifferingStep(plugin, model);
    if (at < 0) return "";
    std::ostringstream s;
    s << "step " << at << " of " << steps.size() << ": " << differenceInStep(plugin[at], model[at]);
    return s.str();
}

std::string compareWithModel(const std::vector<Step>& steps) {
    std::string difference = firstDifference(steps, replayOnPlugin(steps), replayOnModel(steps));
    if (difference.empty()) return "";
    std::vector<Step> small = shrink(steps);
    return difference + "\nshortest disagreeing script found:\n" + listing(small) + "-> " +
           firstDifference(small, replayOnPlugin(small), replayOnModel(small));
}

std::string listing(const std::vector<Step>& steps) {
    std::ostringstream s;
    s.precision(9);
    for (const Step& step : steps) {
        switch (step.kind) {
        case Step::Kind::Parameter:
            s << "  setParameter(" << step.index << ", " << step.value << "f)\n";
            break;
        case Step::Kind::Program:
            s << "  setProgram(" << step.index << ")\n";
            break;
        case Step::Kind::SampleRate:
            s << "  setSampleRate(" << step.value << "f)\n";
            break;
        case Step::Kind::BlockSizeAndRate:
            s << "  setBlockSizeAndSampleRate(" << step.index << ", " << step.value << "f)\n";
            break;
        case Step::Kind::Suspend:
            s << "  suspend()\n";
            break;
        case Step::Kind::Resume:
            s << "  resume()\n";
            break;
        case Step::Kind::Process:
            s << "  processReplacing(" << step.frames << " frames: {";
            for (std::size_t i = 0; i < std::min<std::size_t>(step.input.size(), 64); ++i) {
                s << (i ? ", " : "") << step.input[i] << "f";
            }
            s << (step.input.size() > 64 ? ", ... (the session's seed has them all)" : "")
              << "})\n";
            break;
        }
    }
    return s.str();
}

std::vector<float> silence(int n) {
    return std::vector<float>(n, 0.0f);
}

std::vector<float> constant(int n, float level) {
    return std::vector<float>(n, level);
}

std::vector<float> sine(int n, float peak, double period, double phase) {
    std::vector<float> v(n);
    for (int i = 0; i < n; ++i) {
        v[i] = static_cast<float>(peak * std::sin(2.0 * M_PI * i / period + phase));
    }
    return v;
}

std::vector<float> join(std::vector<float> a, const std::vector<float>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

Script neutralSetting() {
    Script s;
    s.param(kSoft, 0).param(kNormalize, 0).param(kDither, 0).param(kBypass, 0);
    s.param(kThrComp, 0).param(kRatio, 2).param(kAutoRel, 0).param(kRelease, 250);
    s.param(kThrLim, 0).param(kOutput, 24000).param(kLookAhead, 0);
    return s;
}

} // namespace signaltest
