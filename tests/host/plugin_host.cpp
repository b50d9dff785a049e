#include "tests/host/plugin_host.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <mutex>

#ifndef TARVEXOR_DEFAULT_PLUGIN
#define TARVEXOR_DEFAULT_PLUGIN ""
#endif

namespace testhost {

std::string pluginPath() {
    const char* fromEnvironment = std::getenv("TARVEXOR_PLUGIN");
    return fromEnvironment && *fromEnvironment ? fromEnvironment : TARVEXOR_DEFAULT_PLUGIN;
}

host::PluginLibrary& plugin() {
    static host::PluginLibrary library(pluginPath());
    return library;
}

vst::IntPtr versionAnswer = 2400;

std::vector<HostCall>& hostCalls() {
    static std::vector<HostCall> calls;
    return calls;
}

vst::IntPtr VST_CALL recordingHost(AEffect* effect, vst::Int32 opcode, vst::Int32 index,
                                   vst::IntPtr value, void* ptr, float opt) {
    static std::mutex guard;
    std::lock_guard<std::mutex> lock(guard);
    hostCalls().push_back(
        {effect, opcode, index, value, ptr == nullptr, opt, std::this_thread::get_id()});
    return opcode == audioMasterVersion ? versionAnswer : 0;
}

vst::IntPtr dispatch(AEffect* e, vst::Int32 opcode, vst::Int32 index, vst::IntPtr value, void* ptr,
                     float opt) {
    return e->dispatcher(e, opcode, index, value, ptr, opt);
}

std::string text(AEffect* e, vst::Int32 opcode, vst::Int32 index) {
    char buffer[256];
    std::memset(buffer, 'x', sizeof(buffer));
    buffer[255] = 0;
    dispatch(e, opcode, index, 0, buffer);
    return buffer;
}

std::string parameterDisplay(AEffect* e, vst::Int32 index) {
    return text(e, effGetParamDisplay, index);
}

std::string programName(AEffect* e) {
    return text(e, effGetProgramName);
}

void processBlock(AEffect* e, const float* in, float* out, int frames) {
    float* inputs[1] = {const_cast<float*>(in)};
    float* outputs[1] = {out};
    e->processReplacing(e, inputs, outputs, frames);
}

std::vector<float> processAll(AEffect* e, const std::vector<float>& in, int blockSize) {
    std::vector<float> out(in.size());
    for (std::size_t start = 0; start < in.size(); start += blockSize) {
        int frames = static_cast<int>(std::min<std::size_t>(blockSize, in.size() - start));
        processBlock(e, in.data() + start, out.data() + start, frames);
    }
    return out;
}

Instance::Instance() : effect(plugin().create(recordingHost)) {}

Instance::~Instance() {
    if (effect) dispatch(effect, effClose);
}

} // namespace testhost
