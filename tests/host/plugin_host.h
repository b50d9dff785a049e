// A minimal host for tests: loads a plug-in library as a host does, calls its
// entry function with a recording callback and talks only through the record.
#pragma once

#include "plugin/vst2.h"
#include "tools/host/plugin_library.h"

#include <string>
#include <thread>
#include <vector>

namespace testhost {

// One call the plug-in made into the host.
struct HostCall {
    AEffect* effect;
    vst::Int32 opcode;
    vst::Int32 index;
    vst::IntPtr value;
    bool nullPtr;
    float opt;
    std::thread::id thread;
};

// The plug-in under test: TARVEXOR_PLUGIN, or the build's default.
std::string pluginPath();
host::PluginLibrary& plugin();

// The recording callback; it answers audioMasterVersion with versionAnswer.
vst::IntPtr VST_CALL recordingHost(AEffect* effect, vst::Int32 opcode, vst::Int32 index,
                                   vst::IntPtr value, void* ptr, float opt);
extern vst::IntPtr versionAnswer;
// Safe to call from any thread; read it when the plug-in is quiet.
std::vector<HostCall>& hostCalls();

// Shorthands for talking to an effect.
vst::IntPtr dispatch(AEffect* e, vst::Int32 opcode, vst::Int32 index = 0, vst::IntPtr value = 0,
                     void* ptr = nullptr, float opt = 0.0f);
std::string text(AEffect* e, vst::Int32 opcode, vst::Int32 index = 0);
std::string parameterDisplay(AEffect* e, vst::Int32 index);
std::string programName(AEffect* e);
void processBlock(AEffect* e, const float* in, float* out, int frames);
std::vector<float> processAll(AEffect* e, const std::vector<float>& in, int blockSize);

// An effect created on construction and closed on destruction.
class Instance {
  public:
    Instance();
    ~Instance();
    Instance(const Instance&) = delete;
    Instance& operator=(const Instance&) = delete;
    AEffect* operator->() const { return effect; }
    AEffect* get() const { return effect; }

  private:
    AEffect* effect;
};

} // namespace testhost
