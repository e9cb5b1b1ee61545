#pragma once
// The pane that shows HTML pages and web archives in the system's web
// browser control, hosted in a window of our own.
#include "core/links/PageNavigation.h"
#include "frontends/win32/browser/EventConnection_win.h"
#include "frontends/win32/browser/HtmlPaneHost_win.h"
#include "frontends/win32/panes/PageFile_win.h"
#include "platform/win32/ComPtr.h"
#include "platform/win32/Wnd.h"
#include "text/HtmlPageFile.h"

#include <docobj.h>
#include <exdisp.h>

namespace viewer {

class BrowserSite;
class EventSink;
struct NavigationEvent;

class HtmlPane : public win::Wnd {
public:
    explicit HtmlPane(HtmlPaneHost& host);
    ~HtmlPane() override;

    // The window, hidden, with the browser control active in it; false when
    // the control cannot be made.
    bool Create(const RECT& rect, HWND parent, UINT id);
    // Writes the page to its file and sends the browser there; false when
    // that failed at once. What happens later the host hears through
    // HtmlPageShown.
    bool ShowPage(text::PageFileKind kind, std::u16string_view text);
    // Through the document's commands; false when it did not carry them out.
    bool CopySelection();
    bool SelectAllText();
    // The browser's own printing, with its own print dialog.
    bool Print();
    bool IsVisible() const { return Hwnd() && IsWindowVisible(Hwnd()); }
    const std::u16string& PageFilePath() const { return file_.Path(); }

    // What a key pressed in the page does; the document's key events call
    // it, and tests where no document exists.
    void OnDocumentKey();
    // Tests give the pane a command target in place of the document's.
    void UseCommandTarget(IOleCommandTarget* target);

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    static constexpr UINT_PTR kNoDocumentTimer = 1;
    // A local file is committed well within this. A browser that has
    // neither shown nor refused the page by then is taken to show nothing,
    // and the source shows; should the page come later, it shows then.
    static constexpr UINT kNoDocumentMs = 3000;
    static constexpr UINT kKeySinkFailed = WM_APP + 1;

    bool CreateBrowser();
    void CloseBrowser();
    void OnBrowserEvent(DISPID id, DISPPARAMS* params);
    bool ConcernsThisPage(const NavigationEvent& event) const;
    void OnTimeout();
    void Tell(core::PageNavigation::Report report);
    void OnDocumentArrived();
    void ConnectKeySink(IDispatch* document);
    win::ComPtr<IDispatch> Document() const;
    bool ExecCommand(DWORD command, DWORD option = OLECMDEXECOPT_DONTPROMPTUSER);
    void Resize();

    HtmlPaneHost& host_;
    bool oleStarted_ = false;
    BrowserSite* site_ = nullptr;
    win::ComPtr<IOleObject> object_;
    win::ComPtr<IWebBrowser2> browser_;
    EventSink* browserSink_ = nullptr;
    EventConnection browserEvents_;
    EventSink* keySink_ = nullptr;
    EventConnection keyEvents_;
    PageFile file_;
    core::PageNavigation navigation_;
    bool insideShowPage_ = false;
    win::ComPtr<IOleCommandTarget> testTarget_;
};

}  // namespace viewer
