#include "engine/compressor_effect_edit.h"

#ifdef _WIN32
#include "editor/win32/compressor_editor.h"

#include <new>
#endif

// The editor exists where there is a window system to draw it in; without it
// the instance works with the host's generic controls.
CompressorEffectEdit::CompressorEffectEdit(audioMasterCallback audioMaster)
    : CompressorEffect(audioMaster) {
    setUniqueID(vst::fourCC("KvRw"));
#ifdef _WIN32
    if (isReady()) new (std::nothrow) CompressorEditor(this);
#endif
}
