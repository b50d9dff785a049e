#include "editor/colour_schemes.h"

const ColourWords kNaturalColours = {0, 140, 0, 0, 180, 0, 200, 220, 255, 0, 200, 0, 200, 0, 0};
const ColourWords kIcyColours = {108, 116, 188, 148, 156, 218, 200, 220, 255, 0, 200, 0, 200, 0, 0};

ZoomRange zoomRangeOf(std::int32_t setting) {
    switch (setting) {
    case 0:
        return {1, 10};
    case 2:
        return {2, 32};
    default:
        return {1, 20};
    }
}

std::int32_t zoomWithin(std::int32_t setting, std::int32_t zoom) {
    switch (setting) {
    case 0:
        return zoom > 10 ? 10 : zoom;
    case 1:
        return zoom > 20 ? 20 : zoom;
    case 2:
        return zoom < 2 ? 2 : zoom;
    default:
        return zoom;
    }
}
