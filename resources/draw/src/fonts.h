// The DejaVu and Liberation faces used for the captions, loaded from their files so the
// drawing does not depend on what the font configuration of the machine would pick.
#pragma once

#include "canvas.h"

#include <cairo.h>

#include <string>

namespace art {

enum class Font {
    CondensedBold,   // DejaVu Sans Condensed Bold: the captions engraved into the panel
    SerifBoldItalic, // DejaVu Serif Bold Italic: the name on the logo
    Arial,           // Liberation Sans, with the metrics of the editor's own text font
    ArialBold,       // Liberation Sans Bold: the captions on the buttons
    Count
};

class Fonts {
  public:
    // root holds the dejavu/ and liberation/ folders (/usr/share/fonts/truetype).
    explicit Fonts(const std::string& root);
    ~Fonts();
    Fonts(const Fonts&) = delete;
    Fonts& operator=(const Fonts&) = delete;

    cairo_font_face_t* face(Font font) const { return faces_[int(font)]; }

  private:
    cairo_font_face_t* faces_[int(Font::Count)];
};

struct TextStyle {
    Font font;
    double size; // pixels per em
    Rgb colour;
    double stretch = 1.0; // horizontal scale of the glyphs
};

// Where a caption sits: its ink centred on x or ending at x, its capital letters centred on y.
enum class Align { Left, Centre, Right };

class TextPainter {
  public:
    TextPainter(const Fonts& fonts, const Canvas& canvas) : fonts_(fonts), canvas_(canvas) {}

    // Draws text with its capitals vertically centred on y.
    void draw(TextStyle style, const std::string& text, double x, double y, Align align) const;
    // The same with a faint light copy one pixel below: text engraved into a lit panel.
    void engrave(TextStyle style, const std::string& text, double x, double y, Align align) const;
    double width(TextStyle style, const std::string& text) const;

  private:
    void select(TextStyle style) const;

    const Fonts& fonts_;
    const Canvas& canvas_;
};

} // namespace art
