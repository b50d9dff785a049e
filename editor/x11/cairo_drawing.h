// Pixel-exact drawing on Cairo image surfaces: copies, fills, one-pixel lines
// that leave out their end point, clip exclusions, and the masks that combine
// the wave traces with the grid. Coordinates are whole pixels.
#pragma once

#include "editor/display_text.h"

#include <cairo.h>
#include <memory>

// Owners of Cairo objects.
struct CairoSurfaceRelease {
    void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
};
using Surface = std::unique_ptr<cairo_surface_t, CairoSurfaceRelease>;
struct CairoContextRelease {
    void operator()(cairo_t* c) const { cairo_destroy(c); }
};
using Context = std::unique_ptr<cairo_t, CairoContextRelease>;

// A new RGB24 image of the size; a context for drawing on a surface.
Surface makeImage(int width, int height);
Context contextOn(cairo_surface_t* surface);

// The width x height block of `source` at (sx, sy) to (x, y), as it is.
void copyArea(cairo_t* cr, cairo_surface_t* source, int sx, int sy, int width, int height, int x,
              int y);
// A whole picture (a bitmap) at (x, y), cut to width x height.
void drawBitmap(cairo_t* cr, cairo_surface_t* bitmap, int x, int y, int width, int height);
// The rectangle from (left, top) to (right, bottom), right and bottom excluded.
void fillRect(cairo_t* cr, int left, int top, int right, int bottom, Rgb colour);
// A horizontal or vertical line of one pixel from (x0, y0) toward (x1, y1),
// the end point excluded.
void drawLine(cairo_t* cr, int x0, int y0, int x1, int y1, Rgb colour);
// Drawing leaves out the rectangle until the clip is reset.
void excludeClip(cairo_t* cr, int left, int top, int right, int bottom);

// Moves the width x height block at (1, 0) of an image one pixel to the left.
void scrollLeft(cairo_surface_t* image, int width, int height);

// Pixels of an image surface, read and written as (red, green, blue).
Rgb pixelAt(cairo_surface_t* image, int x, int y);
void setPixel(cairo_surface_t* image, int x, int y, Rgb colour);
// The width x height block at (0, 0) of `target` combined with the same block
// of `source` bit by bit: AND, or OR.
void andArea(cairo_surface_t* target, cairo_surface_t* source, int width, int height);
void orArea(cairo_surface_t* target, cairo_surface_t* source, int width, int height);
