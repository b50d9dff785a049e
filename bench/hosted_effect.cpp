#include "bench/hosted_effect.h"

#include "bench/signals.h"

#include <algorithm>

namespace bench {

namespace {

// Host opcodes answered with the truth; everything else (the LSP plug-ins
// also ask for the time info, 7, and report a latency change, 13) gets 0.
constexpr vst::Int32 kGetSampleRate = 16;
constexpr vst::Int32 kGetBlockSize = 17;
// Effect opcodes around playback.
constexpr vst::Int32 kStartProcess = 71;
constexpr vst::Int32 kStopProcess = 72;
// The block size of the instance being set up: the benchmarks run one
// instance at a time on one thread.
int currentBlockSize = 512;

vst::IntPtr VST_CALL benchHost(AEffect*, vst::Int32 opcode, vst::Int32, vst::IntPtr, void*, float) {
    switch (opcode) {
    case audioMasterVersion:
        return 2400;
    case kGetSampleRate:
        return static_cast<vst::IntPtr>(kSampleRate);
    case kGetBlockSize:
        return currentBlockSize;
    default:
        return 0;
    }
}

} // namespace

HostedEffect::HostedEffect(const std::string& path, int blockSize)
    : library(path), blockSize(blockSize) {
    if (!library.loaded()) {
        why = library.error();
        return;
    }
    currentBlockSize = blockSize;
    fx = library.create(benchHost);
    if (!validate()) return;
    dispatch(effOpen, 0, 0, 0.0f);
    dispatch(effSetSampleRate, 0, 0, static_cast<float>(kSampleRate));
    dispatch(effSetBlockSize, 0, blockSize, 0.0f);
    outputBuffers.assign(static_cast<std::size_t>(fx->numOutputs),
                         std::vector<float>(static_cast<std::size_t>(blockSize)));
    for (auto& buffer : outputBuffers)
        outputs.push_back(buffer.data());
    inputs.assign(static_cast<std::size_t>(fx->numInputs), nullptr);
}

bool HostedEffect::validate() {
    if (!fx) {
        why = library.entryFunction() ? "the entry function returned no effect"
                                      : "no VSTPluginMain or main export";
    } else if (fx->magic != vst::kEffectMagic) {
        why = "the effect record has the wrong magic number";
    } else if (!fx->processReplacing || !(fx->flags & effFlagsCanReplacing)) {
        why = "the effect does not offer processReplacing";
    } else if (fx->numInputs < 1 || fx->numOutputs < 1) {
        why = "the effect has no audio input or output";
    }
    if (why.empty()) return true;
    fx = nullptr;
    return false;
}

HostedEffect::~HostedEffect() {
    if (!fx) return;
    if (resumed) {
        dispatch(kStopProcess, 0, 0, 0.0f);
        dispatch(effMainsChanged, 0, 0, 0.0f);
    }
    dispatch(effClose, 0, 0, 0.0f);
}

vst::IntPtr HostedEffect::dispatch(vst::Int32 opcode, vst::Int32 index, vst::IntPtr value,
                                   float opt) {
    return fx->dispatcher(fx, opcode, index, value, nullptr, opt);
}

void HostedEffect::setProgram(int program) {
    if (fx) dispatch(effSetProgram, 0, program, 0.0f);
}

void HostedEffect::setParameter(int index, float value) {
    if (fx) fx->setParameter(fx, index, value);
}

void HostedEffect::resume() {
    if (!fx || resumed) return;
    dispatch(effMainsChanged, 0, 1, 0.0f);
    dispatch(kStartProcess, 0, 0, 0.0f);
    resumed = true;
}

void HostedEffect::run(const float* samples, std::size_t length) {
    for (std::size_t start = 0; start < length; start += static_cast<std::size_t>(blockSize)) {
        auto frames = std::min(static_cast<std::size_t>(blockSize), length - start);
        std::fill(inputs.begin(), inputs.end(), const_cast<float*>(samples + start));
        fx->processReplacing(fx, inputs.data(), outputs.data(), static_cast<vst::Int32>(frames));
    }
}

} // namespace bench
