// Everything a host can read back from an instance without processing, and
// shorthands for the parameter entry points.
#pragma once

#include "tests/host/plugin_host.h"
#include "tests/host/reference_values.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <string>

namespace testhost {

inline void setParam(AEffect* e, int index, float value) {
    e->setParameter(e, index, value);
}
inline float getParam(AEffect* e, int index) {
    return e->getParameter(e, index);
}

struct HostView {
    std::array<std::string, reference::ParamCount> displays;
    std::array<float, reference::ParamCount> values;
    vst::Int32 latency;
    vst::IntPtr program;
    std::string programName;
};

inline HostView viewOf(AEffect* e) {
    HostView v;
    for (int i = 0; i < reference::ParamCount; ++i) {
        v.displays[i] = parameterDisplay(e, i);
        v.values[i] = getParam(e, i);
    }
    v.latency = e->initialDelay;
    v.program = dispatch(e, effGetProgram);
    v.programName = programName(e);
    return v;
}

// Host values compare bit for bit, so that NaN never slips through.
inline void expectSameView(const HostView& expected, const HostView& actual) {
    for (int i = 0; i < reference::ParamCount; ++i) {
        SCOPED_TRACE("parameter " + std::to_string(i));
        EXPECT_EQ(expected.displays[i], actual.displays[i]);
        EXPECT_EQ(0, std::memcmp(&expected.values[i], &actual.values[i], sizeof(float)))
            << expected.values[i] << " became " << actual.values[i];
    }
    EXPECT_EQ(expected.latency, actual.latency);
    EXPECT_EQ(expected.program, actual.program);
    EXPECT_EQ(expected.programName, actual.programName);
}

// A text opcode's answer into a buffer filled with a sentinel byte; also tells
// how many bytes the plug-in wrote (the text, its zero, and anything beyond).
struct WrittenText {
    vst::IntPtr answer;
    std::string text;
    std::size_t bytesWritten;
};

inline WrittenText writtenText(AEffect* e, vst::Int32 opcode, vst::Int32 index = 0) {
    char buffer[512];
    std::memset(buffer, '\x7f', sizeof(buffer));
    vst::IntPtr answer = dispatch(e, opcode, index, 0, buffer);
    std::size_t written = sizeof(buffer);
    while (written > 0 && buffer[written - 1] == '\x7f')
        --written;
    buffer[sizeof(buffer) - 1] = 0;
    return {answer, std::string(buffer), written};
}

} // namespace testhost
