// The colour dialog of the Custom wave colours: the five display colours as
// swatches, a fixed palette and OK/Cancel. A click on a swatch selects it, a
// click on the palette gives it that colour. As with the Windows dialog the
// swatches are the first five custom colour slots, and only OK takes them
// as the display colours.
#pragma once

#include "editor/settings_commands.h"
#include "editor/x11/dialog_window.h"

#include <X11/Xlib.h>
#include <cstdint>
#include <functional>

// The dialog's slots and selected colour, kept for the whole process.
ColourDialogState& colourDialogState();

class ColourDialog {
  public:
    // Told once, after the window is gone and the colours are taken (OK,
    // true) or left (false); it may destroy the dialog.
    using Done = std::function<void(bool ok)>;

    // Shows the dialog over the top-level window that holds owner; colours
    // are the five display colours as R, G, B words, and must outlive it.
    ColourDialog(Display* display, Window owner, ColourDialogState& state,
                 std::int32_t (&colours)[15], Done done);
    ~ColourDialog();
    ColourDialog(const ColourDialog&) = delete;
    ColourDialog& operator=(const ColourDialog&) = delete;

    Window window() const { return dialogWindow; }
    bool isOpen() const { return dialogWindow != None; }
    void handle(const XEvent& event);

    // The places a user clicks, in window coordinates.
    static constexpr int kWidth = 300, kHeight = 270;
    static constexpr int kPaletteColumns = 8, kPaletteRows = 6;
    static dialog::Rect swatch(int colour);
    static dialog::Rect paletteCell(int index);
    static constexpr dialog::Rect kOkButton = {kWidth - 170, kHeight - 33, 75, 23};
    static constexpr dialog::Rect kCancelButton = {kWidth - 87, kHeight - 33, 75, 23};
    // The palette's colours, red in the low byte.
    static DialogColour paletteColour(int index);

  private:
    void paint() const;
    void click(int x, int y);
    void finish(bool ok);

    Display* display;
    Window dialogWindow;
    ColourDialogState& state;
    std::int32_t (&colours)[15];
    Done done;
    int selected = 0;
};
