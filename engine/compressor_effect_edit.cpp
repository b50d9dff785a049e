#include "engine/compressor_effect_edit.h"

CompressorEffectEdit::CompressorEffectEdit(audioMasterCallback audioMaster)
    : CompressorEffect(audioMaster) {
    setUniqueID(vst::fourCC("KvRw"));
}
