// Applies the display settings to an open editor: menu check marks, the
// display pens, the zoom range.
#pragma once

class CompressorEditor;

void applyDisplaySettings(CompressorEditor& editor);
