// Writes 24-bit RGB pictures as PNG files (uncompressed deflate blocks: no
// compression library is needed on any of the three builds).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace image {

struct Picture {
    int width = 0, height = 0;
    std::vector<std::uint8_t> rgb; // width * height * 3, rows top to bottom

    std::uint32_t pixel(int x, int y) const; // 0xRRGGBB
};

bool writePng(const std::string& path, const Picture& picture);

} // namespace image
