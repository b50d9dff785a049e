#include "tools/tarvexor/json_report.h"

#include "tools/tarvexor/audio_file.h"
#include "tools/tarvexor/failure.h"

#include <nlohmann/json.hpp>

#include <cerrno>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace tarvexor {

namespace {

using json = nlohmann::ordered_json; // keys in the order the summary shows them

json number(double value) {
    return std::isfinite(value) ? json(value) : json(nullptr);
}

json figuresObject(const Figures& row, bool isChange) {
    json object = json::object();
    for (const FigureColumn& column : kFigureColumns)
        object[isChange ? column.changeKey : column.key] = number(row.*column.value);
    return object;
}

json levelsObject(const RenderReport& r) {
    Figures in = figures(r.in, r.inLoudness), out = figures(r.out, r.outLoudness);
    json levels = {{"input", figuresObject(in, false)},
                   {"output", figuresObject(out, false)},
                   {"change", figuresObject(change(in, out), true)},
                   {"clipped_samples", r.clips ? r.overs : 0}};
    const GainReduction& gr = r.gainReduction;
    levels["largest_gain_reduction"] =
        gr.measured ? json{{"db", gr.decibels}, {"at_seconds", gr.atSeconds}} : json(nullptr);
    return levels;
}

json pluginObject(const RenderReport& r) {
    json parameters = json::array();
    for (const DisplayedParameter& p : r.parameters)
        parameters.push_back(
            {{"name", p.name}, {"display", p.display}, {"label", p.label}, {"set", p.set}});
    return {{"file", r.plugin},
            {"effect", r.effectName},
            {"program", r.program.empty() ? json(nullptr) : json(r.program)},
            {"parameters", parameters}};
}

json reportObject(const RenderReport& r) {
    std::string note = gatingNote(r);
    return {{"input", r.input},
            {"output", r.output},
            {"format", formatName(r.format)},
            {"sample_rate", r.sampleRate},
            {"channels", r.channels},
            {"frames", r.frames},
            {"plugin", pluginObject(r)},
            {"levels", levelsObject(r)},
            {"notes", note.empty() ? json::array() : json::array({note})},
            {"latency",
             {{"samples", r.latency},
              {"ms", 1000.0 * r.latency / r.sampleRate},
              {"compensated", r.compensated}}},
            {"time",
             {{"seconds", r.seconds},
              {"plugin_seconds", r.pluginSeconds},
              {"audio_seconds", r.audioSeconds()},
              {"times_real_time", r.timesRealTime()}}}};
}

bool sameFile(const std::string& a, const std::string& b) {
    std::error_code ignored;
    return std::filesystem::weakly_canonical(std::filesystem::absolute(a), ignored) ==
           std::filesystem::weakly_canonical(std::filesystem::absolute(b), ignored);
}

} // namespace

void checkReportPath(const std::string& report, const std::string& input,
                     const std::string& output) {
    checkOutputPath(input, report, "report");
    if (sameFile(report, output))
        throw UsageError("the report " + report + " is the output file; choose another name");
}

void writeJsonReport(const RenderReport& report, const std::string& path) {
    // Paths and texts from a plug-in need not be UTF-8: bad bytes become U+FFFD.
    std::string text = reportObject(report).dump(2, ' ', false, json::error_handler_t::replace);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << text << '\n';
    file.close();
    if (!file) throw RuntimeError("cannot write the report " + path + ": " + std::strerror(errno));
}

} // namespace tarvexor
