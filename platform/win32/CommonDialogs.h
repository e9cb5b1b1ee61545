#pragma once
#include <windows.h>

namespace win {

// The system colour dialog opened on `colour`; on OK the choice is written
// back and the result is true.
bool PickColour(COLORREF& colour, HWND owner);

// The system font dialog with screen fonts and effects, opened on `font` and
// `colour`. On OK both are written back, `pointSizeTenths` receives the
// chosen size in tenths of a point, and the result is true.
bool PickFont(LOGFONTW& font, HWND owner, COLORREF& colour, int* pointSizeTenths = nullptr);

}  // namespace win
