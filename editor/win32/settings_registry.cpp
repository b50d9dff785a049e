#include "editor/win32/settings_registry.h"

#include <cstring>
#include <windows.h>

namespace {

const char* const kVendorKey = "OrbanePlugIns";
const char* const kProductKey = "Tarvexor";
char keyClass[] = "orp";

struct StoredValue {
    const char* name;
    DWORD type;
    std::int32_t* field;
    DWORD bytes;
};

// The six values with the words they hold, in the order they are written.
void describe(DisplaySettings& s, StoredValue (&values)[6]) {
    values[0] = {"subAN", REG_DWORD, &s.normalizeCeiling, 4};
    values[1] = {"subPH", REG_DWORD, &s.peakHoldTicks, 4};
    values[2] = {"subCO", REG_DWORD, &s.waveColourScheme, 4};
    values[3] = {"subIPOPTR", REG_BINARY, s.customColours, 60};
    values[4] = {"subWZ", REG_DWORD, &s.zoomRange, 4};
    values[5] = {"subDS", REG_DWORD, &s.displaySpeed, 4};
}

void closeKey(HKEY key) {
    if (key) RegCloseKey(key);
}

} // namespace

void readDisplaySettings(DisplaySettings& settings) {
    HKEY software = nullptr, vendor = nullptr, product = nullptr;
    RegOpenKeyExA(HKEY_CURRENT_USER, "Software", 0, KEY_ALL_ACCESS, &software);
    if (software) RegOpenKeyExA(software, kVendorKey, 0, KEY_ALL_ACCESS, &vendor);
    if (vendor &&
        RegOpenKeyExA(vendor, kProductKey, 0, KEY_QUERY_VALUE, &product) == ERROR_SUCCESS) {
        DisplaySettings scratch = settings;
        StoredValue values[6];
        describe(scratch, values);
        StoredValue targets[6];
        describe(settings, targets);
        for (int i = 0; i < 6; ++i) {
            DWORD size = values[i].bytes;
            if (RegQueryValueExA(product, values[i].name, nullptr, nullptr,
                                 reinterpret_cast<BYTE*>(values[i].field), &size) == ERROR_SUCCESS)
                std::memcpy(targets[i].field, values[i].field, values[i].bytes);
        }
    }
    closeKey(product);
    closeKey(vendor);
    closeKey(software);
}

void saveDisplaySettings(const DisplaySettings& settings) {
    HKEY software = nullptr, vendor = nullptr, product = nullptr;
    DWORD disposition = 0;
    RegOpenKeyExA(HKEY_CURRENT_USER, "Software", 0, KEY_ALL_ACCESS, &software);
    if (software)
        RegCreateKeyExA(software, kVendorKey, 0, keyClass, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                        nullptr, &vendor, &disposition);
    if (vendor &&
        RegCreateKeyExA(vendor, kProductKey, 0, keyClass, REG_OPTION_NON_VOLATILE, KEY_SET_VALUE,
                        nullptr, &product, &disposition) == ERROR_SUCCESS) {
        DisplaySettings buffer = settings;
        StoredValue values[6];
        describe(buffer, values);
        for (const StoredValue& v : values)
            RegSetValueExA(product, v.name, 0, v.type, reinterpret_cast<const BYTE*>(v.field),
                           v.bytes);
    }
    closeKey(product);
    closeKey(vendor);
    closeKey(software);
}
