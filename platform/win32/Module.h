#pragma once
#include <windows.h>

#include <string>

namespace win {

// The module (DLL or EXE) this code is linked into: classes are registered and
// resources loaded with it, never with the host's handle.
HINSTANCE ThisModule();

// Full path of ThisModule(); empty on failure.
std::wstring ThisModulePath();

// Folder of ThisModule() with a trailing backslash.
std::wstring ThisModuleFolder();

}  // namespace win
