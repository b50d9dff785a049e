// The demo mix: 20 seconds of drum-like transients, a bass line and sustained
// chords at 120 beats per minute, stereo at 44.1 kHz, peaking just under
// 0 dBFS. The same samples every time: the noise comes from a fixed-seed
// generator of its own.
#pragma once

#include <vector>

namespace tarvexor {

constexpr int kDemoSampleRate = 44100;
constexpr int kDemoChannels = 2;
constexpr double kDemoSeconds = 20.0;

// Interleaved stereo frames.
std::vector<float> demoSignal();

} // namespace tarvexor
