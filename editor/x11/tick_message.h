// A host that feeds audio faster than real time asks for the display ticks
// itself: a client message of this type sent to the editor window is one
// tick, and the display timers start their periods again from it.
#pragma once

constexpr const char* kDisplayTickAtom = "TARVEXOR_DISPLAY_TICK";
