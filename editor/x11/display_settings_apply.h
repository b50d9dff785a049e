// Applies the display settings to an open editor: the wave colours of the
// colour scheme and the zoom range. The context menu shows its check marks
// from the settings when it opens.
#pragma once

class CompressorEditor;

void applyDisplaySettings(CompressorEditor& editor);
