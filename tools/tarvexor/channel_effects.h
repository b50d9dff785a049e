// The plug-in set up for a file: the library, and either one instance per
// channel (a mono plug-in) or one instance for all channels, each with the
// chosen program and parameter values.
#pragma once

#include "tools/host/hosted_effect.h"
#include "tools/host/plugin_library.h"
#include "tools/tarvexor/command_line.h"

#include <memory>
#include <string>
#include <vector>

namespace tarvexor {

using host::HostedEffect;

// The plug-in file a command uses: --plugin, else Tarvexor.so beside the program.
std::string pluginFile(const EffectOptions& options);

// Loads a library, with a RuntimeError naming the file when that fails.
std::unique_ptr<host::PluginLibrary> loadPlugin(const std::string& path);

// Finds a program by name or index; UsageError when there is none such.
int findProgram(HostedEffect& effect, const std::string& nameOrIndex);

// Applies --program and every --set to one instance, in that order; the
// indices of the parameters set.
std::vector<int> applySettings(HostedEffect& effect, const EffectOptions& options);

// A parameter as the plug-in displays it; `set` when a --set named it.
struct DisplayedParameter {
    std::string name, display, label;
    bool set = false;
};

class ChannelEffects {
  public:
    // Creates every instance before any of them processes: creating an
    // instance may reset state the instances share (Tarvexor reseeds the C
    // library's random generator that its dither draws from).
    ChannelEffects(const EffectOptions& options, int channels, double sampleRate);
    ~ChannelEffects();
    ChannelEffects(const ChannelEffects&) = delete;
    ChannelEffects& operator=(const ChannelEffects&) = delete;

    // Processes one block: in[c] and out[c] hold `frames` samples of channel c.
    void process(const std::vector<float*>& in, const std::vector<float*>& out, int frames);
    int latency() const { return instances.front()->latency(); }
    std::string effectName() { return instances.front()->text(effGetEffectName); }
    const std::string& path() const { return file; }
    std::vector<DisplayedParameter> parameters();

  private:
    void checkChannels(int channels);
    void makeBuffers(int blockSize);
    void processInstance(HostedEffect& fx, float* const* in, float* const* out, int frames);

    std::string file;
    std::unique_ptr<host::PluginLibrary> library; // outlives the instances
    std::vector<std::unique_ptr<HostedEffect>> instances;
    std::vector<int> setParameters;
    bool instancePerChannel = true;
    int channelCount;
    std::vector<std::vector<float>> spareOutputs; // outputs a host does not keep
    std::vector<float> silence;                   // inputs a host does not feed
    std::vector<float*> inputPointers, outputPointers;
};

} // namespace tarvexor
