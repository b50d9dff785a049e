#include "bench/bench_effect.h"

#include "bench/signals.h"

#include <algorithm>
#include <stdexcept>

namespace bench {

namespace {

// What the benchmarks need beyond a VST 2 effect: the replacing call, and
// audio in and out.
std::string unsuitable(const AEffect& record) {
    if (!record.processReplacing || !(record.flags & effFlagsCanReplacing))
        return "the effect does not offer processReplacing";
    if (record.numInputs < 1 || record.numOutputs < 1)
        return "the effect has no audio input or output";
    return "";
}

} // namespace

BenchEffect::BenchEffect(const std::string& path, int blockSize)
    : library(path), blockSize(blockSize) {
    if (!library.loaded()) {
        why = library.error();
        return;
    }
    try {
        fx = std::make_unique<host::HostedEffect>(library, path);
    } catch (const std::runtime_error& error) {
        why = error.what();
        return;
    }
    why = unsuitable(fx->record());
    if (!why.empty()) {
        fx.reset();
        return;
    }
    fx->prepare(kSampleRate, blockSize);
    const AEffect& record = fx->record();
    outputBuffers.assign(static_cast<std::size_t>(record.numOutputs),
                         std::vector<float>(static_cast<std::size_t>(blockSize)));
    for (auto& buffer : outputBuffers)
        outputs.push_back(buffer.data());
    inputs.assign(static_cast<std::size_t>(record.numInputs), nullptr);
}

void BenchEffect::run(const float* samples, std::size_t length) {
    for (std::size_t start = 0; start < length; start += static_cast<std::size_t>(blockSize)) {
        auto frames = std::min(static_cast<std::size_t>(blockSize), length - start);
        std::fill(inputs.begin(), inputs.end(), const_cast<float*>(samples + start));
        fx->process(inputs.data(), outputs.data(), static_cast<int>(frames));
    }
}

} // namespace bench
