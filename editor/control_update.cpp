#include "editor/control_update.h"

#include "engine/compressor_effect.h"

void bringControlsUp(EditorControls& c, const CompressorEffect& fx) {
    c.softSwitch.setOn(fx.soft);
    c.normalizeSwitch.setOn(fx.normalize);
    c.ditherSwitch.setOn(fx.dither);
    c.bypassSwitch.setOn(fx.bypass);
    const bool automatic = fx.autoRel == 1.0f;
    c.autoSwitch.setOn(automatic ? 1 : 0);
    c.releaseFader.setFaderVisible(automatic ? 0 : 1);
    c.autoReleaseFader.setFaderVisible(automatic ? 1 : 0);
    c.releaseFader.setMarks(fx.autoRel, fx.normalize);
    (automatic ? c.autoReleaseFader : c.releaseFader).setValue(fx.release);
    c.thresholdFader.setValue(fx.thrComp);
    c.ratioFader.setValue(fx.ratio);
    c.zoomFader.setValue(static_cast<float>(fx.zoom));
    c.outputFader.setMarks(fx.autoRel, fx.normalize);
    c.outputFader.setValue(static_cast<float>(fx.output));
    c.limitFader.setValue(fx.thrLim);
    c.lookAheadFader.setValue(fx.lookAhead);
}
