// The VST 2 binary interface as this plug-in uses it: the effect record, the
// host callback, opcodes and flags. Declared here from the published layout.
#pragma once

#include <cstddef>
#include <cstdint>

#if defined(_WIN32) && !defined(_WIN64)
#define VST_CALL __cdecl
#else
#define VST_CALL
#endif

namespace vst {

using Int32 = std::int32_t;
using IntPtr = std::intptr_t;

// A four-character constant: the first character in the most significant byte.
constexpr Int32 fourCC(const char (&c)[5]) {
    return static_cast<Int32>((static_cast<std::uint32_t>(static_cast<unsigned char>(c[0])) << 24) |
                              (static_cast<std::uint32_t>(static_cast<unsigned char>(c[1])) << 16) |
                              (static_cast<std::uint32_t>(static_cast<unsigned char>(c[2])) << 8) |
                              static_cast<std::uint32_t>(static_cast<unsigned char>(c[3])));
}

constexpr Int32 kEffectMagic = fourCC("VstP");

} // namespace vst

struct AEffect;

using audioMasterCallback = vst::IntPtr(VST_CALL*)(AEffect* effect, vst::Int32 opcode,
                                                   vst::Int32 index, vst::IntPtr value, void* ptr,
                                                   float opt);
using AEffectDispatcherProc = vst::IntPtr(VST_CALL*)(AEffect* effect, vst::Int32 opcode,
                                                     vst::Int32 index, vst::IntPtr value, void* ptr,
                                                     float opt);
using AEffectProcessProc = void(VST_CALL*)(AEffect* effect, float** inputs, float** outputs,
                                           vst::Int32 sampleFrames);
using AEffectProcessDoubleProc = void(VST_CALL*)(AEffect* effect, double** inputs, double** outputs,
                                                 vst::Int32 sampleFrames);
using AEffectSetParameterProc = void(VST_CALL*)(AEffect* effect, vst::Int32 index, float value);
using AEffectGetParameterProc = float(VST_CALL*)(AEffect* effect, vst::Int32 index);

// The record a host receives from the entry function.
struct AEffect {
    vst::Int32 magic;
    AEffectDispatcherProc dispatcher;
    AEffectProcessProc process;
    AEffectSetParameterProc setParameter;
    AEffectGetParameterProc getParameter;
    vst::Int32 numPrograms;
    vst::Int32 numParams;
    vst::Int32 numInputs;
    vst::Int32 numOutputs;
    vst::Int32 flags;
    vst::IntPtr reserved1;
    vst::IntPtr reserved2;
    vst::Int32 initialDelay;
    vst::Int32 realQualities;
    vst::Int32 offQualities;
    float ioRatio;
    void* object;
    void* user;
    vst::Int32 uniqueID;
    vst::Int32 version;
    AEffectProcessProc processReplacing;
    AEffectProcessDoubleProc processDoubleReplacing;
    char future[56];
};

// Editor rectangle: top, left, bottom, right.
struct ERect {
    std::int16_t top;
    std::int16_t left;
    std::int16_t bottom;
    std::int16_t right;
};

