#include "tools/tarvexor/audio_file.h"

#include "tools/tarvexor/failure.h"

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace tarvexor {

namespace {

// The temporary file being written, removed if the program is interrupted.
char pendingTemporary[PATH_MAX] = {};

extern "C" void removePendingAndDie(int signalNumber) {
    if (pendingTemporary[0]) unlink(pendingTemporary);
    std::signal(signalNumber, SIG_DFL);
    raise(signalNumber);
}

// The signals that stop the program and the temporary file with it.
sigset_t stoppingSignals() {
    sigset_t set;
    sigemptyset(&set);
    for (int s : {SIGINT, SIGTERM, SIGHUP})
        sigaddset(&set, s);
    return set;
}

// Creates the temporary file from pattern, guarded from the moment it exists:
// the stopping signals wait until its name is recorded for the handler.
int createGuarded(std::string& pattern) {
    const sigset_t stopping = stoppingSignals();
    sigset_t previous;
    sigprocmask(SIG_BLOCK, &stopping, &previous);
    for (int s : {SIGINT, SIGTERM, SIGHUP})
        std::signal(s, removePendingAndDie);
    int fd = mkstemp(pattern.data());
    const int error = errno;
    if (fd >= 0) std::snprintf(pendingTemporary, sizeof(pendingTemporary), "%s", pattern.c_str());
    sigprocmask(SIG_SETMASK, &previous, nullptr);
    errno = error;
    return fd;
}

void releaseTemporary() {
    pendingTemporary[0] = 0;
}

std::string folderOf(const std::string& path) {
    std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string fileNameOf(const std::string& path) {
    std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool isIntegerSubtype(int format) {
    int sub = format & SF_FORMAT_SUBMASK;
    return sub != SF_FORMAT_FLOAT && sub != SF_FORMAT_DOUBLE;
}

// A file with the permissions a newly created file gets (mkstemp makes 0600).
void givePlainPermissions(int fd) {
    mode_t mask = umask(0);
    umask(mask);
    fchmod(fd, 0666 & ~mask);
}

struct FormatWord {
    const char* text;
    int value;
    bool container;
};

const FormatWord kFormatWords[] = {
    {"wav", SF_FORMAT_WAV, true},        {"aiff", SF_FORMAT_AIFF, true},
    {"aif", SF_FORMAT_AIFF, true},       {"flac", SF_FORMAT_FLAC, true},
    {"pcm16", SF_FORMAT_PCM_16, false},  {"pcm24", SF_FORMAT_PCM_24, false},
    {"pcm32", SF_FORMAT_PCM_32, false},  {"float", SF_FORMAT_FLOAT, false},
    {"double", SF_FORMAT_DOUBLE, false},
};

const FormatWord& formatWord(const std::string& word, const std::string& request) {
    for (const FormatWord& candidate : kFormatWords)
        if (word == candidate.text) return candidate;
    throw UsageError("--format " + request + ": unknown " + (word.empty() ? "empty part" : word) +
                     " (wav, aiff, flac, pcm16, pcm24, pcm32, float, double)");
}

} // namespace

InputFile::InputFile(const std::string& filePath) : path(filePath) {
    struct stat status {};
    if (stat(path.c_str(), &status) != 0)
        throw RuntimeError("cannot read " + path + ": " + std::strerror(errno));
    if (S_ISDIR(status.st_mode)) throw RuntimeError("cannot read " + path + ": it is a folder");
    file = sf_open(path.c_str(), SFM_READ, &fileInfo);
    if (!file) throw RuntimeError("cannot read " + path + ": " + sf_strerror(nullptr));
}

InputFile::~InputFile() {
    if (file) sf_close(file);
}

sf_count_t InputFile::read(float* interleaved, sf_count_t frames) {
    sf_count_t got = sf_readf_float(file, interleaved, frames);
    if (got < 0 || (got < frames && sf_error(file) != SF_ERR_NO_ERROR))
        throw RuntimeError("reading " + path + " failed: " + sf_strerror(file));
    return got;
}

OutputFile::OutputFile(const std::string& path, const SF_INFO& format) : target(path) {
    std::string pattern = folderOf(path) + "/." + fileNameOf(path) + ".tarvexor-XXXXXX";
    int fd = createGuarded(pattern);
    if (fd < 0)
        throw RuntimeError("cannot create a file in " + folderOf(path) + ": " +
                           std::strerror(errno));
    temporary = pattern;
    givePlainPermissions(fd);
    SF_INFO info = format;
    file = sf_open_fd(fd, SFM_WRITE, &info, SF_TRUE);
    if (!file) {
        std::string why = sf_strerror(nullptr);
        close(fd);
        discard();
        throw RuntimeError("cannot write " + path + ": " + why);
    }
    integerSamples = isIntegerSubtype(format.format);
    // Overs become full scale in integer formats instead of wrapping around.
    sf_command(file, SFC_SET_CLIPPING, nullptr, SF_TRUE);
}

OutputFile::~OutputFile() {
    discard();
}

void OutputFile::discard() {
    if (file) sf_close(file);
    file = nullptr;
    if (!temporary.empty()) unlink(temporary.c_str());
    temporary.clear();
    releaseTemporary();
}

void OutputFile::write(const float* interleaved, sf_count_t frames) {
    if (sf_writef_float(file, interleaved, frames) != frames)
        throw RuntimeError("writing " + target + " failed: " + sf_strerror(file));
}

void OutputFile::commit() {
    int closed = sf_close(file);
    file = nullptr;
    if (closed != 0)
        throw RuntimeError("writing " + target + " failed: " + sf_error_number(closed));
    if (std::rename(temporary.c_str(), target.c_str()) != 0)
        throw RuntimeError("cannot rename the finished file to " + target + ": " +
                           std::strerror(errno));
    temporary.clear();
    releaseTemporary();
}

void checkOutputPath(const std::string& input, const std::string& output, const std::string& role) {
    struct stat in {
    }, out{};
    if (stat(output.c_str(), &out) == 0) {
        if (stat(input.c_str(), &in) == 0 && in.st_dev == out.st_dev && in.st_ino == out.st_ino)
            throw UsageError("the " + role + " " + output +
                             " is the input file; choose another name");
        if (S_ISDIR(out.st_mode)) throw RuntimeError("the " + role + " " + output + " is a folder");
    }
    std::string folder = folderOf(output);
    struct stat where {};
    if (stat(folder.c_str(), &where) != 0 || !S_ISDIR(where.st_mode))
        throw RuntimeError("the " + role + " folder " + folder + " does not exist");
}

int outputFormat(const SF_INFO& input, const std::string& request) {
    int major = input.format & SF_FORMAT_TYPEMASK;
    int sub = input.format & SF_FORMAT_SUBMASK;
    if (!request.empty()) {
        std::stringstream words(request);
        std::string word;
        while (std::getline(words, word, ',')) {
            const FormatWord& w = formatWord(word, request);
            (w.container ? major : sub) = w.value;
        }
        if (request.back() == ',') formatWord("", request);
    }
    SF_INFO candidate = input;
    candidate.format = major | sub;
    if (!sf_format_check(&candidate))
        throw UsageError("libsndfile cannot write " + formatName(candidate.format) + " with " +
                         std::to_string(input.channels) + " channels at " +
                         std::to_string(input.samplerate) + " Hz" +
                         (request.empty() ? "" : " (--format " + request + ")"));
    return candidate.format;
}

std::string formatName(int format) {
    SF_FORMAT_INFO major{}, sub{};
    major.format = format & SF_FORMAT_TYPEMASK;
    sub.format = format & SF_FORMAT_SUBMASK;
    std::string text = sf_command(nullptr, SFC_GET_FORMAT_INFO, &major, sizeof(major)) == 0
                           ? major.name
                           : "unknown type";
    if (sf_command(nullptr, SFC_GET_FORMAT_INFO, &sub, sizeof(sub)) == 0)
        text += std::string(", ") + sub.name;
    return text;
}

} // namespace tarvexor
