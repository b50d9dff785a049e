// The three display timers of an open editor, every 166, 125 and 100 ms,
// looked at whenever the editor runs (the host's idle calls, the window's
// events). As window timers do, each fires at most once per look however late
// it is; the one whose number is the display speed gives the display ticks.
#pragma once

#include <cstdint>

class DisplayClock {
  public:
    using Ms = std::int64_t;
    static constexpr Ms kPeriods[3] = {166, 125, 100};

    void start(Ms now);
    // Moves every timer past `now`; true when the display speed's timer fired.
    bool tickDue(Ms now, std::int32_t displaySpeed);

  private:
    Ms next[3] = {};
};

// Milliseconds of a steady clock.
DisplayClock::Ms steadyMs();
