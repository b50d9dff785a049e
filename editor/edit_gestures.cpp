#include "editor/edit_gestures.h"

#include "engine/compressor_effect.h"

namespace gestures {

void send(CompressorEffect& fx, vst::Int32 index, float value) {
    std::uint32_t& open = fx.editorState.openGestures;
    const std::uint32_t bit = 1u << index;
    if (index >= 0 && index < kNumParams && (open & bit) == 0) {
        open |= bit;
        fx.beginEdit(index);
    }
    fx.setParameterAutomated(index, value);
}

void endAll(CompressorEffect& fx) {
    std::uint32_t& open = fx.editorState.openGestures;
    for (vst::Int32 index = 0; index < kNumParams; ++index) {
        const std::uint32_t bit = 1u << index;
        if ((open & bit) == 0) continue;
        open &= ~bit;
        fx.endEdit(index);
    }
}

} // namespace gestures
