#pragma once
// Catches what a plug-in prints, with no printer: its print dialog is
// answered at once with a device the size of the screen, and each page it
// prints is written as a picture.
#include <windows.h>
#include <commdlg.h>

#include <string>

namespace listerhost {

class PrintCapture {
public:
    // Takes over the plug-in's print dialog and printing calls until the
    // capture ends; pages go to `prefix` followed by the page number and
    // ".png". One capture at a time.
    PrintCapture(HMODULE plugin, std::wstring prefix);
    ~PrintCapture();
    PrintCapture(const PrintCapture&) = delete;
    PrintCapture& operator=(const PrintCapture&) = delete;

    bool Active() const { return hooked_; }
    // The printer the dialog came up with, as the plug-in named it.
    std::wstring preselected;
    std::wstring document;  // the name the plug-in gave its print job
    int pages = 0;          // written
    bool ended = false;     // the job was ended, not aborted

private:
    static BOOL WINAPI PrintDialog(PRINTDLGW* dialog);
    static int WINAPI StartDocument(HDC dc, const DOCINFOW* info);
    static int WINAPI StartPage(HDC dc);
    static int WINAPI EndPage(HDC dc);
    static int WINAPI EndDocument(HDC dc);
    static int WINAPI AbortDocument(HDC dc);
    void Hook(bool on);

    HMODULE plugin_;
    std::wstring prefix_;
    bool hooked_ = false;
    void* originals_[6] = {};
    HBITMAP sheet_ = nullptr;
};

}  // namespace listerhost
