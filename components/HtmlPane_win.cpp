#include "components/HtmlPane_win.h"

#include "components/BrowserEvents_win.h"
#include "components/BrowserSite_win.h"
#include "components/EventSink_win.h"
#include "platform/win32/MessageBox.h"
#include "platform/win32/WideText.h"
#include "platform/win32/WindowClass.h"

#include <algorithm>
#include <cwctype>

namespace components {
namespace {

constexpr wchar_t kClassName[] = L"VornView.HtmlPane";
constexpr UINT_PTR kNoDocumentTimer = 1;
// A local file is committed well within this; a browser that has shown
// nothing by then is taken to have no engine (Wine without one sends no
// event at all), and the page shows as source. Should it come later after
// all, the page is shown then.
constexpr UINT kNoDocumentMs = 3000;
constexpr UINT kKeySinkFailed = WM_APP + 1;
constexpr DISPID kKeyDown = -602;
constexpr wchar_t kKeySinkFailedText[] = L"Ошибка при подключении к событиям!";

// HTMLDocumentEvents, the document's event interface.
constexpr GUID kDocumentEvents = {0x3050F260, 0x98B5, 0x11CF, {0xBB, 0x82, 0x00, 0xAA, 0x00, 0xBD, 0xCE, 0x0B}};

std::wstring Lower(std::wstring text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](wchar_t c) { return static_cast<wchar_t>(std::towlower(c)); });
    return text;
}

bool IsDown(int key) { return GetKeyState(key) < 0; }

}  // namespace

HtmlPane::HtmlPane(HtmlPaneHost& host) : host_(host) {}

HtmlPane::~HtmlPane() { CloseBrowser(); }

bool HtmlPane::Create(const RECT& rect, HWND parent, UINT id)
{
    WNDCLASSEXW wc{};
    wc.lpfnWndProc = Wnd::StaticWndProc;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = kClassName;
    if (!win::RegisterWindowClass(wc) ||
        !Wnd::Create({kClassName, L"", WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, 0, rect, parent, id}))
        return false;
    if (CreateBrowser())
        return true;
    CloseBrowser();
    Destroy();
    return false;
}

bool HtmlPane::CreateBrowser()
{
    // The control needs OLE on this thread; a thread already in the
    // multithreaded apartment cannot host it.
    if (FAILED(OleInitialize(nullptr)))
        return false;
    oleStarted_ = true;
    HRESULT hr = CoCreateInstance(CLSID_WebBrowser, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject,
                                  reinterpret_cast<void**>(object_.Receive()));
    if (FAILED(hr) || !object_)
        return false;
    // The site first: the control asks it for the download-control ambient
    // property before it loads anything.
    site_ = BrowserSite::Create(Hwnd());
    if (!site_ || FAILED(object_->SetClientSite(site_)))
        return false;
    site_->OnActivate([this] { host_.SetFocusPane(Hwnd()); });
    browser_ = object_.As<IWebBrowser2>(IID_IWebBrowser2);
    browserSink_ = EventSink::Create(DIID_DWebBrowserEvents2, [this](DISPID id, DISPPARAMS* params) {
        OnBrowserEvent(id, params);
    });
    if (!browser_ || !browserSink_ || FAILED(browserEvents_.Connect(browser_.Get(), DIID_DWebBrowserEvents2, browserSink_)))
        return false;
    RECT client{};
    GetClientRect(Hwnd(), &client);
    if (FAILED(object_->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, site_, 0, Hwnd(), &client)))
        return false;
    // No dialogs of its own; a control that cannot be silenced still shows
    // pages, so the result does not matter.
    browser_->put_Silent(VARIANT_TRUE);
    return true;
}

// Teardown: a call that fails here leaves nothing else to do.
void HtmlPane::CloseBrowser()
{
    if (Hwnd())
        KillTimer(Hwnd(), kNoDocumentTimer);
    state_ = State::Empty;
    keyEvents_.Disconnect();
    browserEvents_.Disconnect();
    for (EventSink** sink : {&keySink_, &browserSink_}) {
        if (*sink) {
            (*sink)->Detach();
            (*sink)->Release();
            *sink = nullptr;
        }
    }
    browser_.Reset();
    if (object_) {
        object_->Close(OLECLOSE_NOSAVE);
        object_->SetClientSite(nullptr);
        object_.Reset();
    }
    if (site_) {
        site_->Detach();
        site_->Release();
        site_ = nullptr;
    }
    if (oleStarted_)
        OleUninitialize();
    oleStarted_ = false;
}

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

void HtmlPane::ConnectKeySink(IDispatch* document)
{
    if (keyEvents_.IsConnected() && SameObject(keyEvents_.Source(), document))
        return;
    if (!keySink_)
        keySink_ = EventSink::Create(kDocumentEvents, [this](DISPID id, DISPPARAMS*) {
            if (id == kKeyDown)
                OnDocumentKey();
        });
    // The message waits until the browser's event is over.
    if (!keySink_ || FAILED(keyEvents_.Connect(document, kDocumentEvents, keySink_)))
        PostMessageW(Hwnd(), kKeySinkFailed, 0, 0);
}

// Key-down, not key-press: the browser sends no key-press for Tab. The keys
// are read from the keyboard's state, which the event's key message set.
void HtmlPane::OnDocumentKey()
{
    if (IsDown(VK_TAB))
        host_.SwitchFocus();
    if (IsDown(VK_ESCAPE))
        host_.RequestClose();
    if (IsDown(VK_CONTROL) && IsDown('T'))
        host_.ToggleTreePane();
}

void HtmlPane::UseCommandTarget(IOleCommandTarget* target)
{
    if (target)
        target->AddRef();
    testTarget_ = win::ComPtr<IOleCommandTarget>(target);
}

bool HtmlPane::ExecCommand(DWORD command)
{
    win::ComPtr<IOleCommandTarget> target = testTarget_;
    if (!target)
        target = Document().As<IOleCommandTarget>(IID_IOleCommandTarget);
    return target && SUCCEEDED(target->Exec(nullptr, command, OLECMDEXECOPT_DONTPROMPTUSER, nullptr, nullptr));
}

bool HtmlPane::CopySelection() { return ExecCommand(OLECMDID_COPY); }

bool HtmlPane::SelectAllText() { return ExecCommand(OLECMDID_SELECTALL); }

void HtmlPane::Resize()
{
    if (!object_)
        return;
    RECT client{};
    GetClientRect(Hwnd(), &client);
    if (win::ComPtr<IOleInPlaceObject> inPlace = object_.As<IOleInPlaceObject>(IID_IOleInPlaceObject))
        inPlace->SetObjectRects(&client, &client);  // a control that refuses keeps its size
}

LRESULT HtmlPane::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_SIZE:
        Resize();
        return 0;
    case WM_TIMER:
        if (wParam != kNoDocumentTimer)
            break;
        OnTimeout();
        return 0;
    case WM_SETFOCUS:
        host_.SetFocusPane(Hwnd());
        if (object_ && site_) {
            RECT client{};
            GetClientRect(Hwnd(), &client);
            // The control takes the focus into its document; without one
            // the container keeps it.
            object_->DoVerb(OLEIVERB_UIACTIVATE, nullptr, site_, 0, Hwnd(), &client);
        }
        return 0;
    case kKeySinkFailed:
        win::AppMessageBox(Hwnd(), kKeySinkFailedText, MB_OK | MB_ICONEXCLAMATION);
        return 0;
    case WM_DESTROY:
        CloseBrowser();
        break;
    }
    return Default(msg, wParam, lParam);
}

}  // namespace components
