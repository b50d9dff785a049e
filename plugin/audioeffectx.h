// The extended effect frame: answers the host opcodes added by the second
// revision of the interface and hands the others to the basic frame.
#pragma once

#include "plugin/audioeffect.h"

class AudioEffectX : public AudioEffect {
  public:
    using AudioEffect::AudioEffect;

    vst::IntPtr dispatcher(vst::Int32 opcode, vst::Int32 index, vst::IntPtr value, void* ptr,
                           float opt) override;

    virtual bool getProgramNameIndexed(vst::Int32 category, vst::Int32 index, char* text) {
        return (void)category, (void)index, (void)text, false;
    }
    virtual bool getEffectName(char* name) { return (void)name, false; }
    virtual bool getVendorString(char* text) { return (void)text, false; }
    virtual bool getProductString(char* text) { return (void)text, false; }
    virtual vst::IntPtr canDo(const char* text) { return (void)text, 0; }
    virtual bool keysRequired() { return false; }
    virtual vst::Int32 getVstVersion() { return 2; }

    // Calls into the host; each answers whether the host took it.
    bool ioChanged() { return callHost(audioMasterIOChanged) != 0; }
    bool updateDisplay() { return callHost(audioMasterUpdateDisplay) != 0; }
    bool beginEdit(vst::Int32 index) { return callHost(audioMasterBeginEdit, index) != 0; }
    bool endEdit(vst::Int32 index) { return callHost(audioMasterEndEdit, index) != 0; }

  private:
    vst::IntPtr callHost(vst::Int32 opcode, vst::Int32 index = 0) {
        return audioMaster ? audioMaster(&cEffect, opcode, index, 0, nullptr, 0.0f) : 0;
    }
    vst::IntPtr dispatchTexts(vst::Int32 opcode, char* text);
};
