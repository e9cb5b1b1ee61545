#include "frontends/win32/browser/HtmlPane_win.h"

#include "frontends/win32/browser/BrowserEvents_win.h"
#include "frontends/win32/browser/BrowserSite_win.h"
#include "frontends/win32/browser/EventSink_win.h"
#include "platform/win32/MessageBox.h"
#include "platform/win32/WindowClass.h"

namespace viewer {
namespace {

constexpr wchar_t kClassName[] = L"VornView.HtmlPane";
constexpr DISPID kKeyDown = -602;
constexpr wchar_t kKeySinkFailedText[] = L"Ошибка при подключении к событиям!";

// HTMLDocumentEvents, the document's event interface.
constexpr GUID kDocumentEvents = {0x3050F260, 0x98B5, 0x11CF, {0xBB, 0x82, 0x00, 0xAA, 0x00, 0xBD, 0xCE, 0x0B}};

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
    // Nothing of the browser may outlive OLE on this thread.
    for (EventConnection* events : {&keyEvents_, &browserEvents_}) {
        events->Disconnect();
        events->Drop();
    }
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

// Key-down, not key-press: the browser sends no key-press for Tab. The
// viewer reads the keys from the keyboard's state, which the event's key
// message set.
void HtmlPane::OnDocumentKey() { host_.HandleHeldKeys(); }

void HtmlPane::UseCommandTarget(IOleCommandTarget* target)
{
    if (target)
        target->AddRef();
    testTarget_ = win::ComPtr<IOleCommandTarget>(target);
}

bool HtmlPane::ExecCommand(DWORD command, DWORD option)
{
    win::ComPtr<IOleCommandTarget> target = testTarget_;
    if (!target)
        target = Document().As<IOleCommandTarget>(IID_IOleCommandTarget);
    return target && SUCCEEDED(target->Exec(nullptr, command, option, nullptr, nullptr));
}

bool HtmlPane::CopySelection() { return ExecCommand(OLECMDID_COPY); }

bool HtmlPane::SelectAllText() { return ExecCommand(OLECMDID_SELECTALL); }

bool HtmlPane::Print() { return ExecCommand(OLECMDID_PRINT, OLECMDEXECOPT_PROMPTUSER); }

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
    case WM_GETDLGCODE:
        return DLGC_WANTALLKEYS;
    case WM_KEYDOWN:
        // The pane itself has the focus only while it holds no document.
        host_.HandleKey(static_cast<UINT>(wParam));
        return 0;
    case WM_DESTROY:
        CloseBrowser();
        break;
    }
    return Default(msg, wParam, lParam);
}

}  // namespace viewer
