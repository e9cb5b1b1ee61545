#pragma once
// Where printed pages go: a printer's document, or what a test keeps.
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

}  // namespace viewer
