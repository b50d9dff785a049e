#include "plugin/audioeffectx.h"

vst::IntPtr AudioEffectX::dispatchTexts(vst::Int32 opcode, char* text) {
    if (!text) return opcode == effCanDo ? -1 : 0;
    switch (opcode) {
    case effGetEffectName:
        return getEffectName(text) ? 1 : 0;
    case effGetVendorString:
        return getVendorString(text) ? 1 : 0;
    case effGetProductString:
        return getProductString(text) ? 1 : 0;
    case effCanDo:
        return canDo(text);
    default:
        return 0;
    }
}

// Opcodes 25 to 58; everything else goes to the basic frame.
vst::IntPtr AudioEffectX::dispatcher(vst::Int32 opcode, vst::Int32 index, vst::IntPtr value,
                                     void* ptr, float opt) {
    switch (opcode) {
    case effCanBeAutomated:
    case effGetNumProgramCategories:
    case effConnectInput:
    case effConnectOutput:
        return 1;
    case effGetPlugCategory:
        return (cEffect.flags & effFlagsIsSynth) ? kPlugCategSynth : kPlugCategUnknown;
    case effSetBlockSizeAndSampleRate:
        setBlockSize(static_cast<vst::Int32>(value));
        setSampleRate(opt);
        return 1;
    case effGetProgramNameIndexed:
        return ptr && getProgramNameIndexed(static_cast<vst::Int32>(value), index,
                                            static_cast<char*>(ptr))
                   ? 1
                   : 0;
    case effGetEffectName:
    case effGetVendorString:
    case effGetProductString:
    case effCanDo:
        return dispatchTexts(opcode, static_cast<char*>(ptr));
    case effKeysRequired:
        return keysRequired() ? 0 : 1;
    case effGetVstVersion:
        return getVstVersion();
    default:
        if (opcode >= effProcessEvents && opcode <= effGetVstVersion) return 0;
        return AudioEffect::dispatcher(opcode, index, value, ptr, opt);
    }
}
