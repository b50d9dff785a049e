#include "editor/x11/bmp_decoder.h"

#include <cstdint>

namespace {

std::uint32_t le(const unsigned char* p, int bytes) {
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = (v << 8) | p[i];
    return v;
}

struct Header {
    std::uint32_t dataOffset;
    std::int32_t width, height; // a negative height stores the rows top down
    std::uint32_t bitsPerPixel, compression;
};

bool readHeader(const unsigned char* b, std::size_t size, Header& h) {
    if (size < 54 || b[0] != 'B' || b[1] != 'M') return false;
    h.dataOffset = le(b + 10, 4);
    h.width = static_cast<std::int32_t>(le(b + 18, 4));
    h.height = static_cast<std::int32_t>(le(b + 22, 4));
    h.bitsPerPixel = le(b + 28, 2);
    h.compression = le(b + 30, 4);
    return h.bitsPerPixel == 24 && h.compression == 0 && h.width > 0 && h.height != 0 &&
           h.width < 65536 && h.height > -65536 && h.height < 65536;
}

} // namespace

cairo_surface_t* decodeBmp(const unsigned char* bytes, std::size_t size) {
    Header h;
    if (!readHeader(bytes, size, h)) return nullptr;
    const int width = h.width, height = h.height < 0 ? -h.height : h.height;
    const std::size_t stride = (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4;
    if (h.dataOffset > size || (size - h.dataOffset) / stride < static_cast<std::size_t>(height))
        return nullptr;
    cairo_surface_t* image = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
    if (cairo_surface_status(image) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(image);
        return nullptr;
    }
    cairo_surface_flush(image);
    unsigned char* data = cairo_image_surface_get_data(image);
    const int outStride = cairo_image_surface_get_stride(image);
    for (int y = 0; y < height; ++y) {
        const int fileRow = h.height < 0 ? y : height - 1 - y;
        const unsigned char* in = bytes + h.dataOffset + stride * fileRow;
        auto* out = reinterpret_cast<std::uint32_t*>(data + outStride * y);
        for (int x = 0; x < width; ++x, in += 3)
            out[x] = (std::uint32_t(in[2]) << 16) | (std::uint32_t(in[1]) << 8) | in[0];
    }
    cairo_surface_mark_dirty(image);
    return image;
}
