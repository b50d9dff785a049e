// The editor's path for a parameter change: setParameterAutomated applies the
// raw value and reports it to the host as a host value. A host cannot call it,
// so these tests build the effect directly.
#include "engine/compressor_effect.h"
#include "tests/host/reference_values.h"

#include <gtest/gtest.h>

#include <vector>

namespace ref = reference;

namespace {

struct Report {
    AEffect* effect;
    vst::Int32 opcode;
    vst::Int32 index;
    vst::IntPtr value;
    bool nullPtr;
    float opt;
};

std::vector<Report>& reports() {
    static std::vector<Report> calls;
    return calls;
}

// Automation reports only; the notices that make a host re-read values are not ones.
vst::IntPtr VST_CALL recordReport(AEffect* effect, vst::Int32 opcode, vst::Int32 index,
                                  vst::IntPtr value, void* ptr, float opt) {
    if (opcode == audioMasterIOChanged || opcode == audioMasterUpdateDisplay) return 0;
    reports().push_back({effect, opcode, index, value, ptr == nullptr, opt});
    return 0;
}

class Automation : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(fx.isReady());
        reports().clear();
    }

    // Applies value through the editor's path and checks the single report.
    void expectReport(vst::Int32 index, float value, float hostValue) {
        reports().clear();
        fx.setParameterAutomated(index, value);
        ASSERT_EQ(reports().size(), 1u) << "index " << index << " value " << value;
        const Report& r = reports()[0];
        EXPECT_EQ(r.effect, fx.getAeffect());
        EXPECT_EQ(r.opcode, audioMasterAutomate);
        EXPECT_EQ(r.index, index);
        EXPECT_EQ(r.value, 0);
        EXPECT_TRUE(r.nullPtr);
        EXPECT_EQ(r.opt, hostValue) << "index " << index << " value " << value;
    }

    CompressorEffect fx{recordReport};
};

} // namespace

TEST_F(Automation, SteppedParametersReportValueOverMaximum) {
    for (int index : {ref::ThrComp, ref::Output, ref::Release, ref::Ratio, ref::Zoom, ref::ThrLim,
                      ref::LookAhead}) {
        int top = static_cast<int>(ref::maximum(index));
        int step = top > 1000 ? 7 : 1;
        for (int raw = 0; raw <= top; raw += step) {
            float value = static_cast<float>(raw);
            expectReport(index, value, ref::hostValue(index, raw));
            EXPECT_EQ(fx.getParameter(index), ref::hostValue(index, raw));
        }
        expectReport(index, ref::maximum(index), 0.99999f);
        expectReport(index, 2.0f * ref::maximum(index), 2.0f);
    }
}

TEST_F(Automation, OtherParametersReportTheValueUnchanged) {
    for (vst::Int32 index : {0, 1, 2, 3, 9, 10, 13, 14, -1, 1000}) {
        for (float value : {0.0f, 1.0f, 2.0f, 0.75f, -3.5f, 1234.5f}) {
            expectReport(index, value, value);
        }
    }
}

TEST_F(Automation, AppliesTheValueAsRaw) {
    fx.setParameterAutomated(ref::ThrComp, 40.0f);
    EXPECT_EQ(fx.thrComp, 40);
    fx.setParameterAutomated(ref::LookAhead, 555.5f);
    EXPECT_EQ(fx.lookAhead, 555.5f);
    EXPECT_EQ(fx.getAeffect()->initialDelay, ref::latency(555.5f));
    fx.setParameterAutomated(ref::Normalize, 1.0f);
    EXPECT_EQ(fx.normalize, 1);
    EXPECT_EQ(fx.output, 0);
}

TEST_F(Automation, PlainSetParameterTellsTheHostNothing) {
    for (int index = 0; index < ref::ParamCount; ++index)
        fx.setParameter(index, 1.0f);
    fx.setProgram(4);
    EXPECT_TRUE(reports().empty());
}

TEST(AutomationWithoutHost, StillAppliesTheValue) {
    CompressorEffect fx(nullptr);
    ASSERT_TRUE(fx.isReady());
    fx.setParameterAutomated(ref::Ratio, 12.0f);
    EXPECT_EQ(fx.ratio, 12);
}
