// Writes uncompressed 24-bit Windows bitmaps (BITMAPINFOHEADER, bottom-up rows).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace art {

// rgb holds width * height pixels, top row first, three bytes (R, G, B) each.
void writeBmp24(const std::string& path, int width, int height, const std::vector<uint8_t>& rgb);

} // namespace art
