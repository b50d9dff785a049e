#include "tools/tarvexor/render.h"

#include "tools/tarvexor/audio_file.h"
#include "tools/tarvexor/channel_effects.h"

#include <algorithm>
#include <chrono>
#include <vector>

namespace tarvexor {

namespace {

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// The stream between the files and the plug-in. With latency compensation the
// first `latency` output frames are dropped and silence is fed after the end
// of the input until the output is as long as the input.
class BlockStream {
  public:
    BlockStream(const RenderJob& job, InputFile& in, OutputFile& out, ChannelEffects& fx,
                LevelMeter& meter);
    void run(ProgressBar& progress);
    double pluginSeconds() const { return inPlugin; }
    int latency() const { return reportedLatency; }

  private:
    void processBlock(int frames);
    void takeLatency();
    void deliver(int frames);

    InputFile& in;
    OutputFile& out;
    ChannelEffects& fx;
    LevelMeter& meter;
    int channels;
    int blockSize;
    bool compensate;
    bool started = false;
    int reportedLatency = 0;
    std::int64_t toDrop = 0;
    std::int64_t framesRead = 0, framesWritten = 0;
    std::vector<float> interleaved;
    std::vector<std::vector<float>> planarIn, planarOut;
    std::vector<float*> inPointers, outPointers;
    double inPlugin = 0.0;
};

BlockStream::BlockStream(const RenderJob& job, InputFile& input, OutputFile& output,
                         ChannelEffects& effects, LevelMeter& levels)
    : in(input), out(output), fx(effects), meter(levels), channels(input.info().channels),
      blockSize(job.effect.blockSize), compensate(job.compensateLatency),
      reportedLatency(std::max(0, effects.latency())),
      interleaved(static_cast<std::size_t>(blockSize) * static_cast<std::size_t>(channels)),
      planarIn(static_cast<std::size_t>(channels),
               std::vector<float>(static_cast<std::size_t>(blockSize))),
      planarOut(planarIn) {
    for (int c = 0; c < channels; ++c) {
        inPointers.push_back(planarIn[static_cast<std::size_t>(c)].data());
        outPointers.push_back(planarOut[static_cast<std::size_t>(c)].data());
    }
}

void BlockStream::run(ProgressBar& progress) {
    for (;;) {
        int frames = static_cast<int>(in.read(interleaved.data(), blockSize));
        if (frames == 0) break;
        meter.addInput(interleaved.data(), frames);
        framesRead += frames;
        for (int f = 0; f < frames; ++f)
            for (int c = 0; c < channels; ++c)
                planarIn[static_cast<std::size_t>(c)][static_cast<std::size_t>(f)] =
                    interleaved[static_cast<std::size_t>(f * channels + c)];
        processBlock(frames);
        progress.update(framesRead);
    }
    for (auto& channel : planarIn)
        std::fill(channel.begin(), channel.end(), 0.0f);
    while (framesWritten < framesRead) {
        std::int64_t wanted = framesRead - framesWritten + toDrop;
        processBlock(static_cast<int>(std::min<std::int64_t>(blockSize, wanted)));
    }
}

void BlockStream::processBlock(int frames) {
    Clock::time_point start = Clock::now();
    fx.process(inPointers, outPointers, frames);
    inPlugin += secondsSince(start);
    if (!started) takeLatency();
    deliver(frames);
}

// Some plug-ins set their latency only when they start processing, so it is
// read after the first block, before any output is kept.
void BlockStream::takeLatency() {
    started = true;
    reportedLatency = std::max(0, fx.latency());
    toDrop = compensate ? reportedLatency : 0;
    meter.setOutputDelay(compensate ? 0 : reportedLatency);
}

// Writes what is left of a processed block after the dropped latency.
void BlockStream::deliver(int frames) {
    int skip = static_cast<int>(std::min<std::int64_t>(toDrop, frames));
    toDrop -= skip;
    int keep = static_cast<int>(std::min<std::int64_t>(frames - skip, framesRead - framesWritten));
    for (int f = 0; f < keep; ++f)
        for (int c = 0; c < channels; ++c)
            interleaved[static_cast<std::size_t>(f * channels + c)] =
                planarOut[static_cast<std::size_t>(c)][static_cast<std::size_t>(skip + f)];
    if (keep <= 0) return;
    out.write(interleaved.data(), keep);
    meter.addOutput(interleaved.data(), keep);
    framesWritten += keep;
}

RenderReport describe(const RenderJob& job, const SF_INFO& format, const LevelMeter& meter) {
    RenderReport report;
    report.input = job.input;
    report.output = job.output;
    report.program = job.effect.program;
    report.compensated = job.compensateLatency;
    report.channels = format.channels;
    report.sampleRate = format.samplerate;
    report.format = format.format;
    report.frames = meter.input().samples / format.channels;
    report.overs = meter.overs();
    report.in = meter.input();
    report.out = meter.output();
    report.inLoudness = meter.inputLoudness();
    report.outLoudness = meter.outputLoudness();
    report.gainReduction = meter.gainReduction();
    return report;
}

} // namespace

RenderReport render(const RenderJob& job) {
    InputFile in(job.input);
    checkOutputPath(job.input, job.output);
    SF_INFO format = in.info();
    format.format = outputFormat(in.info(), job.format);
    ChannelEffects fx(job.effect, format.channels, format.samplerate);
    std::vector<DisplayedParameter> parameters = fx.parameters();
    LevelMeter meter(format.channels, format.samplerate);
    Clock::time_point start = Clock::now();
    OutputFile out(job.output, format);
    BlockStream stream(job, in, out, fx, meter);
    {
        ProgressBar progress(in.info().frames);
        stream.run(progress);
    }
    out.commit();
    RenderReport report = describe(job, format, meter);
    report.seconds = secondsSince(start);
    report.pluginSeconds = stream.pluginSeconds();
    report.latency = stream.latency();
    report.plugin = fx.path();
    report.effectName = fx.effectName();
    report.clips = out.clips();
    report.parameters = parameters;
    return report;
}

} // namespace tarvexor
