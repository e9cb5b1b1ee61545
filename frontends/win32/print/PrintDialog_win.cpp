#include "frontends/win32/print/PrintDialog_win.h"

#include <cderr.h>
#include <commdlg.h>

#include <cstring>

namespace viewer {
namespace {

// A DEVNAMES block naming only the device: the dialog finds its driver and
// port. Null for no name.
HGLOBAL DeviceNames(const std::wstring& printer)
{
    if (printer.empty())
        return nullptr;
    // The header, an empty driver name, the device name, an empty port name.
    const size_t chars = 1 + printer.size() + 1 + 1;
    const HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DEVNAMES) + chars * sizeof(wchar_t));
    auto* names = block ? static_cast<DEVNAMES*>(GlobalLock(block)) : nullptr;
    if (!names)
        return block;
    constexpr WORD kFirst = sizeof(DEVNAMES) / sizeof(wchar_t);
    names->wDriverOffset = kFirst;
    names->wDeviceOffset = kFirst + 1;
    names->wOutputOffset = static_cast<WORD>(kFirst + 1 + printer.size() + 1);
    std::memcpy(reinterpret_cast<wchar_t*>(names) + names->wDeviceOffset, printer.c_str(),
                printer.size() * sizeof(wchar_t));
    GlobalUnlock(block);
    return block;
}

PrinterChoice ChoosePrinter(HWND owner, const std::wstring& preferredPrinter, bool preselect)
{
    PRINTDLGW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.Flags = PD_RETURNDC | PD_NOSELECTION | PD_NOPAGENUMS | PD_USEDEVMODECOPIESANDCOLLATE;
    // A printer name longer than a DEVNAMES offset can reach is no printer's.
    if (preselect && preferredPrinter.size() < 256)
        dialog.hDevNames = DeviceNames(preferredPrinter);
    PrinterChoice choice;
    const bool chosen = PrintDlgW(&dialog);
    const DWORD error = chosen ? 0 : CommDlgExtendedError();
    if (dialog.hDevNames)
        GlobalFree(dialog.hDevNames);
    if (dialog.hDevMode)
        GlobalFree(dialog.hDevMode);
    if (chosen)
        choice.printer = dialog.hDC;
    else if (error == PDERR_PRINTERNOTFOUND && preselect)
        return ChoosePrinter(owner, preferredPrinter, false);  // that printer is gone: the default one then
    else
        choice.cancelled = error == 0;
    return choice;
}

}  // namespace

PrinterChoice ChoosePrinter(HWND owner, const std::wstring& preferredPrinter)
{
    return ChoosePrinter(owner, preferredPrinter, true);
}

}  // namespace viewer
