// Uncompressed 24-bit BMP files into Cairo image surfaces.
#pragma once

#include <cairo.h>
#include <cstddef>

// An RGB24 image surface with the file's picture, or null when the bytes are
// not an uncompressed 24-bit BMP.
cairo_surface_t* decodeBmp(const unsigned char* bytes, std::size_t size);
