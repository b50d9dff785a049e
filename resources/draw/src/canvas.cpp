#include "canvas.h"

#include "bmp.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <stdexcept>
#include <vector>

namespace art {

Rgb mix(Rgb a, Rgb b, double t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Rgb scaled(Rgb c, double factor) {
    return {c.r * factor, c.g * factor, c.b * factor};
}

Rgb grey(double level) {
    return {level, level, level};
}

namespace {

int channel(double v) {
    return static_cast<int>(std::lround(std::clamp(v, 0.0, 255.0)));
}

} // namespace

Canvas::Canvas(int width, int height)
    : width_(width), height_(height),
      surface_(cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height)),
      cr_(cairo_create(surface_)) {
    if (cairo_surface_status(surface_) != CAIRO_STATUS_SUCCESS)
        throw std::runtime_error("cannot create a drawing surface");
    cairo_set_antialias(cr_, CAIRO_ANTIALIAS_GRAY);
    fillRect({0, 0, width, height}, grey(0));
}

Canvas::~Canvas() {
    if (cr_) cairo_destroy(cr_);
    if (surface_) cairo_surface_destroy(surface_);
}

Canvas::Canvas(Canvas&& other) noexcept
    : width_(other.width_), height_(other.height_), surface_(other.surface_), cr_(other.cr_) {
    other.surface_ = nullptr;
    other.cr_ = nullptr;
}

void Canvas::setSource(Rgb c, double alpha) const {
    cairo_set_source_rgba(cr_, c.r / 255.0, c.g / 255.0, c.b / 255.0, alpha);
}

void Canvas::fillRect(Box box, Rgb c, double alpha) const {
    setSource(c, alpha);
    cairo_rectangle(cr_, box.x, box.y, box.w, box.h);
    cairo_fill(cr_);
}

void Canvas::hline(int x0, int x1, int y, Rgb c, double alpha) const {
    fillRect({x0, y, x1 - x0 + 1, 1}, c, alpha);
}

void Canvas::vline(int x, int y0, int y1, Rgb c, double alpha) const {
    fillRect({x, y0, 1, y1 - y0 + 1}, c, alpha);
}

unsigned char* Canvas::row(int y) const {
    return cairo_image_surface_get_data(surface_) + y * cairo_image_surface_get_stride(surface_);
}

void Canvas::beginPixels() const {
    cairo_surface_flush(surface_);
}

void Canvas::endPixels() const {
    cairo_surface_mark_dirty(surface_);
}

Rgb Canvas::pixel(int x, int y) const {
    const uint32_t p = reinterpret_cast<const uint32_t*>(row(y))[x];
    return {double((p >> 16) & 0xff), double((p >> 8) & 0xff), double(p & 0xff)};
}

void Canvas::setPixel(int x, int y, Rgb c) {
    const uint32_t p =
        (uint32_t(channel(c.r)) << 16) | (uint32_t(channel(c.g)) << 8) | uint32_t(channel(c.b));
    reinterpret_cast<uint32_t*>(row(y))[x] = p;
}

void Canvas::paste(const Canvas& src, int dx, int dy) const {
    cairo_save(cr_);
    cairo_set_source_surface(cr_, src.surface_, dx, dy);
    cairo_rectangle(cr_, dx, dy, src.width_, src.height_);
    cairo_fill(cr_);
    cairo_restore(cr_);
}

void Canvas::blit(const Canvas& src, Box from, int dx, int dy) const {
    cairo_save(cr_);
    cairo_set_source_surface(cr_, src.surface_, dx - from.x, dy - from.y);
    cairo_rectangle(cr_, dx, dy, from.w, from.h);
    cairo_fill(cr_);
    cairo_restore(cr_);
}

Canvas Canvas::crop(Box box) const {
    Canvas out(box.w, box.h);
    cairo_set_source_surface(out.cr_, surface_, -box.x, -box.y);
    cairo_paint(out.cr_);
    return out;
}

void Canvas::writeBmp(const std::string& path) const {
    beginPixels();
    std::vector<uint8_t> rgb(size_t(width_) * height_ * 3);
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) {
            const Rgb c = pixel(x, y);
            uint8_t* out = &rgb[(size_t(y) * width_ + x) * 3];
            out[0] = uint8_t(c.r);
            out[1] = uint8_t(c.g);
            out[2] = uint8_t(c.b);
        }
    writeBmp24(path, width_, height_, rgb);
}

void Canvas::writePng(const std::string& path) const {
    beginPixels();
    if (cairo_surface_write_to_png(surface_, path.c_str()) != CAIRO_STATUS_SUCCESS)
        throw std::runtime_error("cannot write " + path);
}

} // namespace art
