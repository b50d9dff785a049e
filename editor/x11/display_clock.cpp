#include "editor/x11/display_clock.h"

#include <chrono>

void DisplayClock::start(Ms now) {
    for (int i = 0; i < 3; ++i)
        next[i] = now + kPeriods[i];
}

bool DisplayClock::tickDue(Ms now, std::int32_t displaySpeed) {
    bool due = false;
    for (int i = 0; i < 3; ++i) {
        if (now < next[i]) continue;
        next[i] += kPeriods[i];
        if (next[i] <= now) next[i] = now + kPeriods[i];
        if (displaySpeed == i + 1) due = true;
    }
    return due;
}

DisplayClock::Ms steadyMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}
