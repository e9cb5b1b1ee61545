#pragma once
// What the system says about a window's look: its resolution, and the dark
// theme of its controls where the system has one.
#include <windows.h>

namespace viewer {

// The window's dots per inch: the system's answer for that window where it
// has one, else its device context's.
int WindowDpi(HWND window);

// Scroll bars and the tree's buttons drawn by the system's dark theme for
// controls, or by the ordinary one again. Where there is no such theme (or
// no theme library) nothing changes, and nothing fails.
void UseDarkControlTheme(HWND control, bool dark);

}  // namespace viewer
