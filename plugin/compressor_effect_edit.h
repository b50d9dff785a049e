// The effect as the entry function creates it: the compressor with its editor.
#pragma once

#include "engine/compressor_effect.h"

class CompressorEffectEdit : public CompressorEffect {
  public:
    explicit CompressorEffectEdit(audioMasterCallback audioMaster);
    ~CompressorEffectEdit() override;
};
