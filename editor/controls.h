// The editor's controls: bitmap faders with numeric displays, small faders
// and switches. They convert between pixels and values and decide what to
// draw; a ControlCanvas does the drawing on the platform's window.
#pragma once

#include <cstdint>

struct ValueFader;
struct LinearFader;
struct Switch;

class ControlCanvas {
  public:
    virtual ~ControlCanvas() = default;
    virtual bool windowExists() const = 0;
    // The handle at its position, erasing the rest of the track.
    virtual void paintHandle(const ValueFader& fader) = 0;
    virtual void paintDisplay(const ValueFader& fader) = 0;
    virtual void paintHandle(const LinearFader& fader) = 0;
    virtual void paintSwitch(const Switch& control) = 0;
};

// Display formats of a value fader.
enum class DisplayKind : std::int32_t {
    threshold = 1,
    ratio = 2,
    release = 3,
    outputGain = 4,
    limiterThreshold = 5
};

// A vertical bitmap fader with a numeric display above it.
struct ValueFader {
    ControlCanvas* canvas;
    int handleBitmap;
    int faceBitmap;
    std::int32_t x, y, textX, textY;
    DisplayKind kind;
    float minValue, maxValue, travel;
    float value;
    float autoMark = 0.0f;
    std::int32_t highlight = 0;
    std::int32_t width;
    std::int32_t faderVisible = 1;
    std::int32_t displayVisible = 1;
    std::int32_t handlePos;

    ValueFader(ControlCanvas* canvas, int handleBitmap, int faceBitmap, std::int32_t x,
               std::int32_t y, std::int32_t textX, std::int32_t textY, DisplayKind kind,
               float minValue, float maxValue, float travel, std::int32_t width);

    void setValue(float v);
    void setMarks(float newAutoMark, std::int32_t newHighlight);
    void setFaderVisible(std::int32_t flag);
    void setDisplayVisible(std::int32_t flag);
    std::int32_t isDisplayVisible() const { return displayVisible; }
    bool grabHandle(int px, int py);
    void dragTo(int py);
    bool stepToward(int px, int py, float step);
    // Wheel notches over the track: up steps as a click just above the handle.
    bool wheelStep(int px, int py, int notches, float step);
    bool hitDisplay(int px, int py) const;
    void draw();

  private:
    float valueAt(int offset) const;
    bool onTrack(int px, int py) const;
};

// A fader without display, along x (horizontal) or along y (vertical).
struct LinearFader {
    enum class Axis { horizontal, vertical };
    ControlCanvas* canvas;
    Axis axis;
    int handleBitmap;
    std::int32_t x, y;
    float minValue, maxValue, travel;
    float value;
    std::int32_t thickness;
    std::int32_t visible = 1;
    std::int32_t handlePos;

    LinearFader(ControlCanvas* canvas, Axis axis, int handleBitmap, std::int32_t x, std::int32_t y,
                float minValue, float maxValue, float travel, std::int32_t thickness);

    void setValue(float v);
    void setRange(float newMin, float newMax);
    bool grabHandle(int px, int py);
    void dragTo(int p);
    bool stepToward(int px, int py, float step);
    // Wheel notches over the track: up steps as a click just above the handle
    // would, or just right of it on a horizontal fader.
    bool wheelStep(int px, int py, int notches, float step);
    void draw();

  private:
    float valueAt(int offset) const;
    bool onTrack(int d, int off) const;
    int along(int px, int py) const;
    int across(int px, int py) const;
};

// A two-state button: its face bitmap when on, the background when off.
struct Switch {
    ControlCanvas* canvas;
    int faceBitmap;
    std::int32_t x, y, width, height;
    std::int32_t on = 0;

    Switch(ControlCanvas* canvas, int faceBitmap, std::int32_t x, std::int32_t y,
           std::int32_t width, std::int32_t height);

    void setOn(std::int32_t flag);
    bool hit(int px, int py) const;
    void draw();
};

// Handle offset in pixels for a value: the minimum is 0, the maximum travel - 1.
std::int32_t handlePosition(float value, float minValue, float maxValue, float travel);
