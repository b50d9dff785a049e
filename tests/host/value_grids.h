// Values a host may send to setParameter: host values strictly between 0 and 1,
// raw values across and beyond a control's range, and absurd raw values.
#pragma once

#include <cfloat>
#include <cmath>
#include <vector>

namespace testhost {

// A dense grid strictly between 0 and 1 and the values next to its ends.
inline std::vector<float> hostValueGrid() {
    std::vector<float> values;
    for (int k = 1; k < 8192; ++k)
        values.push_back(static_cast<float>(k) / 8192.0f);
    for (float v : {1e-30f, 1e-7f, 0.00001f, 0.001f, 0.1f, 0.3f, 0.49999f, 0.5f, 0.7f, 0.99f,
                    0.999f, 0.99999f, std::nextafter(1.0f, 0.0f), std::nextafter(0.0f, 1.0f)})
        values.push_back(v);
    return values;
}

// Whole and fractional raw values from below 0 to twice the control's range.
inline std::vector<float> rawValueGrid(int maximum) {
    std::vector<float> values = {0.0f, -0.0f, 1.0f};
    for (int r = -20; r <= 2 * maximum + 20; ++r) {
        values.push_back(static_cast<float>(r));
        if (r >= 1 || r <= -1) {
            values.push_back(static_cast<float>(r) + 0.25f);
            values.push_back(static_cast<float>(r) + 0.5f);
            values.push_back(static_cast<float>(r) - 0.01f);
        }
    }
    return values;
}

// Raw values far outside every control, up to the float limits.
inline std::vector<float> absurdValues() {
    std::vector<float> values;
    for (float v : {32767.0f, 32767.9f, 32768.0f, 65536.0f, 1e6f, 1e9f, 2147483520.0f,
                    2147483648.0f, 1e12f, 1e20f, 1e30f, FLT_MAX}) {
        values.push_back(v);
        values.push_back(-v);
    }
    values.push_back(-32768.9f);
    values.push_back(-0.5f);
    values.push_back(-FLT_MIN);
    return values;
}

} // namespace testhost
