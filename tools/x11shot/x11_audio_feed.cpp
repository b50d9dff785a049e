#include "tools/x11shot/x11_audio_feed.h"

#include <algorithm>
#include <chrono>

namespace x11shot {

void feedInRealTime(AEffect* effect, host::X11HostWindow& window, const std::vector<float>& samples,
                    const FeedOptions& o) {
    using namespace std::chrono;
    std::vector<float> out(o.blockSize);
    const auto start = steady_clock::now();
    for (std::size_t done = 0; done < samples.size();) {
        std::size_t n = std::min<std::size_t>(o.blockSize, samples.size() - done);
        shot::processSpan(effect, samples.data() + done, n, o.blockSize, out);
        done += n;
        auto due = start + milliseconds(static_cast<long>(1000.0 * done / o.sampleRate));
        auto ahead = duration_cast<milliseconds>(due - steady_clock::now()).count();
        window.pump(ahead > 0 ? static_cast<int>(ahead) : 0);
    }
}

void feedTickByTick(AEffect* effect, host::X11HostWindow& window, const std::vector<float>& samples,
                    const FeedOptions& o) {
    std::vector<float> out(o.blockSize);
    const double perTick = o.sampleRate * o.tickMs / 1000.0;
    std::size_t done = 0;
    for (long tick = 1; done < samples.size(); ++tick) {
        auto end = std::min(samples.size(), static_cast<std::size_t>(perTick * tick + 0.5));
        shot::processSpan(effect, samples.data() + done, end - done, o.blockSize, out);
        done = end;
        window.sendDisplayTick();
        window.idle();
    }
}

} // namespace x11shot
