#include "editor/x11/rms_readout.h"

#include "editor/x11/editor_font.h"
#include "editor/x11/editor_picture.h"

void drawRmsReadout(EditorPicture& picture, const std::string& text) {
    const TextBox box{398, 14, 444, 28};
    Context cr = picture.draw();
    fillRect(cr.get(), box.left, box.top, box.right, box.bottom, Rgb{154, 172, 194});
    drawCentredText(cr.get(), text, box, Rgb{255, 255, 255});
    picture.touch(box.left, box.top, box.right, box.bottom);
}
