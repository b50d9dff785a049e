#include "shapes.h"

#include <cmath>

namespace art {

void recess(const Canvas& canvas, Box in, double strength) {
    const Rgb black = grey(0), white = grey(255);
    const int left = in.x - 1, top = in.y - 1, right = in.right(), bottom = in.bottom();
    canvas.hline(left, right - 1, top, black, 0.45 * strength);
    canvas.vline(left, top + 1, bottom - 1, black, 0.45 * strength);
    canvas.hline(left + 1, right, bottom, white, 0.55 * strength);
    canvas.vline(right, top + 1, bottom - 1, white, 0.55 * strength);
    // The two corners where light meets shade take half of each.
    canvas.fillRect({right, top, 1, 1}, white, 0.2 * strength);
    canvas.fillRect({left, bottom, 1, 1}, black, 0.2 * strength);
}

void raise(const Canvas& canvas, Box b, double light, double dark) {
    canvas.hline(b.x, b.right() - 2, b.y, grey(255), light);
    canvas.vline(b.x, b.y + 1, b.bottom() - 2, grey(255), light);
    canvas.hline(b.x + 1, b.right() - 1, b.bottom() - 1, grey(0), dark);
    canvas.vline(b.right() - 1, b.y + 1, b.bottom() - 2, grey(0), dark);
}

void gradient(const Canvas& canvas, Box box, Rgb from, Rgb to, bool vertical) {
    cairo_t* cr = canvas.cr();
    cairo_pattern_t* pattern = vertical ? cairo_pattern_create_linear(0, box.y, 0, box.bottom())
                                        : cairo_pattern_create_linear(box.x, 0, box.right(), 0);
    cairo_pattern_add_color_stop_rgb(pattern, 0, from.r / 255, from.g / 255, from.b / 255);
    cairo_pattern_add_color_stop_rgb(pattern, 1, to.r / 255, to.g / 255, to.b / 255);
    cairo_set_source(cr, pattern);
    cairo_rectangle(cr, box.x, box.y, box.w, box.h);
    cairo_fill(cr);
    cairo_pattern_destroy(pattern);
}

void roundedRect(cairo_t* cr, double x, double y, double w, double h, double r) {
    const double quarter = M_PI / 2;
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -quarter, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, quarter);
    cairo_arc(cr, x + r, y + h - r, r, quarter, 2 * quarter);
    cairo_arc(cr, x + r, y + r, r, 2 * quarter, 3 * quarter);
    cairo_close_path(cr);
}

namespace {

uint32_t hash(uint32_t v) {
    v ^= v >> 16;
    v *= 0x7feb352dU;
    v ^= v >> 15;
    v *= 0x846ca68bU;
    v ^= v >> 16;
    return v;
}

double lattice(int cell, int y, uint32_t seed) {
    const uint32_t h = hash(uint32_t(cell) * 0x9e3779b9U ^ hash(uint32_t(y) + seed));
    return (h & 0xffff) / 32767.5 - 1.0;
}

} // namespace

double brushed(int x, int y, double wavelength, uint32_t seed) {
    const double position = x / wavelength;
    const int cell = int(std::floor(position));
    const double t = position - cell;
    const double smooth = t * t * (3 - 2 * t);
    return lattice(cell, y, seed) * (1 - smooth) + lattice(cell + 1, y, seed) * smooth;
}

} // namespace art
