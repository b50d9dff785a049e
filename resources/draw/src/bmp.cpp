#include "bmp.h"

#include <fstream>
#include <stdexcept>

namespace art {

namespace {

void put16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(uint8_t(v));
    out.push_back(uint8_t(v >> 8));
}

void put32(std::vector<uint8_t>& out, uint32_t v) {
    put16(out, v & 0xffff);
    put16(out, v >> 16);
}

std::vector<uint8_t> headers(int width, int height, uint32_t imageSize) {
    std::vector<uint8_t> out;
    // File header.
    out.push_back('B');
    out.push_back('M');
    put32(out, 14 + 40 + imageSize);
    put32(out, 0);
    put32(out, 14 + 40);
    // Info header: 24 bits per pixel, no compression, 72 dpi.
    put32(out, 40);
    put32(out, uint32_t(width));
    put32(out, uint32_t(height));
    put16(out, 1);
    put16(out, 24);
    put32(out, 0);
    put32(out, imageSize);
    put32(out, 2835);
    put32(out, 2835);
    put32(out, 0);
    put32(out, 0);
    return out;
}

} // namespace

void writeBmp24(const std::string& path, int width, int height, const std::vector<uint8_t>& rgb) {
    const int stride = (width * 3 + 3) & ~3;
    std::vector<uint8_t> out = headers(width, height, uint32_t(stride) * uint32_t(height));
    for (int y = height - 1; y >= 0; --y) {
        const uint8_t* src = &rgb[size_t(y) * width * 3];
        for (int x = 0; x < width; ++x) {
            out.push_back(src[x * 3 + 2]);
            out.push_back(src[x * 3 + 1]);
            out.push_back(src[x * 3]);
        }
        for (int pad = width * 3; pad < stride; ++pad)
            out.push_back(0);
    }
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(out.data()), std::streamsize(out.size()));
    if (!file) throw std::runtime_error("cannot write " + path);
}

} // namespace art
