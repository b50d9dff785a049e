#include "plugin/audioeffect.h"

#include <cstring>

AudioEffect::AudioEffect(audioMasterCallback host, vst::Int32 programs, vst::Int32 params)
    : audioMaster(host), numPrograms(programs), numParams(params) {
    std::memset(&cEffect, 0, sizeof(cEffect));
    cEffect.magic = vst::kEffectMagic;
    cEffect.dispatcher = entry::dispatcher;
    cEffect.process = entry::process;
    cEffect.setParameter = entry::setParameter;
    cEffect.getParameter = entry::getParameter;
    cEffect.processReplacing = entry::processReplacing;
    cEffect.numPrograms = programs;
    cEffect.numParams = params;
    cEffect.numInputs = 1;
    cEffect.numOutputs = 2;
    cEffect.ioRatio = 1.0f;
    cEffect.object = this;
    cEffect.uniqueID = vst::fourCC("NoEf");
    cEffect.version = 1;
}

AudioEffect::~AudioEffect() {
    delete editor;
}

void AudioEffect::setEditor(AEffEditor* newEditor) {
    editor = newEditor;
    setFlag(effFlagsHasEditor, newEditor != nullptr);
}

void AudioEffect::setFlag(vst::Int32 flag, bool on) {
    if (on)
        cEffect.flags |= flag;
    else
        cEffect.flags &= ~flag;
}

void AudioEffect::setParameterAutomated(vst::Int32 index, float value) {
    setParameter(index, value);
    if (audioMaster) audioMaster(&cEffect, audioMasterAutomate, index, 0, nullptr, value);
}

void AudioEffect::process(float** inputs, float** outputs, vst::Int32 sampleFrames) {
    (void)inputs, (void)outputs, (void)sampleFrames;
}

void AudioEffect::processReplacing(float** inputs, float** outputs, vst::Int32 sampleFrames) {
    (void)inputs, (void)outputs, (void)sampleFrames;
}

void AudioEffect::getParameterLabel(vst::Int32 index, char* label) {
    (void)index;
    label[0] = 0;
}

void AudioEffect::getParameterDisplay(vst::Int32 index, char* text) {
    (void)index;
    text[0] = 0;
}

void AudioEffect::getParameterName(vst::Int32 index, char* text) {
    (void)index;
    text[0] = 0;
}

vst::IntPtr AudioEffect::dispatchEditor(vst::Int32 opcode, void* ptr) {
    if (!editor) return 0;
    switch (opcode) {
    case effEditGetRect:
        return ptr ? editor->getRect(static_cast<ERect**>(ptr)) : 0;
    case effEditOpen:
        return editor->open(ptr);
    case effEditClose:
        editor->close();
        return 0;
    case effEditIdle:
        editor->idle();
        return 0;
    default:
        return 0;
    }
}

// Opcodes 0 to 24. Texts go into the host's buffer only when it gave one.
vst::IntPtr AudioEffect::dispatcher(vst::Int32 opcode, vst::Int32 index, vst::IntPtr value,
                                    void* ptr, float opt) {
    char* text = static_cast<char*>(ptr);
    switch (opcode) {
    case effOpen:
        open();
        return 0;
    case effClose:
        close();
        return 0;
    case effSetProgram:
        if (value >= 0 && value < numPrograms) setProgram(static_cast<vst::Int32>(value));
        return 0;
    case effGetProgram:
        return getProgram();
    case effSetProgramName:
        if (text) setProgramName(text);
        return 0;
    case effGetProgramName:
        if (text) getProgramName(text);
        return 0;
    case effGetParamLabel:
        if (text) getParameterLabel(index, text);
        return 0;
    case effGetParamDisplay:
        if (text) getParameterDisplay(index, text);
        return 0;
    case effGetParamName:
        if (text) getParameterName(index, text);
        return 0;
    case effGetVu:
        return static_cast<vst::IntPtr>(getVu() * 32767.0f);
    case effSetSampleRate:
        setSampleRate(opt);
        return 0;
    case effSetBlockSize:
        setBlockSize(static_cast<vst::Int32>(value));
        return 0;
    case effMainsChanged:
        if (value == 0)
            suspend();
        else
            resume();
        return 0;
    case effEditGetRect:
    case effEditOpen:
    case effEditClose:
    case effEditIdle:
        return dispatchEditor(opcode, ptr);
    case effIdentify:
        return vst::fourCC("NvEf");
    case effGetChunk:
        return ptr ? getChunk(static_cast<void**>(ptr), index != 0) : 0;
    case effSetChunk:
        return ptr ? setChunk(ptr, static_cast<vst::Int32>(value), index != 0) : 0;
    default:
        return 0;
    }
}

namespace entry {

static AudioEffect* effectOf(AEffect* e) {
    return e ? static_cast<AudioEffect*>(e->object) : nullptr;
}

vst::IntPtr VST_CALL dispatcher(AEffect* e, vst::Int32 opcode, vst::Int32 index, vst::IntPtr value,
                                void* ptr, float opt) {
    AudioEffect* effect = effectOf(e);
    if (!effect) return 0;
    if (opcode == effClose) {
        effect->dispatcher(opcode, index, value, ptr, opt);
        delete effect;
        return 1;
    }
    return effect->dispatcher(opcode, index, value, ptr, opt);
}

void VST_CALL process(AEffect* e, float** inputs, float** outputs, vst::Int32 sampleFrames) {
    if (AudioEffect* effect = effectOf(e)) effect->process(inputs, outputs, sampleFrames);
}

void VST_CALL processReplacing(AEffect* e, float** inputs, float** outputs,
                               vst::Int32 sampleFrames) {
    if (AudioEffect* effect = effectOf(e)) effect->processReplacing(inputs, outputs, sampleFrames);
}

void VST_CALL setParameter(AEffect* e, vst::Int32 index, float value) {
    if (AudioEffect* effect = effectOf(e)) effect->setParameterFromHost(index, value);
}

float VST_CALL getParameter(AEffect* e, vst::Int32 index) {
    AudioEffect* effect = effectOf(e);
    return effect ? effect->getParameter(index) : 0.0f;
}

} // namespace entry
