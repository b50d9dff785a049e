// The record a fresh instance hands the host, the entry function's answers and
// the independence of instances.
#include "tests/host/host_view.h"

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
    // VU, mono and replacing processing; the editor flag only where the
    // build has an editor.
    EXPECT_EQ(fx->flags & ~effFlagsHasEditor, 28);
    EXPECT_EQ(fx->uniqueID, 0x4B765277);
    EXPECT_EQ(fx->version, 1);
    EXPECT_EQ(fx->initialDelay, 439);
    EXPECT_EQ(fx->ioRatio, 1.0f);
    EXPECT_EQ(fx->realQualities, 0);
    EXPECT_EQ(fx->offQualities, 0);
    EXPECT_EQ(fx->user, nullptr);
    EXPECT_EQ(fx->processDoubleReplacing, nullptr);
    EXPECT_EQ(dispatch(fx.get(), effGetProgram), 0);
}

TEST(Entry, RecordHasEntryPointsAndZeroedReserves) {
    Instance fx;
    ASSERT_NE(fx.get(), nullptr);
    EXPECT_NE(fx->dispatcher, nullptr);
    EXPECT_NE(fx->process, nullptr);
    EXPECT_NE(fx->setParameter, nullptr);
    EXPECT_NE(fx->getParameter, nullptr);
    EXPECT_NE(fx->processReplacing, nullptr);
    EXPECT_NE(fx->object, nullptr);
    EXPECT_EQ(fx->reserved1, 0);
    EXPECT_EQ(fx->reserved2, 0);
    for (char c : fx->future)
        EXPECT_EQ(c, 0);
    EXPECT_EQ(fx->flags & effFlagsProgramChunks, 0);
    EXPECT_EQ(fx->flags & effFlagsIsSynth, 0);
}

TEST(Entry, AsksTheHostVersionOnceAndNothingElse) {
    hostCalls().clear();
    Instance fx;
    ASSERT_NE(fx.get(), nullptr);
    ASSERT_EQ(hostCalls().size(), 1u);
    const HostCall& call = hostCalls()[0];
    EXPECT_EQ(call.effect, nullptr);
    EXPECT_EQ(call.opcode, audioMasterVersion);
    EXPECT_EQ(call.index, 0);
    EXPECT_EQ(call.value, 0);
    EXPECT_TRUE(call.nullPtr);
    EXPECT_EQ(call.opt, 0.0f);
}

TEST(Entry, RefusesHostsWithoutVersion) {
    versionAnswer = 0;
    AEffect* e = plugin().create(recordingHost);
    versionAnswer = 2400;
    EXPECT_EQ(e, nullptr);
}

TEST(Entry, AcceptsAnyNonzeroVersion) {
    for (vst::IntPtr version :
         {vst::IntPtr{1}, vst::IntPtr{-1}, vst::IntPtr{2}, vst::IntPtr{2400}}) {
        versionAnswer = version;
        AEffect* e = plugin().create(recordingHost);
        versionAnswer = 2400;
        ASSERT_NE(e, nullptr) << "version " << version;
        EXPECT_EQ(dispatch(e, effClose), 1);
    }
}

TEST(Entry, NullCallbackGivesNoInstance) {
    EXPECT_EQ(plugin().create(nullptr), nullptr);
}

TEST(Entry, CloseAnswersOne) {
    AEffect* e = plugin().create(recordingHost);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(dispatch(e, effClose), 1);
}

TEST(Entry, ManyInstancesOpenAndCloseCleanly) {
    for (int round = 0; round < 50; ++round) {
        Instance fx;
        ASSERT_NE(fx.get(), nullptr);
        EXPECT_EQ(fx->initialDelay, 439);
        EXPECT_EQ(programName(fx.get()), "Init");
    }
}

TEST(Instances, KeepSeparateParametersAndPrograms) {
    Instance a;
    Instance b;
    ASSERT_NE(a.get(), nullptr);
    ASSERT_NE(b.get(), nullptr);
    ASSERT_NE(a.get(), b.get());
    ASSERT_NE(a->object, b->object);
    HostView fresh = viewOf(b.get());

    dispatch(a.get(), effSetProgram, 0, 6);
    setParam(a.get(), reference::ThrComp, 40.0f);
    setParam(a.get(), reference::LookAhead, 500.0f);
    setParam(a.get(), reference::Normalize, 1.0f);
    char name[] = "Only in A";
    dispatch(a.get(), effSetProgramName, 0, 0, name);

    expectSameView(fresh, viewOf(b.get()));
    EXPECT_EQ(parameterDisplay(a.get(), reference::ThrComp), "-20.0");
    EXPECT_EQ(a->initialDelay, reference::latency(500.0f));
    EXPECT_EQ(dispatch(a.get(), effGetProgram), 6);
    EXPECT_EQ(programName(a.get()), "Only in A");

    dispatch(b.get(), effSetProgram, 0, 6);
    EXPECT_EQ(programName(b.get()), "User 1");
    EXPECT_EQ(parameterDisplay(b.get(), reference::ThrComp), "-10.0");
}

TEST(Instances, ClosingOneLeavesTheOtherWorking) {
    Instance survivor;
    ASSERT_NE(survivor.get(), nullptr);
    setParam(survivor.get(), reference::Ratio, 12.0f);
    HostView before = viewOf(survivor.get());
    {
        Instance other;
        ASSERT_NE(other.get(), nullptr);
        setParam(other.get(), reference::Ratio, 40.0f);
    }
    expectSameView(before, viewOf(survivor.get()));
    setParam(survivor.get(), reference::Ratio, 8.0f);
    EXPECT_EQ(parameterDisplay(survivor.get(), reference::Ratio), "4.0 : 1");
}
