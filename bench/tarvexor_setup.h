// How the benchmarks set Tarvexor up: a stored program, then raw values
// through setParameter.
#pragma once

#include "bench/bench_effect.h"

#include <utility>
#include <vector>

namespace bench {

// Parameter index and value.
using Settings = std::vector<std::pair<int, float>>;

// Program 2, the first mastering program with dither and Auto Normalize on.
constexpr int kMastering2 = 2;

// Program 0 "Init" with these values.
struct Setting {
    float lookAhead;
    bool dither;
    bool normalize;
    // Further values, set last.
    Settings more = {};
};

// A program as it is stored, then the values in order.
inline void setUpProgram(BenchEffect& fx, int program, const Settings& values) {
    fx.setProgram(program);
    for (const auto& [index, value] : values)
        fx.setParameter(index, value);
}

inline void setUpTarvexor(BenchEffect& fx, const Setting& setting) {
    constexpr int kNormalize = 1;
    constexpr int kDither = 2;
    constexpr int kLookAhead = 12;
    setUpProgram(fx, 0,
                 {{kLookAhead, setting.lookAhead},
                  {kDither, setting.dither ? 1.0f : 0.0f},
                  {kNormalize, setting.normalize ? 1.0f : 0.0f}});
    for (const auto& [index, value] : setting.more)
        fx.setParameter(index, value);
}

} // namespace bench
