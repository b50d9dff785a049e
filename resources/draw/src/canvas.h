// A 24-bit drawing surface backed by a Cairo image, with the few pixel-exact helpers
// the artwork needs on top of Cairo's anti-aliased paths.
#pragma once

#include <cairo.h>

#include <string>

namespace art {

// A colour with 0..255 components; kept as double so gradients can be mixed exactly.
struct Rgb {
    double r, g, b;
};

Rgb mix(Rgb a, Rgb b, double t);
Rgb scaled(Rgb c, double factor);
Rgb grey(double level);

// Pixel rectangle: left, top, width, height.
struct Box {
    int x, y, w, h;
    int right() const { return x + w; }
    int bottom() const { return y + h; }
};

class Canvas {
  public:
    Canvas(int width, int height);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;
    Canvas(Canvas&& other) noexcept;

    int width() const { return width_; }
    int height() const { return height_; }
    cairo_t* cr() const { return cr_; }
    cairo_surface_t* surface() const { return surface_; }

    void setSource(Rgb c, double alpha = 1.0) const;
    void fillRect(Box box, Rgb c, double alpha = 1.0) const;
    void hline(int x0, int x1, int y, Rgb c, double alpha = 1.0) const;
    void vline(int x, int y0, int y1, Rgb c, double alpha = 1.0) const;

    // Direct pixel access; Cairo drawing is flushed before and marked dirty after.
    Rgb pixel(int x, int y) const;
    void setPixel(int x, int y, Rgb c);
    void beginPixels() const;
    void endPixels() const;

    void paste(const Canvas& src, int dx, int dy) const;
    // Copies the part `from` of src to (dx, dy).
    void blit(const Canvas& src, Box from, int dx, int dy) const;
    Canvas crop(Box box) const;

    void writeBmp(const std::string& path) const;
    void writePng(const std::string& path) const;

  private:
    unsigned char* row(int y) const;

    int width_, height_;
    cairo_surface_t* surface_;
    cairo_t* cr_;
};

} // namespace art
