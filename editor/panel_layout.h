// The composing surface behind the wave panel and the meters: where each of
// the three areas sits on the surface and in the editor window.
#pragma once

namespace panel {

// An area's first surface column and its window position and size; surface
// row r is window row windowY + r.
struct Area {
    int surfaceX, windowX, windowY, width, height;
};
constexpr Area kWave{0, 175, 13, 122, 256};
constexpr Area kReduction{122, 328, 13, 13, 257};
// The two level bars, 15 pixels each, one pixel apart.
constexpr Area kLevels{136, 460, 13, 31, 257};
constexpr Area kAreas[3] = {kWave, kReduction, kLevels};

constexpr int kLevelWidth = 15;
constexpr int kLevelLeftA = kLevels.surfaceX;
constexpr int kLevelLeftB = kLevels.surfaceX + kLevelWidth + 1;

constexpr int kSurfaceWidth = 170;
constexpr int kSurfaceHeight = 257;

} // namespace panel
