// What the context menu's settings commands do to the display settings, and
// the colour dialog's part in the Custom colours, apart from any window.
#pragma once

#include "engine/display_settings.h"

#include <cstdint>

// Sets the field a settings command stands for; false for any other id
// (including Info and Help, which change no setting).
bool applySettingsCommand(DisplaySettings& settings, int id);

// A colour as the colour dialog holds it: red in the low byte, then green,
// then blue.
using DialogColour = std::uint32_t;
DialogColour dialogColourOf(const std::int32_t* rgbWords);

// What the colour dialog keeps for the whole process: its sixteen custom
// colour slots, and the colour it shows as selected, chosen once.
struct ColourDialogState {
    DialogColour slots[16] = {};
    DialogColour selected = 0;
    bool selectedChosen = false;
};

// Before the dialog: the selected colour becomes colour 0 the first time
// only; slots 0 to 4 take the five display colours, the others keep theirs.
void prepareColourDialog(ColourDialogState& dialog, const std::int32_t (&colours)[15]);
// After the dialog: only OK (result 1) takes slots 0 to 4 as the five
// display colours; the colour selected in the dialog is not used.
void takeColourDialogResult(const ColourDialogState& dialog, std::intptr_t result,
                            std::int32_t (&colours)[15]);
