#include "plugin/compressor_effect_edit.h"

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

// An editor window still open when the host closes the effect goes first,
// while the effect it draws from is whole.
CompressorEffectEdit::~CompressorEffectEdit() {
#ifdef _WIN32
    if (auto* window = static_cast<CompressorEditor*>(editor)) window->takeDownWindow();
#endif
}
