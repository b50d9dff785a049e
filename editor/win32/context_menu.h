// The context menu's commands and the colour dialog of the Custom colours.
#pragma once

#include "editor/settings_commands.h"

#include <windows.h>

class CompressorEditor;

// Carries out a menu command; false for ids that are not menu commands.
bool handleMenuCommand(CompressorEditor& editor, int id);

// The colour dialog's slots and selected colour, kept for the whole process.
ColourDialogState& colourDialogState();
