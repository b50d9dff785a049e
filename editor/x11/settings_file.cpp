#include "editor/x11/settings_file.h"

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <pwd.h>
#include <sstream>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

const char* const kVendorDir = "OrbanePlugIns";
const char* const kFileName = "Tarvexor.conf";

struct StoredValue {
    const char* name;
    std::int32_t* field;
    int words;
};

// The six values with the words they hold, in the order they are written.
void describe(DisplaySettings& s, StoredValue (&values)[6]) {
    values[0] = {"subAN", &s.normalizeCeiling, 1};
    values[1] = {"subPH", &s.peakHoldTicks, 1};
    values[2] = {"subCO", &s.waveColourScheme, 1};
    values[3] = {"subIPOPTR", s.customColours, 15};
    values[4] = {"subWZ", &s.zoomRange, 1};
    values[5] = {"subDS", &s.displaySpeed, 1};
}

std::string trimmed(const std::string& s) {
    const char* space = " \t\r";
    size_t first = s.find_first_not_of(space);
    if (first == std::string::npos) return {};
    return s.substr(first, s.find_last_not_of(space) + 1 - first);
}

// A 32-bit word as a registry DWORD holds it: signed or unsigned decimal.
bool parseWord(const std::string& token, std::int32_t& word) {
    errno = 0;
    char* end = nullptr;
    long long v = std::strtoll(token.c_str(), &end, 10);
    if (errno != 0 || end == token.c_str() || *end != '\0') return false;
    if (v < INT32_MIN || v > static_cast<long long>(UINT32_MAX)) return false;
    word = static_cast<std::int32_t>(static_cast<std::uint32_t>(v));
    return true;
}

// The words of a value, or nothing when any of them is not a number.
bool parseWords(const std::string& text, std::vector<std::int32_t>& words) {
    std::istringstream in(text);
    std::string token;
    while (in >> token) {
        std::int32_t w;
        if (!parseWord(token, w)) return false;
        words.push_back(w);
    }
    return true;
}

void takeValue(const std::string& name, const std::string& text, DisplaySettings& s) {
    StoredValue values[6];
    describe(s, values);
    for (const StoredValue& v : values) {
        if (strcasecmp(name.c_str(), v.name) != 0) continue; // as registry names
        std::vector<std::int32_t> words;
        if (!parseWords(text, words) || static_cast<int>(words.size()) > v.words) return;
        std::copy(words.begin(), words.end(), v.field);
    }
}

std::string configHome() {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg && xdg[0] == '/') return xdg;
    const char* home = std::getenv("HOME");
    if (!home || !home[0]) {
        const passwd* user = getpwuid(getuid());
        home = user ? user->pw_dir : nullptr;
    }
    return home && home[0] ? std::string(home) + "/.config" : std::string();
}

// The folder and every folder above it that is missing.
bool makeDirectories(const std::string& path) {
    for (size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
        const std::string part = path.substr(0, slash);
        if (mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) return false;
        if (slash == std::string::npos) return true;
    }
}

bool writeAll(int fd, const std::string& text) {
    size_t done = 0;
    while (done < text.size()) {
        ssize_t n = write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

bool readAll(const std::string& path, std::string& text) {
    int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    char buffer[4096];
    ssize_t n;
    while ((n = read(fd, buffer, sizeof buffer)) > 0 || (n < 0 && errno == EINTR))
        if (n > 0) text.append(buffer, static_cast<size_t>(n));
    close(fd);
    return n == 0;
}

} // namespace

std::string settingsFilePath() {
    std::string home = configHome();
    if (home.empty()) return {};
    return home + "/" + kVendorDir + "/" + kFileName;
}

std::string displaySettingsText(const DisplaySettings& settings) {
    DisplaySettings copy = settings;
    StoredValue values[6];
    describe(copy, values);
    std::string text;
    for (const StoredValue& v : values) {
        text += v.name;
        text += " =";
        for (int i = 0; i < v.words; ++i)
            text += " " + std::to_string(v.field[i]);
        text += "\n";
    }
    return text;
}

// Lines without "=", blank lines, "#" comments and unknown names are passed
// over; of a name given twice the last line counts.
void readDisplaySettingsText(const std::string& text, DisplaySettings& settings) {
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        size_t equals = line.find('=');
        if (equals == std::string::npos || trimmed(line)[0] == '#') continue;
        takeValue(trimmed(line.substr(0, equals)), line.substr(equals + 1), settings);
    }
}

void readDisplaySettings(DisplaySettings& settings) {
    std::string path = settingsFilePath(), text;
    if (!path.empty() && readAll(path, text)) readDisplaySettingsText(text, settings);
}

// A reader sees the old file or the new one, never a part of either.
void saveDisplaySettings(const DisplaySettings& settings) {
    std::string home = configHome();
    if (home.empty()) return;
    std::string dir = home + "/" + kVendorDir;
    if (!makeDirectories(dir)) return;
    std::string temp = dir + "/." + kFileName + ".XXXXXX";
    std::vector<char> name(temp.begin(), temp.end());
    name.push_back('\0');
    int fd = mkstemp(name.data());
    if (fd < 0) return;
    bool written = writeAll(fd, displaySettingsText(settings)) && fsync(fd) == 0;
    written = close(fd) == 0 && written;
    if (!written || rename(name.data(), (dir + "/" + kFileName).c_str()) != 0) unlink(name.data());
}
