#pragma once
// The process-wide user settings, shared by every viewer of the process.
#include <windows.h>
#include <richedit.h>

#include <string>

namespace viewer {

inline constexpr wchar_t kPluginKey[] = L"Software\\Tarrow\\Vornbook\\Plugins\\Vorn View";
inline constexpr wchar_t kMainAppKey[] = L"Software\\Tarrow\\Vornbook";
inline constexpr size_t kLangNameMax = 259;

struct SettingsRecord {
    LOGFONTW treeFont{};
    CHARFORMATW editFont{};  // cbSize 0: neither stored nor chosen, not applied
    COLORREF treeBackColour = 0;
    COLORREF treeTextColour = 0;
    COLORREF textBackColour = 0;
    COLORREF textColour = 0;
    DWORD showPassword = 0;
    DWORD reloadOnChange = 0;
    std::wstring langName;
};

// Created and loaded on the first call.
SettingsRecord& Settings();
// Writes the whole record to the plug-in's key.
void SaveSettings();
// Forgets the record so that the next Settings() loads it again; used when
// the library unloads.
void ReleaseSettings();

}  // namespace viewer
