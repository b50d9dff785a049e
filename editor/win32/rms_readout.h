// The RMS readout box above the output display.
#pragma once

#include <string>
#include <windows.h>

// Fills the readout box and draws the text centred in it, white on the fill.
void drawRmsReadout(HDC dc, const std::string& text);
