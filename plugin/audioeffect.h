// The generic effect frame: owns the record handed to the host, the host
// callback and the editor, and answers the basic host opcodes.
#pragma once

#include "plugin/aeffeditor.h"
#include "plugin/vst2.h"

class AudioEffect {
  public:
    AudioEffect(audioMasterCallback audioMaster, vst::Int32 numPrograms, vst::Int32 numParams);
    virtual ~AudioEffect();
    AudioEffect(const AudioEffect&) = delete;
    AudioEffect& operator=(const AudioEffect&) = delete;

    AEffect* getAeffect() { return &cEffect; }

    virtual vst::IntPtr dispatcher(vst::Int32 opcode, vst::Int32 index, vst::IntPtr value,
                                   void* ptr, float opt);

    virtual void open() {}
    virtual void close() {}
    virtual void suspend() {}
    virtual void resume() {}

    virtual void setParameter(vst::Int32 index, float value) { (void)index, (void)value; }
    virtual float getParameter(vst::Int32 index) { return (void)index, 0.0f; }
    virtual void setParameterAutomated(vst::Int32 index, float value);
    // What the record's setParameter entry point calls.
    virtual void setParameterFromHost(vst::Int32 index, float value) { setParameter(index, value); }

    virtual void process(float** inputs, float** outputs, vst::Int32 sampleFrames);
    virtual void processReplacing(float** inputs, float** outputs, vst::Int32 sampleFrames);

    virtual vst::Int32 getProgram() { return curProgram; }
    virtual void setProgram(vst::Int32 program) { curProgram = program; }
    virtual void setProgramName(const char* name) { (void)name; }
    virtual void getProgramName(char* name) { name[0] = 0; }

    virtual void getParameterLabel(vst::Int32 index, char* label);
    virtual void getParameterDisplay(vst::Int32 index, char* text);
    virtual void getParameterName(vst::Int32 index, char* text);
    virtual float getVu() { return 0.0f; }

    virtual vst::Int32 getChunk(void** data, bool isPreset) {
        return (void)data, (void)isPreset, 0;
    }
    virtual vst::Int32 setChunk(void* data, vst::Int32 size, bool isPreset) {
        return (void)data, (void)size, (void)isPreset, 0;
    }

    virtual void setSampleRate(float rate) { sampleRate = rate; }
    virtual void setBlockSize(vst::Int32 size) { blockSize = size; }
    float getSampleRate() const { return sampleRate; }
    vst::Int32 getBlockSize() const { return blockSize; }

    AEffEditor* getEditor() { return editor; }
    void setEditor(AEffEditor* newEditor);

  protected:
    void setUniqueID(vst::Int32 id) { cEffect.uniqueID = id; }
    void setNumInputs(vst::Int32 n) { cEffect.numInputs = n; }
    void setNumOutputs(vst::Int32 n) { cEffect.numOutputs = n; }
    void setInitialDelay(vst::Int32 delay) { cEffect.initialDelay = delay; }
    void setFlag(vst::Int32 flag, bool on);
    void hasVu(bool on) { setFlag(effFlagsHasVu, on); }
    void canMono(bool on) { setFlag(effFlagsCanMono, on); }
    void canProcessReplacing(bool on) { setFlag(effFlagsCanReplacing, on); }

    float sampleRate = 44100.0f;
    AEffEditor* editor = nullptr;
    audioMasterCallback audioMaster;
    vst::Int32 numPrograms;
    vst::Int32 numParams;
    vst::Int32 curProgram = 0;
    vst::Int32 blockSize = 1024;
    AEffect cEffect;

  private:
    vst::IntPtr dispatchEditor(vst::Int32 opcode, void* ptr);
};

// The five entry points stored in the record.
namespace entry {
vst::IntPtr VST_CALL dispatcher(AEffect* e, vst::Int32 opcode, vst::Int32 index, vst::IntPtr value,
                                void* ptr, float opt);
void VST_CALL process(AEffect* e, float** inputs, float** outputs, vst::Int32 sampleFrames);
void VST_CALL processReplacing(AEffect* e, float** inputs, float** outputs,
                               vst::Int32 sampleFrames);
void VST_CALL setParameter(AEffect* e, vst::Int32 index, float value);
float VST_CALL getParameter(AEffect* e, vst::Int32 index);
} // namespace entry
