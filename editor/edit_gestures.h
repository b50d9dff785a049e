// The host's edit gestures around the editor's changes: a parameter's gesture
// begins with its first change and ends when the user lets go (button up, a
// lost capture, the end of a click, a committed entry), so a host can record
// touch automation and undo a whole drag at once.
#pragma once

#include "plugin/vst2.h"

class CompressorEffect;

namespace gestures {

// Begins the parameter's gesture unless it is under way, then sets the value
// and tells the host.
void send(CompressorEffect& fx, vst::Int32 index, float value);
// Ends every gesture under way, each once.
void endAll(CompressorEffect& fx);

} // namespace gestures
