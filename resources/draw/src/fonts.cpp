#include "fonts.h"

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <cmath>
#include <stdexcept>

namespace art {

namespace {

const char* const kFiles[] = {
    "dejavu/DejaVuSansCondensed-Bold.ttf", "dejavu/DejaVuSerif-BoldItalic.ttf",
    "liberation/LiberationSans-Regular.ttf", "liberation/LiberationSans-Bold.ttf"};

const cairo_user_data_key_t kFaceKey{};

void releaseFace(void* face) {
    FT_Done_Face(static_cast<FT_Face>(face));
}

cairo_font_face_t* loadFace(FT_Library library, const std::string& path) {
    FT_Face face = nullptr;
    if (FT_New_Face(library, path.c_str(), 0, &face) != 0)
        throw std::runtime_error("cannot load font " + path);
    cairo_font_face_t* cairoFace = cairo_ft_font_face_create_for_ft_face(face, 0);
    cairo_font_face_set_user_data(cairoFace, &kFaceKey, face, releaseFace);
    return cairoFace;
}

} // namespace

// The FreeType library stays open until the process ends: Cairo keeps fonts in its caches
// after the faces are released, and they must stay valid for it.
Fonts::Fonts(const std::string& root) {
    static FT_Library library = nullptr;
    if (!library && FT_Init_FreeType(&library) != 0)
        throw std::runtime_error("cannot start FreeType");
    for (int i = 0; i < int(Font::Count); ++i)
        faces_[i] = loadFace(library, root + "/" + kFiles[i]);
}

Fonts::~Fonts() {
    for (cairo_font_face_t* face : faces_)
        cairo_font_face_destroy(face);
}

void TextPainter::select(TextStyle style) const {
    cairo_t* cr = canvas_.cr();
    cairo_set_font_face(cr, fonts_.face(style.font));
    cairo_matrix_t matrix;
    cairo_matrix_init_scale(&matrix, style.size * style.stretch, style.size);
    cairo_set_font_matrix(cr, &matrix);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    // DejaVu's own hinting keeps small captions crisp; Liberation keeps its weight only with
    // light hinting.
    const bool liberation = int(style.font) >= int(Font::Arial);
    cairo_font_options_set_hint_style(options,
                                      liberation ? CAIRO_HINT_STYLE_SLIGHT : CAIRO_HINT_STYLE_FULL);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_ON);
    cairo_set_font_options(cr, options);
    cairo_font_options_destroy(options);
}

double TextPainter::width(TextStyle style, const std::string& text) const {
    select(style);
    cairo_text_extents_t ink;
    cairo_text_extents(canvas_.cr(), text.c_str(), &ink);
    return ink.width;
}

void TextPainter::draw(TextStyle style, const std::string& text, double x, double y,
                       Align align) const {
    select(style);
    cairo_t* cr = canvas_.cr();
    cairo_text_extents_t ink, caps;
    cairo_text_extents(cr, text.c_str(), &ink);
    cairo_text_extents(cr, "H", &caps);
    double left = x - ink.x_bearing;
    if (align == Align::Centre) left -= ink.width / 2;
    if (align == Align::Right) left -= ink.width;
    const double baseline = std::round(y + 0.5 - caps.y_bearing / 2);
    canvas_.setSource(style.colour);
    cairo_move_to(cr, std::round(left), baseline);
    cairo_show_text(cr, text.c_str());
    cairo_new_path(cr);
}

void TextPainter::engrave(TextStyle style, const std::string& text, double x, double y,
                          Align align) const {
    cairo_push_group(canvas_.cr());
    draw({style.font, style.size, grey(255), style.stretch}, text, x, y + 1, align);
    cairo_pop_group_to_source(canvas_.cr());
    cairo_paint_with_alpha(canvas_.cr(), 0.35);
    draw(style, text, x, y, align);
}

} // namespace art
