// The about box.
#pragma once

class CompressorEditor;

// Modal, owned by the editor window; returns when the user closes it.
void showAboutBox(CompressorEditor& editor);
