// The sixteen bitmaps of the editor by resource id.
#pragma once

#include "canvas.h"
#include "fonts.h"

#include <map>

namespace art {

struct BitmapInfo {
    int id;
    const char* name;
};

// Ids and file names (resources/bitmaps/<id>-<name>.bmp).
extern const BitmapInfo kBitmaps[16];

std::map<int, Canvas> drawAll(const Fonts& fonts);

// The whole editor as a host would show it, with handles, lit switches and meters placed at
// plausible settings; the second variant shows the other switch faces and automatic release.
Canvas composePreview(const std::map<int, Canvas>& bitmaps, const Fonts& fonts, bool variant);

} // namespace art
