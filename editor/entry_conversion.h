// Numeric entry: which box and fader each entry uses, the text a box opens
// with, and how a typed number becomes a fader value.
#pragma once

#include <cstdint>
#include <string>

// Which entry is open; 2 is never used.
enum EntryMode : std::int32_t {
    kNoEntry = 0,
    kThrCompEntry = 1,
    kRatioEntry = 3,
    kReleaseEntry = 4,
    kOutputEntry = 5,
    kThrLimEntry = 6
};

constexpr int kEntryBoxCount = 4;
// Boxes that read the typed text read at most this many characters.
constexpr int kEntryTextLimit = 15;

// The edit box of an entry: 0 output, 1 release, 2 ratio, 3 both thresholds;
// -1 for no entry.
int entryBox(std::int32_t mode);

// The text a box opens with for its fader's value, with the unit.
std::string entryOpeningText(std::int32_t mode, float faderValue);

// The fader value a typed text stands for, before the fader clamps it. Text
// that does not begin with a number reads as 0; what follows the number (a
// unit, a line break) is ignored. A threshold is always below 0 dB.
float typedFaderValue(std::int32_t mode, const char* text);

// The fader value as the entry's fader keeps it: clamped to its range.
float enteredFaderValue(std::int32_t mode, const char* text);
