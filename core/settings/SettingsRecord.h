#pragma once
// The user settings as plain records, loaded from and saved to a key-value
// store. The value names and types are stored data and must not change.
#include "core/settings/FontRecords.h"

#include <cstdint>
#include <string>

namespace core {

inline constexpr char16_t kPluginKey[] = u"Software\\Tarrow\\Vornbook\\Plugins\\Vorn View";
inline constexpr char16_t kMainAppKey[] = u"Software\\Tarrow\\Vornbook";
inline constexpr size_t kLangNameMax = 259;

struct SettingsRecord {
    LogFontRecord treeFont;
    CharFormatRecord editFont;  // size 0: neither stored nor chosen, not applied
    uint32_t treeBackColour = 0;
    uint32_t treeTextColour = 0;
    uint32_t textBackColour = 0;
    uint32_t textColour = 0;
    uint32_t showPassword = 0;
    uint32_t reloadOnChange = 0;
    std::u16string langName;
    bool operator==(const SettingsRecord&) const = default;
};

// What the defaults are made of: the system's GUI font and colours.
struct SystemLook {
    LogFontRecord guiFont;
    uint32_t appWorkspace = 0;
    uint32_t window = 0;
    uint32_t windowText = 0;
    uint32_t buttonFace = 0;
};

SettingsRecord DefaultSettings(const SystemLook& look);
// From the plug-in's key; on a first run (no such key) from the main
// application's; else the defaults. Missing or unreadable values keep theirs.
SettingsRecord LoadSettings(KeyValueStore& store, const SystemLook& look);
// Writes the whole record to the plug-in's key.
void SaveSettings(KeyValueStore& store, const SettingsRecord& settings);

}  // namespace core
