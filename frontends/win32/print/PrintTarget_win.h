#pragma once
// Where printed pages go: a printer's document, or a metafile per page.
#include <windows.h>

#include <string>

namespace viewer {

class PrintTarget {
public:
    virtual ~PrintTarget() = default;
    // The device the pages are laid out for.
    virtual HDC Device() = 0;
    // The device context to draw the next page on, or null when the device
    // refuses it.
    virtual HDC BeginPage() = 0;
    virtual bool EndPage() = 0;
    // Ends the document: printed when every page went well, else dropped.
    virtual bool Finish(bool complete) = 0;
};

// A document on a printer's device context, which stays the caller's.
class PrinterTarget final : public PrintTarget {
public:
    PrinterTarget(HDC printer, std::wstring title) : printer_(printer), title_(std::move(title)) {}
    ~PrinterTarget() override { Finish(false); }
    HDC Device() override { return printer_; }
    HDC BeginPage() override;
    bool EndPage() override { return ::EndPage(printer_) > 0; }
    bool Finish(bool complete) override;

private:
    HDC printer_;
    std::wstring title_;
    bool started_ = false;
};

// Each page an enhanced metafile of its own, `prefix` followed by its
// number and ".emf", laid out for the screen.
class MetafileTarget final : public PrintTarget {
public:
    explicit MetafileTarget(std::wstring prefix);
    ~MetafileTarget() override;
    HDC Device() override { return reference_; }
    HDC BeginPage() override;
    bool EndPage() override;
    bool Finish(bool) override { return true; }
    int Pages() const { return pages_; }

private:
    std::wstring prefix_;
    HDC reference_ = nullptr;
    HDC page_ = nullptr;
    int pages_ = 0;
};

}  // namespace viewer
