#include "editor/control_layout.h"

namespace {

ValueFader make(ControlCanvas* canvas, const ValueFaderLayout& l) {
    return ValueFader(canvas, l.handleBitmap, layout::kDisplayFace, l.x, l.y, l.textX, l.textY,
                      l.kind, l.minValue, l.maxValue, l.travel, l.width);
}

ValueFader makeWithoutDisplay(ControlCanvas* canvas, const ValueFaderLayout& l) {
    ValueFader fader = make(canvas, l);
    fader.setDisplayVisible(0);
    return fader;
}

LinearFader make(ControlCanvas* canvas, const LinearFaderLayout& l) {
    return LinearFader(canvas, l.axis, l.handleBitmap, l.x, l.y, l.minValue, l.maxValue, l.travel,
                       l.thickness);
}

Switch make(ControlCanvas* canvas, const SwitchLayout& l) {
    return Switch(canvas, l.faceBitmap, l.x, l.y, l.width, l.height);
}

} // namespace

EditorControls::EditorControls(ControlCanvas* canvas)
    : thresholdFader(make(canvas, layout::thresholdFader)),
      ratioFader(make(canvas, layout::ratioFader)),
      releaseFader(make(canvas, layout::releaseFader)),
      autoReleaseFader(makeWithoutDisplay(canvas, layout::autoReleaseFader)),
      zoomFader(make(canvas, layout::zoomFader)), outputFader(make(canvas, layout::outputFader)),
      limitFader(makeWithoutDisplay(canvas, layout::limitFader)),
      lookAheadFader(make(canvas, layout::lookAheadFader)),
      softSwitch(make(canvas, layout::softSwitch)),
      normalizeSwitch(make(canvas, layout::normalizeSwitch)),
      ditherSwitch(make(canvas, layout::ditherSwitch)),
      bypassSwitch(make(canvas, layout::bypassSwitch)),
      autoSwitch(make(canvas, layout::autoSwitch)) {}

void EditorControls::drawAll() {
    thresholdFader.draw();
    ratioFader.draw();
    releaseFader.draw();
    autoReleaseFader.draw();
    zoomFader.draw();
    outputFader.draw();
    limitFader.draw();
    lookAheadFader.draw();
    softSwitch.draw();
    normalizeSwitch.draw();
    ditherSwitch.draw();
    bypassSwitch.draw();
    autoSwitch.draw();
}
