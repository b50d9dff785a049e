// Compares the Linux editor's picture with the Windows editor's, both PNG
// files of the same state. Outside the places where text is drawn they must
// be equal pixel for pixel; inside, the two systems' glyphs may differ in at
// most a quarter of each place's pixels (a glyph one pixel wider moves the
// rest of its text). Prints what differs, and where.
#include <cairo.h>
#include <cstdint>
#include <cstdio>

namespace {

struct Place {
    const char* name;
    int left, top, right, bottom; // right and bottom excluded
};

// The four numeric displays (face and text box) and the RMS readout.
constexpr Place kTextPlaces[] = {{"threshold display", 14, 13, 60, 28},
                                 {"ratio display", 66, 13, 112, 28},
                                 {"release display", 118, 13, 164, 28},
                                 {"output display", 398, 51, 444, 66},
                                 {"RMS readout", 398, 14, 444, 28}};

int placeOf(int x, int y) {
    for (int i = 0; i < static_cast<int>(sizeof(kTextPlaces) / sizeof(kTextPlaces[0])); ++i) {
        const Place& p = kTextPlaces[i];
        if (x >= p.left && x < p.right && y >= p.top && y < p.bottom) return i;
    }
    return -1;
}

std::uint32_t pixel(cairo_surface_t* s, int x, int y) {
    const unsigned char* row =
        cairo_image_surface_get_data(s) + cairo_image_surface_get_stride(s) * y;
    return reinterpret_cast<const std::uint32_t*>(row)[x] & 0xFFFFFFu;
}

cairo_surface_t* load(const char* path) {
    cairo_surface_t* s = cairo_image_surface_create_from_png(path);
    if (cairo_surface_status(s) == CAIRO_STATUS_SUCCESS) return s;
    std::fprintf(stderr, "picture_compare: cannot read %s\n", path);
    cairo_surface_destroy(s);
    return nullptr;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: picture_compare LINUX.png WINDOWS.png\n");
        return 2;
    }
    cairo_surface_t* linuxShot = load(argv[1]);
    cairo_surface_t* windowsShot = load(argv[2]);
    if (!linuxShot || !windowsShot) return 1;
    const int w = cairo_image_surface_get_width(linuxShot),
              h = cairo_image_surface_get_height(linuxShot);
    if (w != cairo_image_surface_get_width(windowsShot) ||
        h != cairo_image_surface_get_height(windowsShot)) {
        std::fprintf(stderr, "picture_compare: sizes differ\n");
        return 1;
    }
    constexpr int kPlaces = sizeof(kTextPlaces) / sizeof(kTextPlaces[0]);
    int differing[kPlaces] = {}, outside = 0;
    int left = w, top = h, right = -1, bottom = -1;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            if (pixel(linuxShot, x, y) == pixel(windowsShot, x, y)) continue;
            int place = placeOf(x, y);
            if (place >= 0) {
                ++differing[place];
                continue;
            }
            ++outside;
            left = x < left ? x : left, right = x > right ? x : right;
            top = y < top ? y : top, bottom = y > bottom ? y : bottom;
        }
    }
    bool same = outside == 0;
    std::printf("outside the text: %d pixels differ", outside);
    if (outside) std::printf(" (x %d..%d, y %d..%d)", left, right, top, bottom);
    std::printf("\n");
    for (int i = 0; i < kPlaces; ++i) {
        const Place& p = kTextPlaces[i];
        const int pixels = (p.right - p.left) * (p.bottom - p.top);
        std::printf("%s: %d of %d pixels differ\n", p.name, differing[i], pixels);
        if (differing[i] * 4 > pixels) same = false;
    }
    cairo_surface_destroy(linuxShot);
    cairo_surface_destroy(windowsShot);
    return same ? 0 : 1;
}
