// The editor's text: "Arial" as fontconfig finds it (Liberation Sans where
// Arial itself is missing), in a cell 14 pixels high, squeezed to an average
// character width of 5, black and white and hinted. The glyphs are shaped,
// spaced and placed as the Windows editor's text is: hinted at the cell's
// square size first, then narrowed, each advance rounded up to a whole pixel.
#pragma once

#include "editor/display_text.h"

#include <cairo.h>
#include <string>

// The text centred across the box, its cell at the box's top, cut to the box.
void drawCentredText(cairo_t* cr, const std::string& text, TextBox box, Rgb colour);
// The advance of a text in whole pixels.
int textWidth(const std::string& text);
