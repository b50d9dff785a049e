#include "tools/tarvexor/channel_effects.h"

#include "tools/tarvexor/failure.h"
#include "tools/tarvexor/parameter_units.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace tarvexor {

namespace {

constexpr vst::Int32 kTarvexorId = vst::fourCC("KvRw");

std::string programDirectory() {
    char buffer[PATH_MAX];
    ssize_t length = readlink("/proc/self/exe", buffer, sizeof(buffer) - 1);
    if (length <= 0) return ".";
    std::string path(buffer, static_cast<std::size_t>(length));
    std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? "." : path.substr(0, slash);
}

bool sameIgnoringCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

std::vector<std::string> programNames(HostedEffect& fx) {
    std::vector<std::string> names;
    for (int i = 0; i < fx.record().numPrograms; ++i) {
        fx.setProgram(i);
        names.push_back(fx.programName());
    }
    return names;
}

std::string joined(const std::vector<std::string>& names) {
    std::string list;
    for (const std::string& name : names)
        list += (list.empty() ? "" : ", ") + name;
    return list;
}

int parameterIndex(HostedEffect& fx, const std::string& name) {
    std::vector<std::string> names;
    for (int i = 0; i < fx.record().numParams; ++i)
        names.push_back(fx.parameterName(i));
    for (std::size_t i = 0; i < names.size(); ++i)
        if (names[i] == name) return static_cast<int>(i);
    for (std::size_t i = 0; i < names.size(); ++i)
        if (sameIgnoringCase(names[i], name)) return static_cast<int>(i);
    throw UsageError("unknown parameter " + name + " (parameters: " + joined(names) + ")");
}

bool isTarvexor(HostedEffect& fx) {
    return fx.record().uniqueID == kTarvexorId && fx.text(effGetEffectName) == "Tarvexor";
}

int applySetting(HostedEffect& fx, const ParameterSetting& setting, bool userUnits) {
    int index = parameterIndex(fx, setting.name);
    std::string name = fx.parameterName(index);
    if (userUnits && !hasUserUnits(name)) throw UsageError("parameter " + name + " cannot be set");
    float value = userUnits ? rawValue(name, setting.value) : normalizedValue(name, setting.value);
    fx.setParameter(index, value);
    return index;
}

} // namespace

std::string pluginFile(const EffectOptions& options) {
    if (!options.pluginPath.empty()) return options.pluginPath;
    return programDirectory() + "/Tarvexor.so";
}

std::unique_ptr<host::PluginLibrary> loadPlugin(const std::string& path) {
    struct stat status {};
    if (stat(path.c_str(), &status) != 0) throw RuntimeError("plug-in " + path + " not found");
    if (!S_ISREG(status.st_mode)) throw RuntimeError("plug-in " + path + " is not a file");
    // dlopen looks a bare name up in the library path: make it a path.
    std::string openable = path.find('/') == std::string::npos ? "./" + path : path;
    auto library = std::make_unique<host::PluginLibrary>(openable);
    if (!library->loaded())
        throw RuntimeError("cannot load plug-in " + path + ": " + library->error());
    return library;
}

int findProgram(HostedEffect& fx, const std::string& wanted) {
    std::vector<std::string> names = programNames(fx);
    for (std::size_t i = 0; i < names.size(); ++i)
        if (names[i] == wanted) return static_cast<int>(i);
    for (std::size_t i = 0; i < names.size(); ++i)
        if (sameIgnoringCase(names[i], wanted)) return static_cast<int>(i);
    char* end = nullptr;
    errno = 0;
    long index = std::strtol(wanted.c_str(), &end, 10);
    if (!wanted.empty() && *end == 0 && errno == 0 && index >= 0 &&
        index < static_cast<long>(names.size()))
        return static_cast<int>(index);
    throw UsageError("unknown program " + wanted + " (programs: " + joined(names) + ")");
}

std::vector<int> applySettings(HostedEffect& fx, const EffectOptions& options) {
    if (!options.program.empty()) fx.setProgram(findProgram(fx, options.program));
    bool userUnits = isTarvexor(fx);
    std::vector<int> indices;
    for (const ParameterSetting& setting : options.settings)
        indices.push_back(applySetting(fx, setting, userUnits));
    return indices;
}

ChannelEffects::ChannelEffects(const EffectOptions& options, int channels, double sampleRate)
    : file(pluginFile(options)), library(loadPlugin(file)), channelCount(channels) {
    instances.push_back(std::make_unique<HostedEffect>(*library, file));
    checkChannels(channels);
    int count = instancePerChannel ? channels : 1;
    while (static_cast<int>(instances.size()) < count)
        instances.push_back(std::make_unique<HostedEffect>(*library, file));
    for (auto& fx : instances) {
        fx->prepare(sampleRate, options.blockSize);
        setParameters = applySettings(*fx, options);
    }
    for (auto& fx : instances)
        fx->resume();
    makeBuffers(options.blockSize);
}

void ChannelEffects::makeBuffers(int blockSize) {
    const AEffect& record = instances.front()->record();
    std::size_t frames = static_cast<std::size_t>(blockSize);
    std::size_t outputs = static_cast<std::size_t>(std::max(record.numOutputs, channelCount));
    spareOutputs.assign(outputs, std::vector<float>(frames));
    silence.assign(frames, 0.0f);
    inputPointers.resize(static_cast<std::size_t>(std::max(record.numInputs, channelCount)));
    outputPointers.resize(outputs);
}

std::vector<DisplayedParameter> ChannelEffects::parameters() {
    HostedEffect& fx = *instances.front();
    std::vector<DisplayedParameter> all;
    for (int i = 0; i < fx.record().numParams; ++i)
        all.push_back(
            {fx.parameterName(i), fx.parameterDisplay(i), fx.parameterLabel(i),
             std::find(setParameters.begin(), setParameters.end(), i) != setParameters.end()});
    return all;
}

ChannelEffects::~ChannelEffects() {
    for (auto& fx : instances)
        fx->suspend();
}

void ChannelEffects::checkChannels(int channels) {
    const AEffect& record = instances.front()->record();
    if (record.numInputs < 1 || record.numOutputs < 1)
        throw RuntimeError(file + " has no audio input or output: not an effect");
    instancePerChannel = record.numInputs == 1;
    if (instancePerChannel || (record.numInputs == channels && record.numOutputs >= channels))
        return;
    throw RuntimeError(file + " has " + std::to_string(record.numInputs) + " inputs and " +
                       std::to_string(record.numOutputs) + " outputs; the file has " +
                       std::to_string(channels) + " channels");
}

void ChannelEffects::processInstance(HostedEffect& fx, float* const* in, float* const* out,
                                     int frames) {
    const AEffect& record = fx.record();
    int kept = instancePerChannel ? 1 : channelCount;
    for (int i = 0; i < record.numInputs; ++i)
        inputPointers[static_cast<std::size_t>(i)] = i < kept ? in[i] : silence.data();
    for (int i = 0; i < record.numOutputs; ++i)
        outputPointers[static_cast<std::size_t>(i)] =
            i < kept ? out[i] : spareOutputs[static_cast<std::size_t>(i)].data();
    fx.process(inputPointers.data(), outputPointers.data(), frames);
}

void ChannelEffects::process(const std::vector<float*>& in, const std::vector<float*>& out,
                             int frames) {
    if (!instancePerChannel) {
        processInstance(*instances.front(), in.data(), out.data(), frames);
        return;
    }
    for (std::size_t c = 0; c < instances.size(); ++c)
        processInstance(*instances[c], &in[c], &out[c], frames);
}

} // namespace tarvexor
