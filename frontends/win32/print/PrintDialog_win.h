#pragma once
// The system's print dialog.
#include <windows.h>

#include <string>

namespace viewer {

struct PrinterChoice {
    HDC printer = nullptr;  // the caller's to delete; null when none was chosen
    bool cancelled = false;
};

// Shows the dialog with `preferredPrinter` chosen in it when there is one
// of that name (the system's default printer otherwise).
PrinterChoice ChoosePrinter(HWND owner, const std::wstring& preferredPrinter);

}  // namespace viewer