#if UINTPTR_MAX == 0xFFFFFFFFu
static_assert(sizeof(AEffect) == 144, "32-bit effect record size");
static_assert(offsetof(AEffect, dispatcher) == 4, "32-bit layout");
static_assert(offsetof(AEffect, numPrograms) == 20, "32-bit layout");
static_assert(offsetof(AEffect, flags) == 36, "32-bit layout");
static_assert(offsetof(AEffect, reserved1) == 40, "32-bit layout");
static_assert(offsetof(AEffect, initialDelay) == 48, "32-bit layout");
static_assert(offsetof(AEffect, ioRatio) == 60, "32-bit layout");
static_assert(offsetof(AEffect, object) == 64, "32-bit layout");
static_assert(offsetof(AEffect, uniqueID) == 72, "32-bit layout");
static_assert(offsetof(AEffect, processReplacing) == 80, "32-bit layout");
static_assert(offsetof(AEffect, processDoubleReplacing) == 84, "32-bit layout");
static_assert(offsetof(AEffect, future) == 88, "32-bit layout");
#else
static_assert(sizeof(AEffect) == 192, "64-bit effect record size");
static_assert(offsetof(AEffect, dispatcher) == 8, "64-bit layout");
static_assert(offsetof(AEffect, numPrograms) == 40, "64-bit layout");
static_assert(offsetof(AEffect, flags) == 56, "64-bit layout");
static_assert(offsetof(AEffect, reserved1) == 64, "64-bit layout");
static_assert(offsetof(AEffect, initialDelay) == 80, "64-bit layout");
static_assert(offsetof(AEffect, ioRatio) == 92, "64-bit layout");
static_assert(offsetof(AEffect, object) == 96, "64-bit layout");
static_assert(offsetof(AEffect, uniqueID) == 112, "64-bit layout");
static_assert(offsetof(AEffect, processReplacing) == 120, "64-bit layout");
static_assert(offsetof(AEffect, processDoubleReplacing) == 128, "64-bit layout");
static_assert(offsetof(AEffect, future) == 136, "64-bit layout");
#endif
static_assert(sizeof(ERect) == 8, "editor rectangle is four 16-bit fields");

enum AEffectFlags : vst::Int32 {
    effFlagsHasEditor = 1,
    effFlagsHasVu = 4,
    effFlagsCanMono = 8,
    effFlagsCanReplacing = 16,
    effFlagsProgramChunks = 32,
    effFlagsIsSynth = 256,
    effFlagsNoSoundInStop = 512,
    effFlagsCanDoubleReplacing = 4096,
};

enum AudioMasterOpcodes : vst::Int32 {
    audioMasterAutomate = 0,
    audioMasterVersion = 1,
    audioMasterIOChanged = 13,
    audioMasterUpdateDisplay = 42,
    audioMasterBeginEdit = 43,
    audioMasterEndEdit = 44,
};

enum AEffectOpcodes : vst::Int32 {
    effOpen = 0,
    effClose,
    effSetProgram,
    effGetProgram,
    effSetProgramName,
    effGetProgramName,
    effGetParamLabel,
    effGetParamDisplay,
    effGetParamName,
    effGetVu,
    effSetSampleRate,
    effSetBlockSize,
    effMainsChanged,
    effEditGetRect,
    effEditOpen,
    effEditClose,
    effEditDraw,
    effEditMouse,
    effEditKey,
    effEditIdle,
    effEditTop,
    effEditSleep,
    effIdentify,
    effGetChunk,
    effSetChunk,
    // Extended opcodes.
    effProcessEvents,
    effCanBeAutomated,
    effString2Parameter,
    effGetNumProgramCategories,
    effGetProgramNameIndexed,
    effCopyProgram,
    effConnectInput,
    effConnectOutput,
    effGetInputProperties,
    effGetOutputProperties,
    effGetPlugCategory,
    effGetCurrentPosition,
    effGetDestinationBuffer,
    effOfflineNotify,
    effOfflinePrepare,
    effOfflineRun,
    effProcessVarIo,
    effSetSpeakerArrangement,
    effSetBlockSizeAndSampleRate,
    effSetBypass,
    effGetEffectName,
    effGetErrorText,
    effGetVendorString,
    effGetProductString,
    effGetVendorVersion,
    effVendorSpecific,
    effCanDo,
    effGetTailSize,
    effIdle,
    effGetIcon,
    effSetViewPosition,
    effGetParameterProperties,
    effKeysRequired,
    effGetVstVersion,
};
static_assert(effSetChunk == 24 && effCanDo == 51 && effGetVstVersion == 58, "opcode numbering");

enum VstPlugCategory : vst::Int32 {
    kPlugCategUnknown = 0,
    kPlugCategSynth = 2,
};
