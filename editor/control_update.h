// Bringing the controls up to the parameters after a change.
#pragma once

#include "editor/control_layout.h"

class CompressorEffect;

// Switches, the release pair, then the faders, from the effect's fields.
void bringControlsUp(EditorControls& c, const CompressorEffect& fx);
