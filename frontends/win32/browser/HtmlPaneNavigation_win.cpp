// Showing a page: its file, the navigation, and the browser's word on it,
// which decides between the page and its source.
#include "frontends/win32/browser/BrowserEvents_win.h"
#include "frontends/win32/browser/HtmlPane_win.h"
#include "platform/win32/WideText.h"

namespace viewer {

bool HtmlPane::ShowPage(text::PageFileKind kind, std::u16string_view text)
{
    if (!browser_ || !Hwnd())
        return false;
    KillTimer(Hwnd(), kNoDocumentTimer);
    keyEvents_.Disconnect();
    navigation_.Abandon();
    if (!file_.Write(kind, text))
        return false;
    VARIANT url, flags, none;
    VariantInit(&url);
    VariantInit(&none);
    url.vt = VT_BSTR;
    url.bstrVal = SysAllocString(win::WidePtr(file_.Path()));
    VariantInit(&flags);
    flags.vt = VT_I4;
    flags.lVal = navNoHistory;
    // The browser may report the outcome before Navigate2 returns: it is
    // then told by the result, not to the host.
    navigation_.Start();
    insideShowPage_ = true;
    const HRESULT hr = url.bstrVal ? browser_->Navigate2(&url, &flags, &none, &none, &none) : E_OUTOFMEMORY;
    insideShowPage_ = false;
    VariantClear(&url);
    if (FAILED(hr))
        navigation_.Abandon();
    if (navigation_.IsWaiting())
        SetTimer(Hwnd(), kNoDocumentTimer, kNoDocumentMs, nullptr);
    return !navigation_.Failed();
}

void HtmlPane::OnBrowserEvent(DISPID id, DISPPARAMS* params)
{
    const NavigationEvent event = ReadNavigationEvent(id, params);
    if (event.kind == NavigationEvent::Other || !ConcernsThisPage(event))
        return;
    if (event.kind == NavigationEvent::Failed) {
        // Not the browser's own error page: the source is shown instead.
        *event.cancel = VARIANT_TRUE;
        Tell(navigation_.Refused());
    } else {
        OnDocumentArrived();
    }
}

// Frames of the page navigate too, and an event of the page shown before
// may still arrive: only the page's own navigation counts.
bool HtmlPane::ConcernsThisPage(const NavigationEvent& event) const
{
    return SameObject(event.target, browser_.Get()) && core::AddressNamesFile(win::U16(event.url), file_.Path());
}

win::ComPtr<IDispatch> HtmlPane::Document() const
{
    win::ComPtr<IDispatch> document;
    if (!browser_ || FAILED(browser_->get_Document(document.Receive())))
        return {};
    return document;
}

void HtmlPane::OnDocumentArrived()
{
    win::ComPtr<IDispatch> document = Document();
    if (!document)
        return;  // the next event or the timer decides
    ConnectKeySink(document.Get());
    Tell(navigation_.DocumentArrived());
}

// No event named the page in time. A document counts only if the browser
// stands at this page: until it commits, it still holds the previous one.
void HtmlPane::OnTimeout()
{
    BSTR location = nullptr;
    bool here = false;
    if (navigation_.IsWaiting() && browser_ && SUCCEEDED(browser_->get_LocationURL(&location)) && location)
        here = core::AddressNamesFile(win::U16({location, SysStringLen(location)}), file_.Path());
    SysFreeString(location);
    win::ComPtr<IDispatch> document = here ? Document() : win::ComPtr<IDispatch>();
    if (document)
        ConnectKeySink(document.Get());
    Tell(navigation_.TimedOut(static_cast<bool>(document)));
}

// Inside ShowPage the outcome is its result, not a report.
void HtmlPane::Tell(core::PageNavigation::Report report)
{
    if (!navigation_.IsWaiting())
        KillTimer(Hwnd(), kNoDocumentTimer);
    if (report != core::PageNavigation::Report::None && !insideShowPage_)
        host_.HtmlPageShown(report == core::PageNavigation::Report::Shown);
}

}  // namespace viewer
