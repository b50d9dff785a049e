#include "editor/x11/editor_font.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_MODULE_H
#include FT_OUTLINE_H
#include FT_TRUETYPE_TABLES_H

#include <cstdint>
#include <string>

namespace {

// A 14-pixel cell: ascent 1854 plus descent 434 of 2048 units for Arial and
// its metric twins, so an em of 12.53 pixels, 11 of them above the baseline.
constexpr double kCellHeight = 14.0;
constexpr int kAscent = 11;
constexpr int kAverageWidth = 5;

// The face, loaded once per process with its own FreeType library, which
// hints as the Windows text under Wine is hinted (the version 35 interpreter).
struct Face {
    FT_Library library = nullptr;
    FT_Face face = nullptr;
    FT_Matrix narrow = {0x10000, 0, 0, 0x10000};

    Face();
    ~Face();
    Face(const Face&) = delete;
    Face& operator=(const Face&) = delete;
};

std::string arialFile() {
    FcPattern* wanted = FcNameParse(reinterpret_cast<const FcChar8*>("Arial"));
    FcConfigSubstitute(nullptr, wanted, FcMatchPattern);
    FcDefaultSubstitute(wanted);
    FcResult result = FcResultNoMatch;
    FcPattern* found = FcFontMatch(nullptr, wanted, &result);
    std::string path;
    FcChar8* file = nullptr;
    if (found && FcPatternGetString(found, FC_FILE, 0, &file) == FcResultMatch)
        path = reinterpret_cast<const char*>(file);
    if (found) FcPatternDestroy(found);
    FcPatternDestroy(wanted);
    return path;
}

// The em that gives the cell height, and the narrowing to the average width:
// the font's own average width at that em, rounded, becomes 5 pixels.
void sizeFace(Face& f) {
    FT_Face face = f.face;
    double cellUnits = face->ascender - face->descender;
    double averageUnits = face->units_per_EM * 0.5;
    if (auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2))) {
        if (os2->usWinAscent + os2->usWinDescent > 0)
            cellUnits = os2->usWinAscent + os2->usWinDescent;
        if (os2->xAvgCharWidth > 0) averageUnits = os2->xAvgCharWidth;
    }
    const double em = kCellHeight * face->units_per_EM / cellUnits;
    FT_Set_Char_Size(face, 0, static_cast<FT_F26Dot6>(em * 64 + 0.5), 72, 72);
    const long average = static_cast<long>(averageUnits * em / face->units_per_EM + 0.5);
    if (average > 0) f.narrow.xx = static_cast<FT_Fixed>(65536.0 * kAverageWidth / average);
}

Face::Face() {
    if (FT_Init_FreeType(&library) != 0) return;
    FT_UInt interpreter = 35;
    FT_Property_Set(library, "truetype", "interpreter-version", &interpreter);
    const std::string file = arialFile();
    if (file.empty() || FT_New_Face(library, file.c_str(), 0, &face) != 0) {
        face = nullptr;
        return;
    }
    sizeFace(*this);
}

Face::~Face() {
    if (face) FT_Done_Face(face);
    if (library) FT_Done_FreeType(library);
}

Face& editorFace() {
    static Face f;
    return f;
}

// The glyph hinted at the square size; false when there is none.
bool loadGlyph(Face& f, char c) {
    FT_UInt index = FT_Get_Char_Index(f.face, static_cast<unsigned char>(c));
    return FT_Load_Glyph(f.face, index, FT_LOAD_TARGET_MONO | FT_LOAD_NO_BITMAP) == 0;
}

// The narrowed advance, rounded up to whole pixels.
int advanceOf(const Face& f) {
    FT_Vector advance = {f.face->glyph->metrics.horiAdvance, 0};
    FT_Vector_Transform(&advance, &f.narrow);
    return static_cast<int>((advance.x + 63) >> 6);
}

// The narrowed outline in black and white, drawn with the pen at (x, baseline).
void drawGlyph(cairo_t* cr, Face& f, int x, int baseline) {
    FT_Outline_Transform(&f.face->glyph->outline, &f.narrow);
    if (FT_Render_Glyph(f.face->glyph, FT_RENDER_MODE_MONO) != 0) return;
    const FT_Bitmap& b = f.face->glyph->bitmap;
    if (b.width == 0 || b.rows == 0 || b.pixel_mode != FT_PIXEL_MODE_MONO) return;
    const int w = static_cast<int>(b.width), h = static_cast<int>(b.rows);
    cairo_surface_t* mask = cairo_image_surface_create(CAIRO_FORMAT_A1, w, h);
    cairo_surface_flush(mask);
    unsigned char* bits = cairo_image_surface_get_data(mask);
    const int stride = cairo_image_surface_get_stride(mask);
    for (int y = 0; y < h; ++y) {
        auto* out = reinterpret_cast<std::uint32_t*>(bits + stride * y);
        for (int i = 0; i < (w + 31) / 32; ++i)
            out[i] = 0;
        for (int px = 0; px < w; ++px)
            if (b.buffer[y * b.pitch + px / 8] & (0x80 >> (px % 8)))
                out[px / 32] |= std::uint32_t(1) << (px % 32);
    }
    cairo_surface_mark_dirty(mask);
    cairo_mask_surface(cr, mask, x + f.face->glyph->bitmap_left,
                       baseline - f.face->glyph->bitmap_top);
    cairo_surface_destroy(mask);
}

} // namespace

int textWidth(const std::string& text) {
    Face& f = editorFace();
    if (!f.face) return 0;
    int width = 0;
    for (char c : text)
        if (loadGlyph(f, c)) width += advanceOf(f);
    return width;
}

void drawCentredText(cairo_t* cr, const std::string& text, TextBox box, Rgb c) {
    Face& f = editorFace();
    if (!f.face) return;
    int x = box.left + (box.right - box.left - textWidth(text)) / 2;
    cairo_save(cr);
    cairo_rectangle(cr, box.left, box.top, box.right - box.left, box.bottom - box.top);
    cairo_clip(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
    cairo_set_source_rgb(cr, c.red / 255.0, c.green / 255.0, c.blue / 255.0);
    for (char ch : text) {
        if (!loadGlyph(f, ch)) continue;
        const int advance = advanceOf(f);
        drawGlyph(cr, f, x, box.top + kAscent);
        x += advance;
    }
    cairo_restore(cr);
}
