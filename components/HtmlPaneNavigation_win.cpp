// Showing a page: its file, the navigation, and the browser's word on it,
// which decides between the page and its source.
#include "components/BrowserEvents_win.h"
#include "components/HtmlPane_win.h"
#include "platform/win32/WideText.h"

#include <algorithm>
#include <cwctype>

namespace components {
namespace {

std::wstring Lower(std::wstring text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](wchar_t c) { return static_cast<wchar_t>(std::towlower(c)); });
    return text;
}

}  // namespace

bool HtmlPane::ShowPage(PageFileKind kind, std::u16string_view text)
{
    if (!browser_ || !Hwnd())
        return false;
    KillTimer(Hwnd(), kNoDocumentTimer);
    keyEvents_.Disconnect();
    state_ = State::Failed;
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
    state_ = State::Waiting;
    insideShowPage_ = true;
    const HRESULT hr = url.bstrVal ? browser_->Navigate2(&url, &flags, &none, &none, &none) : E_OUTOFMEMORY;
    insideShowPage_ = false;
    VariantClear(&url);
    if (FAILED(hr))
        state_ = State::Failed;
    if (state_ == State::Waiting)
        SetTimer(Hwnd(), kNoDocumentTimer, kNoDocumentMs, nullptr);
    return state_ != State::Failed;
}

void HtmlPane::OnBrowserEvent(DISPID id, DISPPARAMS* params)
{
    const NavigationEvent event = ReadNavigationEvent(id, params);
    if (event.kind == NavigationEvent::Other || !ConcernsThisPage(event))
        return;
    if (event.kind == NavigationEvent::Failed) {
        // Not the browser's own error page: the source is shown instead.
        *event.cancel = VARIANT_TRUE;
        OnNoDocument();
    } else {
        OnDocumentArrived();
    }
}

// Frames of the page navigate too, and an event of the page shown before
// may still arrive: only the page's own navigation counts.
bool HtmlPane::ConcernsThisPage(const NavigationEvent& event) const
{
    return SameObject(event.target, browser_.Get()) && NamesThisPage(event.url);
}

// File names are unique and plain ASCII, so the address holds this one
// verbatim however the browser writes the rest.
bool HtmlPane::NamesThisPage(const std::wstring& url) const
{
    const std::u16string& path = file_.Path();
    const size_t slash = path.find_last_of(u"\\/");
    const std::wstring name = Lower(win::Wide(slash == std::u16string::npos ? path : path.substr(slash + 1)));
    return !name.empty() && Lower(url).find(name) != std::wstring::npos;
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
    KillTimer(Hwnd(), kNoDocumentTimer);
    ConnectKeySink(document.Get());
    const bool late = state_ == State::Failed;
    state_ = State::Shown;
    if (late && !insideShowPage_)
        host_.HtmlPageShown(true);
}

void HtmlPane::OnNoDocument()
{
    KillTimer(Hwnd(), kNoDocumentTimer);
    if (state_ != State::Waiting)
        return;
    state_ = State::Failed;
    if (!insideShowPage_)
        host_.HtmlPageShown(false);
}

// No event named the page in time. A document counts only if the browser
// stands at this page: until it commits, it still holds the previous one.
void HtmlPane::OnTimeout()
{
    KillTimer(Hwnd(), kNoDocumentTimer);
    if (state_ != State::Waiting)
        return;
    BSTR location = nullptr;
    bool here = false;
    if (browser_ && SUCCEEDED(browser_->get_LocationURL(&location)) && location)
        here = NamesThisPage(std::wstring(location, SysStringLen(location)));
    SysFreeString(location);
    if (here && Document())
        OnDocumentArrived();
    else
        OnNoDocument();
}

}  // namespace components
