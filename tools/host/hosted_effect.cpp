#include "tools/host/hosted_effect.h"

#include <cstring>
#include <stdexcept>

namespace host {

namespace {

// Host opcodes answered here beyond the two the plug-in header declares.
enum : vst::Int32 {
    kGetSampleRate = 16,
    kGetBlockSize = 17,
    kGetVendorString = 32,
    kGetProductString = 33,
    kGetVendorVersion = 34,
};
// Effect opcodes around playback.
enum : vst::Int32 { kStartProcess = 71, kStopProcess = 72 };

constexpr vst::IntPtr kHostVersion = 2400;

double hostSampleRate = 44100.0;
int hostBlockSize = 512;

void copyText(void* ptr, const char* text) {
    if (ptr) std::strcpy(static_cast<char*>(ptr), text);
}

vst::IntPtr VST_CALL hostCallback(AEffect*, vst::Int32 opcode, vst::Int32, vst::IntPtr, void* ptr,
                                  float) {
    switch (opcode) {
    case audioMasterVersion:
        return kHostVersion;
    case kGetSampleRate:
        return static_cast<vst::IntPtr>(hostSampleRate);
    case kGetBlockSize:
        return hostBlockSize;
    case kGetVendorString:
        copyText(ptr, "Tarvexor");
        return 1;
    case kGetProductString:
        copyText(ptr, "Tarvexor host");
        return 1;
    case kGetVendorVersion:
        return 1000;
    default:
        return 0;
    }
}

std::string withoutPadding(const char* text) {
    std::string s(text);
    std::size_t first = s.find_first_not_of(' ');
    if (first == std::string::npos) return "";
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

AEffect* createEffect(const PluginLibrary& library, const std::string& path) {
    if (!library.entryFunction())
        throw std::runtime_error(path + " is not a VST 2 plug-in: it exports neither VSTPluginMain "
                                        "nor main");
    AEffect* effect = library.create(hostCallback);
    if (!effect)
        throw std::runtime_error(path + ": the plug-in's entry function returned no effect");
    if (effect->magic != vst::kEffectMagic)
        throw std::runtime_error(path + " is not a VST 2 plug-in: its effect record is not 'VstP'");
    return effect;
}

} // namespace

void setHostTiming(double sampleRate, int blockSize) {
    hostSampleRate = sampleRate;
    hostBlockSize = blockSize;
}

HostedEffect::HostedEffect(const PluginLibrary& library, const std::string& path)
    : effect(createEffect(library, path)) {
    dispatch(effOpen);
}

HostedEffect::~HostedEffect() {
    suspend();
    dispatch(effClose);
}

void HostedEffect::resume() {
    if (resumed) return;
    dispatch(effMainsChanged, 0, 1);
    dispatch(kStartProcess);
    resumed = true;
}

void HostedEffect::suspend() {
    if (!resumed) return;
    dispatch(kStopProcess);
    dispatch(effMainsChanged, 0, 0);
    resumed = false;
}

vst::IntPtr HostedEffect::dispatch(vst::Int32 opcode, vst::Int32 index, vst::IntPtr value,
                                   void* ptr, float opt) {
    return effect->dispatcher(effect, opcode, index, value, ptr, opt);
}

std::string HostedEffect::text(vst::Int32 opcode, vst::Int32 index) {
    // Far larger than any text the interface allows, and zero-filled, so a
    // plug-in that writes a little too much or forgets the zero does no harm.
    char buffer[512] = {};
    dispatch(opcode, index, 0, buffer);
    buffer[sizeof(buffer) - 1] = 0;
    return withoutPadding(buffer);
}

void HostedEffect::prepare(double sampleRate, int blockSize) {
    setHostTiming(sampleRate, blockSize);
    dispatch(effSetSampleRate, 0, 0, nullptr, static_cast<float>(sampleRate));
    dispatch(effSetBlockSize, 0, blockSize);
}

void HostedEffect::process(float** inputs, float** outputs, int frames) {
    if ((effect->flags & effFlagsCanReplacing) && effect->processReplacing) {
        effect->processReplacing(effect, inputs, outputs, frames);
        return;
    }
    // A plug-in without the replacing call adds into the outputs.
    for (int channel = 0; channel < effect->numOutputs; ++channel)
        std::memset(outputs[channel], 0, sizeof(float) * static_cast<std::size_t>(frames));
    effect->process(effect, inputs, outputs, frames);
}

} // namespace host
