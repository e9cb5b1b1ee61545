#pragma once
#include <windows.h>

namespace win {

// Registers a window class with ThisModule() and remembers its name so that
// UnregisterWindowClasses() can remove it when the module unloads (a DLL that
// leaves its classes behind makes the next load with another base address
// fail or call freed code). Registering the same name twice is harmless.
bool RegisterWindowClass(WNDCLASSEXW wc);
void UnregisterWindowClasses();

}  // namespace win
