// The plug-in under measurement: one hosted instance set up as a host does
// before playback, and the buffers that feed it a mono signal in blocks.
#pragma once

#include "tools/host/hosted_effect.h"
#include "tools/host/plugin_library.h"

#include <memory>
#include <string>
#include <vector>

namespace bench {

class BenchEffect {
  public:
    // Loads the library and creates, opens and prepares an instance; it is not
    // yet resumed, so parameters can be set first.
    BenchEffect(const std::string& path, int blockSize);

    // Empty when the instance is ready to process; otherwise what went wrong.
    const std::string& problem() const { return why; }

    void setProgram(int program) {
        if (fx) fx->setProgram(program);
    }
    void setParameter(int index, float value) {
        if (fx) fx->setParameter(index, value);
    }
    void resume() {
        if (fx) fx->resume();
    }
    // Runs the samples through the plug-in in blocks of the block size; every
    // input channel receives the same signal.
    void run(const float* samples, std::size_t length);

  private:
    host::PluginLibrary library;
    std::unique_ptr<host::HostedEffect> fx;
    int blockSize;
    std::vector<std::vector<float>> outputBuffers;
    std::vector<float*> inputs, outputs;
    std::string why;
};

} // namespace bench
