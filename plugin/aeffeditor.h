// Base of an effect's editor: what the frame asks of it on the host's behalf.
#pragma once

#include "plugin/vst2.h"

class AudioEffect;

class AEffEditor {
  public:
    explicit AEffEditor(AudioEffect* owner) : effect(owner) {}
    virtual ~AEffEditor() = default;
    AEffEditor(const AEffEditor&) = delete;
    AEffEditor& operator=(const AEffEditor&) = delete;

    virtual vst::IntPtr getRect(ERect** rect) {
        (void)rect;
        return 0;
    }
    virtual vst::IntPtr open(void* parentWindow) {
        systemWindow = parentWindow;
        return 0;
    }
    virtual void close() {}
    virtual void idle() {}
    virtual void update() {}
    virtual void postUpdate() { updateFlag = 1; }

  protected:
    AudioEffect* effect;
    void* systemWindow = nullptr;
    vst::Int32 updateFlag = 0;
};
