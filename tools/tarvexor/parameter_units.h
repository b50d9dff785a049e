// Tarvexor's parameters in the units its display shows, converted to the raw
// values its setParameter takes (half-decibel steps, thousandths of a decibel,
// milliseconds, hundredths of a millisecond, ratio half steps, 0/1 switches).
#pragma once

#include <string>

namespace tarvexor {

// True when NAME is one of the parameters a user sets by display value.
bool hasUserUnits(const std::string& name);

// The raw value for a user value such as "-12", "+3 dB", "4", "on". Throws
// UsageError naming the parameter and its range when the text is not a number
// (or on/off) or lies outside the control's range.
float rawValue(const std::string& name, const std::string& text);

// A host's normalized value, 0 to 1, for plug-ins without known units.
float normalizedValue(const std::string& name, const std::string& text);

} // namespace tarvexor
