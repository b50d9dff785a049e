// Support for the menu, settings and help tests: the settings key of the
// test's own registry, menu commands, and a driver for modal loops (menus,
// dialogs, message boxes) that run on the test's thread.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>
#include <windows.h>

namespace settingstest {

extern const char* const kSettingsKey; // below HKEY_CURRENT_USER

// Removes the settings key (and its parent when that is left empty).
void deleteSettingsKey();
bool settingsKeyExists();
// The value's type and bytes; false when it cannot be read.
bool readValue(const char* name, DWORD& type, std::vector<std::uint8_t>& bytes);
// A REG_DWORD value, or `missing` when it is absent.
std::int64_t readDword(const char* name, std::int64_t missing = -1);
// The 60-byte colour value as 15 words; empty when absent.
std::vector<std::int32_t> readColourWords();
DWORD valueCount();
std::string keyClass(const char* path);
void writeDword(const char* name, DWORD value);
void writeColourWords(const std::int32_t (&words)[15]);

// A menu command as the menu sends it.
void sendCommand(HWND editor, int id);

// Calls `step` on this thread every 20 ms until it returns true, also while
// a modal loop holds the thread.
class ModalDriver {
  public:
    explicit ModalDriver(std::function<bool()> step);
    ~ModalDriver();
    ModalDriver(const ModalDriver&) = delete;
    ModalDriver& operator=(const ModalDriver&) = delete;
    bool finished() const { return done; }

  private:
    static void CALLBACK tick(HWND, UINT, UINT_PTR, DWORD);
    std::function<bool()> step;
    UINT_PTR timer = 0;
    bool done = false;
};

// Visible windows of a class that belong to this thread.
std::vector<HWND> threadWindows(const char* className);
// The open popup menu's handle, or null.
HMENU openPopupMenu();
// Presses a button of the first visible dialog of this thread; false when
// no dialog is open.
bool pressDialogButton(int id);

} // namespace settingstest
