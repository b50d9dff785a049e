// The help window's picture: opened through the editor's Help command, its
// first page written to a PNG file.
#pragma once

#include "tools/host/editor_host_window.h"

#include <string>

namespace shot {

// Opens the help window of the open editor and writes the whole window,
// frame and scroll bar included, to path. False when no help window
// appeared or the file could not be written.
bool writeHelpShot(host::EditorHostWindow& window, const std::string& path);

} // namespace shot
