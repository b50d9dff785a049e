// How the benchmarks set Tarvexor up: program 0 "Init", then raw values
// through setParameter.
#pragma once

#include "bench/bench_effect.h"

#include <utility>
#include <vector>

namespace bench {

// Parameter index and value.
using Settings = std::vector<std::pair<int, float>>;

struct Setting {
    float lookAhead;
    bool dither;
    bool normalize;
    // Further values, set last.
    Settings more = {};
};

inline void setUpTarvexor(BenchEffect& fx, const Setting& setting) {
    constexpr int kNormalize = 1;
    constexpr int kDither = 2;
    constexpr int kLookAhead = 12;
    fx.setProgram(0);
    fx.setParameter(kLookAhead, setting.lookAhead);
    fx.setParameter(kDither, setting.dither ? 1.0f : 0.0f);
    fx.setParameter(kNormalize, setting.normalize ? 1.0f : 0.0f);
    for (const auto& [index, value] : setting.more)
        fx.setParameter(index, value);
}

} // namespace bench
