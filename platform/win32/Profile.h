#pragma once
#include <string>

namespace win {

// The module's own profile: an INI file named after the module with the
// extension ".INI" and no folder, which the profile functions keep in the
// Windows folder.
std::wstring ModuleProfileName();

int ReadProfileInt(const std::wstring& file, const std::wstring& section, const std::wstring& key, int fallback);
bool WriteProfileInt(const std::wstring& file, const std::wstring& section, const std::wstring& key, int value);

}  // namespace win
