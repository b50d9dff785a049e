// One instance of a VST 2 plug-in, set up as a host does before playback and
// fed a mono signal through processReplacing.
#pragma once

#include "plugin/vst2.h"
#include "tools/host/plugin_library.h"

#include <string>
#include <vector>

namespace bench {

class HostedEffect {
  public:
    // Loads the library and creates, opens and configures an instance; the
    // instance is not yet resumed, so parameters can be set first.
    HostedEffect(const std::string& path, int blockSize);
    ~HostedEffect();
    HostedEffect(const HostedEffect&) = delete;
    HostedEffect& operator=(const HostedEffect&) = delete;

    // Empty when the instance is ready to process; otherwise what went wrong.
    const std::string& problem() const { return why; }
    AEffect* effect() const { return fx; }

    void setProgram(int program);
    void setParameter(int index, float value);
    // effMainsChanged 1: the host starts playback.
    void resume();
    // Runs the samples through processReplacing in blocks of the block size;
    // every input channel receives the same signal.
    void run(const float* samples, std::size_t length);

  private:
    host::PluginLibrary library;
    AEffect* fx = nullptr;
    int blockSize;
    bool resumed = false;
    std::vector<std::vector<float>> outputBuffers;
    std::vector<float*> inputs, outputs;
    std::string why;

    bool validate();
    vst::IntPtr dispatch(vst::Int32 opcode, vst::Int32 index, vst::IntPtr value, float opt);
};

} // namespace bench
