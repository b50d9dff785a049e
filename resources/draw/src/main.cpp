// Draws the editor's bitmaps: tarvexor-artwork --bitmaps DIR [--png DIR] [--fonts DIR]
// The BMP files are what the resource script compiles; the PNG files are for looking at.
#include "artwork.h"
#include "bitmaps.h"

#include <cstring>
#include <exception>
#include <iostream>
#include <string>

namespace art {

const BitmapInfo kBitmaps[16] = {{118, "background"},          {142, "soft-on"},
                                 {141, "normalize-on"},        {140, "dither-on"},
                                 {103, "bypass-on"},           {133, "auto-on"},
                                 {125, "handle-threshold"},    {117, "handle-blue"},
                                 {132, "handle-auto-release"}, {116, "handle-limit"},
                                 {129, "handle-zoom"},         {130, "handle-lookahead"},
                                 {120, "display-face"},        {107, "reduction-bar"},
                                 {106, "level-bar"},           {127, "glow"}};

std::map<int, Canvas> drawAll(const Fonts& fonts) {
    std::map<int, Canvas> out;
    const Canvas panel = drawPanel(fonts);
    out.emplace(118, drawBackground(panel, fonts));
    const int litIds[] = {142, 141, 140, 103, 133};
    for (int i = 0; i < 5; ++i)
        out.emplace(litIds[i], drawLitSwitch(panel, fonts, switches()[size_t(i)]));
    out.emplace(125, drawValueHandle(20, CapStyle::Metal, {0, 160, 0}));
    out.emplace(117, drawValueHandle(20, CapStyle::Metal, {4, 117, 168}));
    out.emplace(132, drawValueHandle(20, CapStyle::Grey, grey(128)));
    out.emplace(116, drawValueHandle(16, CapStyle::Metal, {200, 0, 0}));
    out.emplace(129, drawSmallHandle(false));
    out.emplace(130, drawSmallHandle(true));
    out.emplace(120, drawDisplayFace());
    out.emplace(107, drawReductionBar());
    out.emplace(106, drawLevelBar());
    out.emplace(127, drawGlow());
    return out;
}

} // namespace art

namespace {

struct Options {
    std::string bitmaps, png, fonts = "/usr/share/fonts/truetype";
};

bool parse(int argc, char** argv, Options& options) {
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string value = argv[i + 1];
        if (!std::strcmp(argv[i], "--bitmaps"))
            options.bitmaps = value;
        else if (!std::strcmp(argv[i], "--png"))
            options.png = value;
        else if (!std::strcmp(argv[i], "--fonts"))
            options.fonts = value;
        else
            return false;
    }
    return argc % 2 == 1 && !options.bitmaps.empty();
}

void writeAll(const Options& options) {
    const art::Fonts fonts(options.fonts);
    const std::map<int, art::Canvas> bitmaps = art::drawAll(fonts);
    for (const art::BitmapInfo& info : art::kBitmaps) {
        const std::string stem = std::to_string(info.id) + "-" + info.name;
        bitmaps.at(info.id).writeBmp(options.bitmaps + "/" + stem + ".bmp");
        if (!options.png.empty()) bitmaps.at(info.id).writePng(options.png + "/" + stem + ".png");
    }
    if (options.png.empty()) return;
    art::composePreview(bitmaps, fonts, false).writePng(options.png + "/editor-preview.png");
    art::composePreview(bitmaps, fonts, true).writePng(options.png + "/editor-preview-2.png");
}

} // namespace

int main(int argc, char** argv) {
    Options options;
    if (!parse(argc, argv, options)) {
        std::cerr << "usage: tarvexor-artwork --bitmaps DIR [--png DIR] [--fonts DIR]\n";
        return 2;
    }
    try {
        writeAll(options);
    } catch (const std::exception& e) {
        std::cerr << "tarvexor-artwork: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
