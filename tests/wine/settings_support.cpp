#include "tests/wine/settings_support.h"

#include <cstring>

namespace settingstest {

const char* const kSettingsKey = "Software\\OrbanePlugIns\\Tarvexor";

namespace {

const char* const kVendorKey = "Software\\OrbanePlugIns";

HKEY openSettings(REGSAM access) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, access, &key) != ERROR_SUCCESS)
        return nullptr;
    return key;
}

ModalDriver* running = nullptr;

} // namespace

void deleteSettingsKey() {
    RegDeleteKeyA(HKEY_CURRENT_USER, kSettingsKey);
    RegDeleteKeyA(HKEY_CURRENT_USER, kVendorKey); // only succeeds when empty
}

bool settingsKeyExists() {
    HKEY key = openSettings(KEY_READ);
    if (key) RegCloseKey(key);
    return key != nullptr;
}

bool readValue(const char* name, DWORD& type, std::vector<std::uint8_t>& bytes) {
    HKEY key = openSettings(KEY_READ);
    if (!key) return false;
    bytes.assign(256, 0);
    DWORD size = static_cast<DWORD>(bytes.size());
    LONG status = RegQueryValueExA(key, name, nullptr, &type, bytes.data(), &size);
    RegCloseKey(key);
    bytes.resize(status == ERROR_SUCCESS ? size : 0);
    return status == ERROR_SUCCESS;
}

std::int64_t readDword(const char* name, std::int64_t missing) {
    DWORD type = 0;
    std::vector<std::uint8_t> bytes;
    if (!readValue(name, type, bytes) || type != REG_DWORD || bytes.size() != 4) return missing;
    std::int32_t v;
    std::memcpy(&v, bytes.data(), 4);
    return v;
}

std::vector<std::int32_t> readColourWords() {
    DWORD type = 0;
    std::vector<std::uint8_t> bytes;
    if (!readValue("subIPOPTR", type, bytes) || type != REG_BINARY || bytes.size() != 60) return {};
    std::vector<std::int32_t> words(15);
    std::memcpy(words.data(), bytes.data(), 60);
    return words;
}

DWORD valueCount() {
    HKEY key = openSettings(KEY_READ);
    if (!key) return 0;
    DWORD values = 0;
    RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &values, nullptr,
                     nullptr, nullptr, nullptr);
    RegCloseKey(key);
    return values;
}

std::string keyClass(const char* path) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return "?";
    char name[64] = {};
    DWORD size = sizeof(name);
    RegQueryInfoKeyA(key, name, &size, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                     nullptr, nullptr, nullptr);
    RegCloseKey(key);
    return name;
}

void writeDword(const char* name, DWORD value) {
    HKEY key = nullptr;
    RegCreateKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                    nullptr);
    RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), 4);
    RegCloseKey(key);
}

void writeColourWords(const std::int32_t (&words)[15]) {
    HKEY key = nullptr;
    RegCreateKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                    nullptr);
    RegSetValueExA(key, "subIPOPTR", 0, REG_BINARY, reinterpret_cast<const BYTE*>(words), 60);
    RegCloseKey(key);
}

void sendCommand(HWND editor, int id) {
    SendMessageA(editor, WM_COMMAND, id, 0);
}

ModalDriver::ModalDriver(std::function<bool()> s) : step(std::move(s)) {
    running = this;
    timer = SetTimer(nullptr, 0, 20, tick);
}

ModalDriver::~ModalDriver() {
    if (timer) KillTimer(nullptr, timer);
    running = nullptr;
}

void CALLBACK ModalDriver::tick(HWND, UINT, UINT_PTR, DWORD) {
    ModalDriver* d = running;
    if (!d || d->done) return;
    if (d->step()) {
        d->done = true;
        KillTimer(nullptr, d->timer);
        d->timer = 0;
    }
}

std::vector<HWND> threadWindows(const char* className) {
    struct Search {
        const char* name;
        std::vector<HWND> found;
    } search{className, {}};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND w, LPARAM p) -> BOOL {
            auto* s = reinterpret_cast<Search*>(p);
            char name[64] = {};
            GetClassNameA(w, name, sizeof(name));
            if (IsWindowVisible(w) && lstrcmpA(name, s->name) == 0) s->found.push_back(w);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HMENU openPopupMenu() {
    for (HWND w : threadWindows("#32768"))
        if (HMENU menu = reinterpret_cast<HMENU>(SendMessageA(w, MN_GETHMENU, 0, 0))) return menu;
    return nullptr;
}

bool pressDialogButton(int id) {
    std::vector<HWND> dialogs = threadWindows("#32770");
    if (dialogs.empty()) return false;
    PostMessageA(dialogs.front(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialogs.front(), id)));
    return true;
}

} // namespace settingstest
