// The RMS readout box above the output display.
#pragma once

#include <cairo.h>
#include <string>

class EditorPicture;

// Fills the readout box and draws the text centred in it, white on the fill.
void drawRmsReadout(EditorPicture& picture, const std::string& text);
