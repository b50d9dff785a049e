// One instance of a VST 2 plug-in, hosted as a DAW does: created through the
// library's entry function, opened, prepared, resumed, fed blocks with
// processReplacing, suspended and closed with effClose. The command-line
// host and the benchmarks host plug-ins through it.
#pragma once

#include "plugin/vst2.h"
#include "tools/host/plugin_library.h"

#include <string>

namespace host {

class HostedEffect {
  public:
    // Creates and opens an instance; throws std::runtime_error when the
    // library has no entry function, the entry function returns null or the
    // record is not a VST 2 effect.
    HostedEffect(const PluginLibrary& library, const std::string& path);
    ~HostedEffect();
    HostedEffect(const HostedEffect&) = delete;
    HostedEffect& operator=(const HostedEffect&) = delete;

    const AEffect& record() const { return *effect; }
    vst::IntPtr dispatch(vst::Int32 opcode, vst::Int32 index = 0, vst::IntPtr value = 0,
                         void* ptr = nullptr, float opt = 0.0f);

    // Texts the plug-in writes into a host buffer, without padding blanks.
    std::string text(vst::Int32 opcode, vst::Int32 index = 0);
    std::string parameterName(int index) { return text(effGetParamName, index); }
    std::string parameterLabel(int index) { return text(effGetParamLabel, index); }
    std::string parameterDisplay(int index) { return text(effGetParamDisplay, index); }
    float parameter(int index) { return effect->getParameter(effect, index); }
    void setParameter(int index, float value) { effect->setParameter(effect, index, value); }

    int currentProgram() { return static_cast<int>(dispatch(effGetProgram)); }
    void setProgram(int index) { dispatch(effSetProgram, 0, index); }
    std::string programName() { return text(effGetProgramName); }

    // Sample rate and largest block, before the program and parameters are set
    // (a time in milliseconds becomes samples at the rate current then).
    void prepare(double sampleRate, int blockSize);
    // Playback starts (effMainsChanged 1, effStartProcess) and stops again.
    void resume();
    void suspend();
    void process(float** inputs, float** outputs, int frames);

    int latency() const { return effect->initialDelay; }

  private:
    AEffect* effect;
    bool resumed = false;
};

// Answers the plug-in's questions: host version, sample rate, block size.
void setHostTiming(double sampleRate, int blockSize);

} // namespace host
