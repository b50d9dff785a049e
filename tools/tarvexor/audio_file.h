// Audio files through libsndfile: the input, and an output that is written to
// a temporary file beside its target and renamed only when it is complete.
#pragma once

#include <sndfile.h>

#include <string>

namespace tarvexor {

class InputFile {
  public:
    // Throws RuntimeError naming the file when it is missing, a folder, or in a
    // format libsndfile cannot read.
    explicit InputFile(const std::string& path);
    ~InputFile();
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    const SF_INFO& info() const { return fileInfo; }
    // Reads up to `frames` interleaved frames; fewer at the end.
    sf_count_t read(float* interleaved, sf_count_t frames);

  private:
    std::string path;
    SF_INFO fileInfo{};
    SNDFILE* file = nullptr;
};

class OutputFile {
  public:
    // Opens a temporary file in the folder of `path`; RuntimeError when the
    // folder does not exist or takes no new file.
    OutputFile(const std::string& path, const SF_INFO& format);
    // Removes the temporary file unless it was committed.
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    void write(const float* interleaved, sf_count_t frames);
    // Closes the temporary file and renames it to the target.
    void commit();
    // True when the sample format stores integers, which clip at full scale.
    bool clips() const { return integerSamples; }

  private:
    void discard();

    std::string target;
    std::string temporary;
    SNDFILE* file = nullptr;
    bool integerSamples = false;
};

// Refuses an output that is the input (UsageError), a folder or without a
// folder to go to (RuntimeError), before anything is written. `role` names
// the file in the message.
void checkOutputPath(const std::string& input, const std::string& output,
                     const std::string& role = "output");

// The output's format: the input's, changed by a --format text such as
// "flac", "float" or "wav,pcm24". UsageError when libsndfile cannot write it.
int outputFormat(const SF_INFO& input, const std::string& request);

// "WAV (Microsoft), Signed 16 bit PCM" and the like.
std::string formatName(int format);

} // namespace tarvexor
