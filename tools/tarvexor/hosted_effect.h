// One instance of a VST 2 plug-in, hosted as a DAW does: created through the
// library's entry function, opened, prepared, resumed, fed blocks with
// processReplacing, and closed with effClose.
#pragma once

#include "plugin/vst2.h"
#include "tools/host/plugin_library.h"

#include <string>

namespace tarvexor {

class HostedEffect {
  public:
    // Creates and opens an instance; throws RuntimeError when the library has
    // no entry function, the entry function returns null or the record is not
    // a VST 2 effect.
    HostedEffect(const host::PluginLibrary& library, const std::string& path);
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
    void resume() { dispatch(effMainsChanged, 0, 1); }
    void suspend() { dispatch(effMainsChanged, 0, 0); }
    void process(float** inputs, float** outputs, int frames);

    int latency() const { return effect->initialDelay; }

  private:
    AEffect* effect;
};

// Answers the plug-in's questions: host version, sample rate, block size.
void setHostTiming(double sampleRate, int blockSize);

} // namespace tarvexor
