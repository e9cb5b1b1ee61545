#include "frontends/win32/print/PrintTarget_win.h"

namespace viewer {

HDC PrinterTarget::BeginPage()
{
    if (!started_) {
        DOCINFOW document{};
        document.cbSize = sizeof document;
        document.lpszDocName = title_.c_str();
        if (StartDocW(printer_, &document) <= 0)
            return nullptr;
        started_ = true;
    }
    return StartPage(printer_) > 0 ? printer_ : nullptr;
}

bool PrinterTarget::Finish(bool complete)
{
    if (!started_)
        return complete;
    started_ = false;
    if (complete)
        return EndDoc(printer_) > 0;
    AbortDoc(printer_);
    return false;
}

}  // namespace viewer
