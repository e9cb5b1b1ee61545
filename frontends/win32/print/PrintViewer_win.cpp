#include "frontends/win32/print/PrintViewer_win.h"

#include "frontends/win32/browser/HtmlPane_win.h"
#include "frontends/win32/panes/RichTextPane_win.h"
#include "frontends/win32/print/PrintDialog_win.h"
#include "frontends/win32/print/PrintPages_win.h"
#include "frontends/win32/print/PrintTarget_win.h"
#include "frontends/win32/viewer/ViewerWindow_win.h"
#include "model/Page.h"

namespace viewer {

std::wstring PrintTitle(const ViewerWindow& viewer)
{
    if (const model::CPage* page = viewer.ShownPage())
        return std::wstring(page->Title().begin(), page->Title().end());
    return viewer.File().filename().wstring();
}

namespace {

// Paper is white: a page shown in the dark look prints in the light one.
class LightWhilePrinting {
public:
    explicit LightWhilePrinting(ViewerWindow& viewer) : viewer_(viewer), dark_(viewer.IsDark())
    {
        if (dark_)
            viewer_.SetDarkMode(false, viewer_.IsNativeDark());
    }
    ~LightWhilePrinting()
    {
        if (dark_)
            viewer_.SetDarkMode(true, viewer_.IsNativeDark());
    }
    LightWhilePrinting(const LightWhilePrinting&) = delete;
    LightWhilePrinting& operator=(const LightWhilePrinting&) = delete;

private:
    ViewerWindow& viewer_;
    bool dark_;
};

}  // namespace

std::optional<int> PrintTextPane(ViewerWindow& viewer, PrintTarget& target, const std::optional<core::Margins>& margins)
{
    RichTextPane* pane = viewer.TextPane();
    if (!pane || !pane->Hwnd())
        return std::nullopt;
    LightWhilePrinting light(viewer);
    return PrintRichEdit(target, pane->Hwnd(), PrintTitle(viewer), margins);
}

bool PrintShownPage(ViewerWindow& viewer, const std::wstring& printer, const std::optional<core::Margins>& margins)
{
    if (!viewer.Hwnd())
        return false;
    HtmlPane* html = viewer.HtmlPagePane();
    if (html && html->Hwnd() && viewer.VisibleContentPane() == html->Hwnd())
        return html->Print();
    const PrinterChoice choice = ChoosePrinter(GetAncestor(viewer.Hwnd(), GA_ROOT), printer);
    if (!choice.printer)
        return choice.cancelled;
    std::optional<int> pages;
    {
        PrinterTarget target(choice.printer, PrintTitle(viewer));
        pages = PrintTextPane(viewer, target, margins);
    }
    DeleteDC(choice.printer);
    return pages.has_value();
}

}  // namespace viewer
