#include "tools/tarvexor/parameter_units.h"

#include "tools/tarvexor/failure.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdlib>

namespace tarvexor {

namespace {

// A numeric control: its range in user units, its step, and the raw value at
// a user value (always a whole number or 0/1, never a value strictly between
// 0 and 1, which the plug-in would read as a normalized one).
struct NumericControl {
    const char* name;
    const char* unit; // accepted after the number; empty: none
    double minimum, maximum, step;
    double (*toRaw)(double);
    const char* range; // for messages
};

double halfDecibelsBelowZero(double dB) {
    return -2.0 * dB;
}
double outputThousandths(double dB) {
    return 24000.0 - 1000.0 * dB;
}
double same(double value) {
    return value;
}
double ratioHalfSteps(double ratio) {
    return 2.0 * ratio;
}
double hundredthsOfMillisecond(double ms) {
    return 100.0 * ms;
}

const NumericControl kControls[] = {
    {"ThrComp", "dB", -36, 0, 0.5, halfDecibelsBelowZero, "-36 to 0 dB"},
    {"ThrLim", "dB", -24, 0, 0.5, halfDecibelsBelowZero, "-24 to 0 dB"},
    {"Output", "dB", 0, 24, 0.001, outputThousandths, "0 to +24 dB"},
    {"Release", "ms", 10, 999, 1, same, "10 to 999 ms"},
    {"Ratio", "", 1, 30, 0.5, ratioHalfSteps, "1 to 30"},
    {"LookAhead", "ms", 0, 10, 0.01, hundredthsOfMillisecond, "0 to 10 ms"},
    {"Zoom", "", 1, 20, 1, same, "1 to 20"},
};

const char* const kSwitches[] = {"Soft", "Normalize", "Dither", "Bypass", "AutoRel"};

const NumericControl* findControl(const std::string& name) {
    for (const NumericControl& control : kControls)
        if (name == control.name) return &control;
    return nullptr;
}

bool isSwitch(const std::string& name) {
    for (const char* candidate : kSwitches)
        if (name == candidate) return true;
    return false;
}

std::string lowered(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

std::string trimmed(const std::string& text) {
    std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return "";
    std::size_t last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

// Drops a trailing unit such as "dB" or "ms" (any case, blanks allowed before it).
std::string withoutUnit(const std::string& text, const char* unit) {
    std::string t = trimmed(text);
    std::string u = lowered(unit);
    if (u.empty() || t.size() <= u.size()) return t;
    if (lowered(t.substr(t.size() - u.size())) != u) return t;
    return trimmed(t.substr(0, t.size() - u.size()));
}

// The whole text as a finite number, or false.
bool parseNumber(const std::string& text, double& value) {
    if (text.empty()) return false;
    char* end = nullptr;
    errno = 0;
    value = std::strtod(text.c_str(), &end);
    return *end == 0 && errno == 0 && std::isfinite(value);
}

float switchValue(const std::string& name, const std::string& text) {
    std::string t = lowered(trimmed(text));
    if (t == "on" || t == "1" || t == "true" || t == "yes") return 1.0f;
    if (t == "off" || t == "0" || t == "false" || t == "no") return 0.0f;
    throw UsageError(name + "=" + text + ": expected on or off");
}

double topRaw(const NumericControl& control) {
    return std::max(control.toRaw(control.minimum), control.toRaw(control.maximum));
}

float controlValue(const NumericControl& control, const std::string& text) {
    std::string label = std::string(control.name) + "=" + text;
    double value = 0.0;
    if (!parseNumber(withoutUnit(text, control.unit), value))
        throw UsageError(label + ": not a number");
    double steps = std::round(value / control.step);
    double tolerance = control.step / 2;
    if (value < control.minimum - tolerance || value > control.maximum + tolerance)
        throw UsageError(label + ": outside the range " + control.range);
    // + 0.0 turns a raw -0 (a threshold of 0 dB) into 0.
    const double raw = std::round(control.toRaw(steps * control.step)) + 0.0;
    // A host's 1.0 is the top of the range: a raw 1 travels as the host value that lands on it.
    if (raw == 1.0) return static_cast<float>(1.0 / topRaw(control));
    return static_cast<float>(raw);
}

} // namespace

bool hasUserUnits(const std::string& name) {
    return findControl(name) || isSwitch(name);
}

float rawValue(const std::string& name, const std::string& text) {
    if (isSwitch(name)) return switchValue(name, text);
    const NumericControl* control = findControl(name);
    if (!control) throw UsageError("unknown parameter " + name);
    return controlValue(*control, text);
}

float normalizedValue(const std::string& name, const std::string& text) {
    double value = 0.0;
    if (!parseNumber(trimmed(text), value)) throw UsageError(name + "=" + text + ": not a number");
    if (value < 0.0 || value > 1.0)
        throw UsageError(name + "=" + text + ": outside the range 0 to 1 (normalized)");
    return static_cast<float>(value);
}

} // namespace tarvexor
