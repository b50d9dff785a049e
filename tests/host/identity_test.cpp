// The record a fresh instance hands the host, and the entry function's answers.
#include "tests/host/plugin_host.h"

#include <gtest/gtest.h>

using namespace testhost;

TEST(Entry, FreshInstanceIdentity) {
    Instance fx;
    ASSERT_NE(fx.get(), nullptr);
    EXPECT_EQ(fx->magic, vst::fourCC("VstP"));
    EXPECT_EQ(fx->numPrograms, 9);
    EXPECT_EQ(fx->numParams, 13);
    EXPECT_EQ(fx->numInputs, 1);
    EXPECT_EQ(fx->numOutputs, 1);
    EXPECT_EQ(fx->flags, 28);
    EXPECT_EQ(fx->uniqueID, 0x4B765277);
    EXPECT_EQ(fx->version, 1);
    EXPECT_EQ(fx->initialDelay, 440);
    EXPECT_EQ(fx->ioRatio, 1.0f);
    EXPECT_EQ(fx->realQualities, 0);
    EXPECT_EQ(fx->offQualities, 0);
    EXPECT_EQ(fx->user, nullptr);
    EXPECT_EQ(fx->processDoubleReplacing, nullptr);
    EXPECT_EQ(dispatch(fx.get(), effGetProgram), 0);
}

TEST(Entry, RefusesHostsWithoutVersion) {
    versionAnswer = 0;
    AEffect* e = plugin().create(recordingHost);
    versionAnswer = 2400;
    EXPECT_EQ(e, nullptr);
}
