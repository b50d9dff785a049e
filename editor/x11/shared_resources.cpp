#include "editor/x11/shared_resources.h"

#include "editor/x11/bmp_decoder.h"
#include "editor/x11/cairo_drawing.h"
#include "editor/x11/embedded_bitmaps.h"
#include "resources/resource_ids.h"

#include <cstdio>

namespace shared {

namespace {

constexpr int kMaxBitmaps = 16;
struct Loaded {
    int id = 0;
    Surface image;
};
Loaded loadedBitmaps[kMaxBitmaps];

void loadBitmaps() {
    for (int i = 0; i < kEmbeddedBitmapCount && i < kMaxBitmaps; ++i) {
        const EmbeddedBitmap& b = kEmbeddedBitmaps[i];
        loadedBitmaps[i].id = b.id;
        loadedBitmaps[i].image.reset(decodeBmp(b.bytes, b.size));
    }
    if (!background()) std::fprintf(stderr, "Tarvexor: Not enough memory !\n");
}

// The glow bitmap is read once, into the two tables.
void fillGlowTables(Resources& r) {
    cairo_surface_t* glow = bitmap(IDB_GLOW);
    if (!glow) return;
    for (int x = 0; x < kGlowColumns; ++x) {
        for (int y = 0; y < kGlowRows; ++y) {
            int red = pixelAt(glow, x, y).red;
            r.glowBase[x * kGlowRows + y] = static_cast<float>(red);
            r.glowScale[x * kGlowRows + y] = static_cast<float>(255 - red) / 255;
        }
    }
}

} // namespace

Resources& resources() {
    static Resources r;
    return r;
}

cairo_surface_t* bitmap(int id) {
    for (const Loaded& b : loadedBitmaps)
        if (b.id == id) return b.image.get();
    return nullptr;
}

cairo_surface_t* background() {
    return bitmap(IDB_BACKGROUND);
}

void acquire() {
    Resources& r = resources();
    if (r.editorUseCount++ > 0) return;
    loadBitmaps();
    fillGlowTables(r);
}

void release() {
    Resources& r = resources();
    if (r.editorUseCount <= 0 || --r.editorUseCount > 0) return;
    for (Loaded& b : loadedBitmaps)
        b = Loaded{};
}

} // namespace shared
