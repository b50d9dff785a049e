// The extended effect frame: answers the host opcodes added by the second
// revision of the interface and hands the others to the basic frame.
#pragma once

#include "plugin/audioeffect.h"

class AudioEffectX : public AudioEffect {
  public:
    using AudioEffect::AudioEffect;

    vst::IntPtr dispatcher(vst::Int32 opcode, vst::Int32 index, vst::IntPtr value, void* ptr,
                           float opt) override;

    virtual bool getEffectName(char* name) { return (void)name, false; }
    virtual bool getVendorString(char* text) { return (void)text, false; }
    virtual bool getProductString(char* text) { return (void)text, false; }
    virtual vst::IntPtr canDo(const char* text) { return (void)text, 0; }
    virtual bool keysRequired() { return false; }
    virtual vst::Int32 getVstVersion() { return 2; }

  private:
    vst::IntPtr dispatchTexts(vst::Int32 opcode, char* text);
};
