#pragma once
// The module's own profile: an INI file named after the module with the
// extension ".INI", kept where platform::ChooseProfilePlaces says: beside
// the host's settings file, else in the user's application-data folder, the
// system folder of older versions read last.
#include <optional>
#include <string>

namespace win {

// The file name alone, "VornView.INI" for VornView.wlx and VornView.wlx64.
std::wstring ModuleProfileName();

// The settings file the host suggested for plug-ins; empty forgets it.
void SetHostSettingsFile(const std::wstring& path);

// The value from the first place that holds one.
std::optional<int> ReadModuleProfileInt(const std::wstring& section, const std::wstring& key);

// Writes the value to the first place that takes it. False when none did:
// the value is then kept for the rest of the process, and read from there
// first, so that the next viewer still finds it.
bool WriteModuleProfileInt(const std::wstring& section, const std::wstring& key, int value);

}  // namespace win
