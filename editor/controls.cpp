#include "editor/controls.h"

#include "engine/numeric.h"

namespace {

float clampTo(float v, float lo, float hi) {
    if (v < lo) return lo;
    if (v > hi) return hi;
    return v;
}

float pointerValue(int offset, float minValue, float maxValue, float travel) {
    return minValue + static_cast<float>(offset) / (travel - 1) * (maxValue - minValue);
}

bool handleInRange(std::int32_t pos, float travel) {
    return pos >= 0 && static_cast<float>(pos) <= travel;
}

} // namespace

std::int32_t handlePosition(float value, float minValue, float maxValue, float travel) {
    return numeric::toInt32((value - minValue) / (maxValue - minValue) * (travel - 1));
}

// ---- ValueFader ------------------------------------------------------------

ValueFader::ValueFader(ControlCanvas* c, int handle, int face, std::int32_t px, std::int32_t py,
                       std::int32_t tx, std::int32_t ty, DisplayKind k, float lo, float hi,
                       float length, std::int32_t w)
    : canvas(c), handleBitmap(handle), faceBitmap(face), x(px), y(py), textX(tx), textY(ty),
      kind(k), minValue(lo), maxValue(hi), travel(length), value(lo), width(w), handlePos(py) {
    draw();
}

float ValueFader::valueAt(int offset) const {
    return pointerValue(offset, minValue, maxValue, travel);
}

void ValueFader::setValue(float v) {
    v = clampTo(v, minValue, maxValue);
    if (v == value) return;
    value = v;
    draw();
}

void ValueFader::setMarks(float newAutoMark, std::int32_t newHighlight) {
    if (newAutoMark != autoMark) {
        autoMark = newAutoMark;
        draw();
    }
    if (newHighlight != highlight) {
        highlight = newHighlight;
        draw();
    }
}

void ValueFader::setFaderVisible(std::int32_t flag) {
    if (flag == faderVisible) return;
    faderVisible = flag;
    draw();
}

void ValueFader::setDisplayVisible(std::int32_t flag) {
    if (flag == displayVisible) return;
    displayVisible = flag;
    draw();
}

bool ValueFader::grabHandle(int px, int py) {
    if (!faderVisible) return false;
    int dy = py - y, dx = px - x;
    if (dy < handlePos - 16 || dy > handlePos + 16 || dx < 0 || dx >= width) return false;
    setValue(valueAt(dy));
    return true;
}

void ValueFader::dragTo(int py) {
    if (faderVisible) setValue(valueAt(py - y));
}

bool ValueFader::onTrack(int px, int py) const {
    int dy = py - y, dx = px - x;
    return faderVisible && dy >= -15 && static_cast<float>(dy) < travel + 15 && dx >= 0 &&
           dx < width;
}

bool ValueFader::stepToward(int px, int py, float step) {
    int dy = py - y;
    if (dy >= handlePos - 16 && dy <= handlePos + 16) return false;
    if (!onTrack(px, py)) return false;
    setValue(valueAt(dy) >= value ? value + step : value - step);
    return true;
}

bool ValueFader::wheelStep(int px, int py, int notches, float step) {
    if (!onTrack(px, py)) return false;
    const int beside = handlePos + (notches > 0 ? -17 : 17);
    const int count = notches > 0 ? notches : -notches;
    setValue(valueAt(beside) >= value ? value + step * count : value - step * count);
    return true;
}

bool ValueFader::hitDisplay(int px, int py) const {
    return displayVisible && px >= textX && px < textX + 45 && py >= textY && py <= textY + 14;
}

void ValueFader::draw() {
    if (!canvas || !canvas->windowExists()) return;
    if (faderVisible) {
        handlePos = handlePosition(value, minValue, maxValue, travel);
        if (handleInRange(handlePos, travel)) canvas->paintHandle(*this);
    }
    if (displayVisible) canvas->paintDisplay(*this);
}

// ---- LinearFader -----------------------------------------------------------

LinearFader::LinearFader(ControlCanvas* c, Axis a, int handle, std::int32_t px, std::int32_t py,
                         float lo, float hi, float length, std::int32_t t)
    : canvas(c), axis(a), handleBitmap(handle), x(px), y(py), minValue(lo), maxValue(hi),
      travel(length), value(lo), thickness(t), handlePos(a == Axis::horizontal ? px : py) {
    draw();
}

float LinearFader::valueAt(int offset) const {
    return pointerValue(offset, minValue, maxValue, travel);
}

int LinearFader::along(int px, int py) const {
    return axis == Axis::horizontal ? px - x : py - y;
}

int LinearFader::across(int px, int py) const {
    return axis == Axis::horizontal ? py - y : px - x;
}

void LinearFader::setValue(float v) {
    v = clampTo(v, minValue, maxValue);
    if (v == value) return;
    value = v;
    draw();
}

void LinearFader::setRange(float newMin, float newMax) {
    minValue = newMin;
    maxValue = newMax;
    setValue(value);
}

bool LinearFader::grabHandle(int px, int py) {
    if (!visible) return false;
    int d = along(px, py), off = across(px, py);
    if (d < handlePos - 9 || d > handlePos + 9 || off < 0 || off >= thickness) return false;
    setValue(valueAt(d));
    return true;
}

void LinearFader::dragTo(int p) {
    if (visible) setValue(valueAt(p - (axis == Axis::horizontal ? x : y)));
}

bool LinearFader::onTrack(int d, int off) const {
    return visible && d >= -9 && static_cast<float>(d) < travel + 9 && off >= 0 && off < thickness;
}

bool LinearFader::stepToward(int px, int py, float step) {
    int d = along(px, py), off = across(px, py);
    if (d >= handlePos - 9 && d <= handlePos + 9) return false;
    if (!onTrack(d, off)) return false;
    setValue(valueAt(d) >= value ? value + step : value - step);
    return true;
}

bool LinearFader::wheelStep(int px, int py, int notches, float step) {
    if (!onTrack(along(px, py), across(px, py))) return false;
    const bool towardEnd = (notches > 0) == (axis == Axis::horizontal);
    const int beside = handlePos + (towardEnd ? 10 : -10);
    const int count = notches > 0 ? notches : -notches;
    setValue(valueAt(beside) >= value ? value + step * count : value - step * count);
    return true;
}

void LinearFader::draw() {
    if (!visible || !canvas || !canvas->windowExists()) return;
    handlePos = handlePosition(value, minValue, maxValue, travel);
    if (handleInRange(handlePos, travel)) canvas->paintHandle(*this);
}

// ---- Switch ----------------------------------------------------------------

Switch::Switch(ControlCanvas* c, int face, std::int32_t px, std::int32_t py, std::int32_t w,
               std::int32_t h)
    : canvas(c), faceBitmap(face), x(px), y(py), width(w), height(h) {
    draw();
}

void Switch::setOn(std::int32_t flag) {
    on = flag;
    draw();
}

bool Switch::hit(int px, int py) const {
    return px >= x && px <= x + width && py >= y && py <= y + height;
}

void Switch::draw() {
    if (canvas && canvas->windowExists()) canvas->paintSwitch(*this);
}
