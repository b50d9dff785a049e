// What the left mouse button does in the editor: numeric entries, grabbing
// and dragging faders, fine steps, switches and the hot spots, in the order a
// click runs them. Every change the user makes goes to the effect through
// setParameterAutomated, so the host hears it.
#pragma once

#include "editor/control_layout.h"

#include <cstdint>
#include <string>

class CompressorEffect;

// The fader a drag moves, as kept in the editor state's dragMode.
enum DragFader : std::int32_t {
    kNoDrag = 0,
    kThresholdDrag = 1,
    kRatioDrag = 2,
    kReleaseDrag = 3,
    kZoomDrag = 4,
    kOutputDrag = 5,
    kLimitDrag = 6,
    kLookAheadDrag = 7
};

// The key state of a mouse move with the left button and nothing else held.
constexpr std::uintptr_t kLeftButtonOnly = 0x0001;

// What the platform does for the editor: the entry boxes and the about box.
class InteractionView {
  public:
    virtual ~InteractionView() = default;
    // The box's text, at most kEntryTextLimit characters of it.
    virtual std::string entryText(int box) = 0;
    virtual int entryLineCount(int box) = 0;
    // Shows the box holding the text, all of it selected, with the keyboard focus.
    virtual void showEntry(int box, const std::string& text) = 0;
    virtual void hideEntry(int box) = 0;
    // Returns when the user has closed it.
    virtual void showAboutBox() = 0;
};

class Interaction {
  public:
    Interaction(EditorControls& controls, CompressorEffect& effect, InteractionView& view);

    void leftButtonDown(int x, int y);
    void mouseMove(std::uintptr_t keys, int x, int y);
    void leftButtonUp();
    // The mouse lost its button elsewhere: a drag under way ends.
    void endDrag();
    // Wheel notches over a fader, positive away from the user.
    void wheel(int x, int y, int notches);
    // An entry box changed: the open entry is taken over once its box holds
    // two lines, that is after Enter.
    void entryChanged();

  private:
    void commitEntry(int x, int y);
    void openEntry(int x, int y);
    void grabHandles(int x, int y);
    void fineSteps(int x, int y);
    void toggleSwitches(int x, int y);
    void toggleNormalize();
    void toggleAutoRelease();
    void hotSpots(int x, int y);

    void open(std::int32_t mode);
    void commit();
    void send(std::int32_t index, float value);
    void publish(std::int32_t fader);
    void publishCompThreshold(float units);
    void publishLimitThreshold(float units);
    ValueFader& entryFader(std::int32_t mode);

    EditorControls& c;
    CompressorEffect& fx;
    InteractionView& view;
};
