// The editor window's full repaint.
#pragma once

class CompressorEditor;

// Background, RMS readout, the composed panel and meters, then every control.
void paintEditor(CompressorEditor& editor);
