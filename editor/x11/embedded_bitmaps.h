// The editor's sixteen bitmaps, built into the library as the BMP files' bytes.
#pragma once

#include <cstddef>

struct EmbeddedBitmap {
    int id;
    const unsigned char* bytes;
    std::size_t size;
};

extern const EmbeddedBitmap kEmbeddedBitmaps[];
extern const int kEmbeddedBitmapCount;
