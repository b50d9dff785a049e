#include "editor/x11/cairo_drawing.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

Surface makeImage(int width, int height) {
    return Surface(cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height));
}

Context contextOn(cairo_surface_t* surface) {
    Context cr(cairo_create(surface));
    cairo_set_antialias(cr.get(), CAIRO_ANTIALIAS_NONE);
    cairo_set_operator(cr.get(), CAIRO_OPERATOR_SOURCE);
    return cr;
}

void copyArea(cairo_t* cr, cairo_surface_t* source, int sx, int sy, int width, int height, int x,
              int y) {
    if (!source || width <= 0 || height <= 0) return;
    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_set_source_surface(cr, source, x - sx, y - sy);
    cairo_rectangle(cr, x, y, width, height);
    cairo_fill(cr);
    cairo_restore(cr);
}

void drawBitmap(cairo_t* cr, cairo_surface_t* bitmap, int x, int y, int width, int height) {
    if (!bitmap) return;
    int w = std::min(width, cairo_image_surface_get_width(bitmap));
    int h = std::min(height, cairo_image_surface_get_height(bitmap));
    copyArea(cr, bitmap, 0, 0, w, h, x, y);
}

void fillRect(cairo_t* cr, int left, int top, int right, int bottom, Rgb c) {
    if (right <= left || bottom <= top) return;
    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_set_source_rgb(cr, c.red / 255.0, c.green / 255.0, c.blue / 255.0);
    cairo_rectangle(cr, left, top, right - left, bottom - top);
    cairo_fill(cr);
    cairo_restore(cr);
}

void drawLine(cairo_t* cr, int x0, int y0, int x1, int y1, Rgb colour) {
    if (y0 == y1) {
        // Toward the right the run is x0..x1 - 1, toward the left x1 + 1..x0.
        if (x1 >= x0)
            fillRect(cr, x0, y0, x1, y0 + 1, colour);
        else
            fillRect(cr, x1 + 1, y0, x0 + 1, y0 + 1, colour);
    } else if (x0 == x1) {
        if (y1 >= y0)
            fillRect(cr, x0, y0, x0 + 1, y1, colour);
        else
            fillRect(cr, x0, y1 + 1, x0 + 1, y0 + 1, colour);
    }
}

void excludeClip(cairo_t* cr, int left, int top, int right, int bottom) {
    double x0, y0, x1, y1;
    cairo_clip_extents(cr, &x0, &y0, &x1, &y1);
    cairo_new_path(cr);
    cairo_rectangle(cr, x0, y0, x1 - x0, y1 - y0);
    cairo_rectangle(cr, left, top, right - left, bottom - top);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    cairo_clip(cr);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
}

namespace {

std::uint32_t* row(cairo_surface_t* image, int y) {
    return reinterpret_cast<std::uint32_t*>(cairo_image_surface_get_data(image) +
                                            cairo_image_surface_get_stride(image) * y);
}

bool inside(cairo_surface_t* image, int x, int y) {
    return x >= 0 && y >= 0 && x < cairo_image_surface_get_width(image) &&
           y < cairo_image_surface_get_height(image);
}

template <typename Combine>
void combineArea(cairo_surface_t* target, cairo_surface_t* source, int width, int height,
                 Combine combine) {
    cairo_surface_flush(target);
    cairo_surface_flush(source);
    for (int y = 0; y < height; ++y) {
        std::uint32_t* t = row(target, y);
        const std::uint32_t* s = row(source, y);
        for (int x = 0; x < width; ++x)
            t[x] = combine(t[x], s[x]) & 0xFFFFFFu;
    }
    cairo_surface_mark_dirty(target);
}

} // namespace

void scrollLeft(cairo_surface_t* image, int width, int height) {
    cairo_surface_flush(image);
    for (int y = 0; y < height; ++y)
        std::memmove(row(image, y), row(image, y) + 1, sizeof(std::uint32_t) * width);
    cairo_surface_mark_dirty(image);
}

Rgb pixelAt(cairo_surface_t* image, int x, int y) {
    if (!inside(image, x, y)) return {0, 0, 0};
    cairo_surface_flush(image);
    std::uint32_t p = row(image, y)[x];
    return {int(p >> 16 & 0xFF), int(p >> 8 & 0xFF), int(p & 0xFF)};
}

void setPixel(cairo_surface_t* image, int x, int y, Rgb c) {
    if (!inside(image, x, y)) return;
    cairo_surface_flush(image);
    row(image, y)[x] = std::uint32_t(c.red & 0xFF) << 16 | std::uint32_t(c.green & 0xFF) << 8 |
                       std::uint32_t(c.blue & 0xFF);
    cairo_surface_mark_dirty_rectangle(image, x, y, 1, 1);
}

void andArea(cairo_surface_t* target, cairo_surface_t* source, int width, int height) {
    combineArea(target, source, width, height,
                [](std::uint32_t a, std::uint32_t b) { return a & b; });
}

void orArea(cairo_surface_t* target, cairo_surface_t* source, int width, int height) {
    combineArea(target, source, width, height,
                [](std::uint32_t a, std::uint32_t b) { return a | b; });
}
