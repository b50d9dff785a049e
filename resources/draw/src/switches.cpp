// The five push buttons: grey metal when off, lit light blue (Bypass: light red) when on.
#include "artwork.h"
#include "layout.h"
#include "shapes.h"

namespace art {

namespace {

const SwitchLook kUnlit{{218, 225, 236}, {156, 167, 186}, {44, 54, 78}, {30, 40, 66}};
const SwitchLook kLitBlue{{224, 242, 255}, {146, 194, 248}, {34, 68, 128}, {10, 40, 116}};
const SwitchLook kLitRed{{255, 222, 218}, {240, 134, 130}, {126, 40, 40}, {104, 14, 14}};

void paintBody(const Canvas& canvas, Box b, const SwitchLook& look) {
    cairo_t* cr = canvas.cr();
    cairo_pattern_t* fill = cairo_pattern_create_linear(0, b.y, 0, b.bottom());
    cairo_pattern_add_color_stop_rgb(fill, 0, look.top.r / 255, look.top.g / 255, look.top.b / 255);
    cairo_pattern_add_color_stop_rgb(fill, 1, look.bottom.r / 255, look.bottom.g / 255,
                                     look.bottom.b / 255);
    roundedRect(cr, b.x + 0.5, b.y + 0.5, b.w - 1, b.h - 1, 2.5);
    cairo_set_source(cr, fill);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(fill);
    canvas.setSource(look.outline);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    canvas.hline(b.x + 3, b.right() - 4, b.y + 1, grey(255), 0.6);
}

// The largest size up to `largest` at which every line fits inside the button's rim; buttons
// of one size with as many lines share one size.
double fittingSize(const TextPainter& text, const SwitchArt& button, double largest) {
    double size = largest;
    for (const SwitchArt& other : switches()) {
        if (other.caption.size() != button.caption.size() || other.box.w != button.box.w) continue;
        for (const std::string& line : other.caption)
            while (text.width({kCaptionFont, size, grey(0)}, line) > other.box.w - 6)
                size -= 0.25;
    }
    return size;
}

void paintCaption(const Canvas& canvas, const Fonts& fonts, const SwitchArt& button, Rgb ink) {
    const TextPainter text(fonts, canvas);
    const Box b = button.box;
    const double centre = b.x + b.w / 2.0;
    if (button.caption.size() == 1) {
        const double size = fittingSize(text, button, b.h < 20 ? 8 : 9.5);
        text.draw({kCaptionFont, size, ink}, button.caption[0], centre, b.y + b.h / 2, Align::Centre);
        return;
    }
    const TextStyle style{kCaptionFont, fittingSize(text, button, 8.5), ink};
    text.draw(style, button.caption[0], centre, b.y + 6, Align::Centre);
    text.draw(style, button.caption[1], centre, b.y + 14, Align::Centre);
}

} // namespace

const std::vector<SwitchArt>& switches() {
    static const std::vector<SwitchArt> all = {
        {kSoftSwitch, {"Soft"}, kLitBlue},
        {kNormalizeSwitch, {"Auto", "Normalize"}, kLitBlue},
        {kDitherSwitch, {"16 bit", "Dither"}, kLitBlue},
        {kBypassSwitch, {"Bypass"}, kLitRed},
        {kAutoSwitch, {"Auto"}, kLitBlue},
    };
    return all;
}

void paintSwitch(const Canvas& canvas, const Fonts& fonts, const SwitchArt& button, bool lit) {
    const SwitchLook& look = lit ? button.lit : kUnlit;
    paintBody(canvas, button.box, look);
    paintCaption(canvas, fonts, button, look.caption);
}

} // namespace art
