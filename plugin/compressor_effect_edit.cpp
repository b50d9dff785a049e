#include "plugin/compressor_effect_edit.h"

#if defined(_WIN32)
#include "editor/win32/compressor_editor.h"
#elif defined(TARVEXOR_X11_EDITOR)
#include "editor/x11/compressor_editor.h"
#endif

#include <new>

#if defined(_WIN32) || defined(TARVEXOR_X11_EDITOR)
#define TARVEXOR_HAS_EDITOR 1
#endif

// The editor exists where there is a window system to draw it in (Win32, or
// X11 on Linux); without it the instance works with the host's generic
// controls.
CompressorEffectEdit::CompressorEffectEdit(audioMasterCallback audioMaster)
    : CompressorEffect(audioMaster) {
    setUniqueID(vst::fourCC("KvRw"));
#ifdef TARVEXOR_HAS_EDITOR
    if (isReady()) new (std::nothrow) CompressorEditor(this);
#endif
}

// An editor window still open when the host closes the effect goes first,
// while the effect it draws from is whole.
CompressorEffectEdit::~CompressorEffectEdit() {
#ifdef TARVEXOR_HAS_EDITOR
    if (auto* window = static_cast<CompressorEditor*>(editor)) window->takeDownWindow();
#endif
}
