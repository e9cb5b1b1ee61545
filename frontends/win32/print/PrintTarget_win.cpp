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

MetafileTarget::MetafileTarget(std::wstring prefix) : prefix_(std::move(prefix))
{
    // A metafile in memory: it measures as the screen does, as every page will.
    reference_ = CreateEnhMetaFileW(nullptr, nullptr, nullptr, nullptr);
}

MetafileTarget::~MetafileTarget()
{
    if (page_)
        DeleteEnhMetaFile(CloseEnhMetaFile(page_));
    DeleteEnhMetaFile(CloseEnhMetaFile(reference_));
}

HDC MetafileTarget::BeginPage()
{
    if (page_)
        return nullptr;
    const std::wstring path = prefix_ + std::to_wstring(pages_ + 1) + L".emf";
    page_ = CreateEnhMetaFileW(nullptr, path.c_str(), nullptr, nullptr);
    return page_;
}

bool MetafileTarget::EndPage()
{
    const HENHMETAFILE metafile = page_ ? CloseEnhMetaFile(page_) : nullptr;
    page_ = nullptr;
    if (!metafile)
        return false;
    DeleteEnhMetaFile(metafile);
    ++pages_;
    return true;
}

}  // namespace viewer
