// The display tick: meters, RMS readout and one new column of the wave display.
#pragma once

class CompressorEditor;

void displayTick(CompressorEditor& editor);
