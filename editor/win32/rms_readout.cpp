#include "editor/win32/rms_readout.h"

#include "editor/win32/shared_resources.h"

void drawRmsReadout(HDC dc, const std::string& text) {
    RECT box{398, 14, 444, 28};
    FillRect(dc, &box, shared::resources().readoutBrush);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(255, 255, 255));
    Selection font(dc, shared::resources().editorFont);
    DrawTextA(dc, text.c_str(), -1, &box, DT_CENTER);
}
