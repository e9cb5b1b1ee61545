#include "tools/listerhost/ListerWindow.h"

#include "platform/win32/WindowClass.h"

#include <vector>

namespace listerhost {
namespace {

constexpr wchar_t kListerClass[] = L"VornView.ListerHost.Lister";
constexpr wchar_t kPanelClass[] = L"VornView.ListerHost.Panel";

}  // namespace

// The panel only holds the embedded Lister and keeps it filling its client
// area; in Quick View the file list takes the left half.
class PanelWindow : public win::Wnd {
public:
    HWND lister = nullptr;
    HWND fileList = nullptr;

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override
    {
        if (msg == WM_SIZE && lister) {
            const int width = LOWORD(lParam), height = HIWORD(lParam), listWidth = fileList ? width / 2 : 0;
            if (fileList)
                MoveWindow(fileList, 0, 0, listWidth, height, TRUE);
            MoveWindow(lister, listWidth, 0, width - listWidth, height, TRUE);
        }
        return Default(msg, wParam, lParam);
    }
};

bool RegisterHostClasses()
{
    WNDCLASSEXW wc{};
    wc.lpfnWndProc = win::Wnd::StaticWndProc;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kListerClass;
    if (!win::RegisterWindowClass(wc))
        return false;
    wc.lpszClassName = kPanelClass;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1);
    return win::RegisterWindowClass(wc);
}

HMENU MakeHostMenu()
{
    HMENU edit = CreatePopupMenu();
    AppendMenuW(edit, MF_STRING, kMenuCopy, L"&Copy");
    AppendMenuW(edit, MF_STRING, kMenuSelectAll, L"Select &all");
    AppendMenuW(edit, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(edit, MF_STRING, kMenuWrap, L"&Wrap text");
    AppendMenuW(edit, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(edit, MF_STRING, kMenuClose, L"C&lose");
    HMENU bar = CreateMenu();
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(edit), L"&Lister");
    return bar;
}

ListerWindow::ListerWindow(const Plugin& plugin) : plugin_(plugin) {}

void ListerWindow::AddMenu()
{
    HWND top = TopLevel();
    RECT client{};
    GetClientRect(top, &client);
    SetMenu(top, MakeHostMenu());
    Resize(client.right, client.bottom);
}

ListerWindow::~ListerWindow()
{
    CloseView();
    Destroy();
    if (panel_)
        panel_->Destroy();
}

bool ListerWindow::Create(const RECT& rect, bool embedded)
{
    if (!RegisterHostClasses())
        return false;
    if (!embedded)
        return Wnd::Create({kListerClass, L"Lister", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_VISIBLE, 0, rect});
    panel_ = std::make_unique<PanelWindow>();
    if (!panel_->Create({kPanelClass, L"Panel", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_VISIBLE, 0, rect}))
        return false;
    RECT client{};
    GetClientRect(panel_->Hwnd(), &client);
    if (!Wnd::Create({kListerClass, L"Lister", WS_CHILD | WS_CLIPCHILDREN | WS_VISIBLE, 0, client, panel_->Hwnd(), 1}))
        return false;
    panel_->lister = Hwnd();
    return true;
}

bool ListerWindow::CreateQuickView(const RECT& rect)
{
    if (!Create(rect, true))
        return false;
    RECT client{};
    GetClientRect(panel_->Hwnd(), &client);
    panel_->fileList = CreateWindowExW(WS_EX_CLIENTEDGE, L"LISTBOX", L"", WS_CHILD | WS_VISIBLE | WS_VSCROLL, 0, 0,
                                       client.right / 2, client.bottom, panel_->Hwnd(), nullptr, nullptr, nullptr);
    if (!panel_->fileList)
        return false;
    SendMessageW(panel_->fileList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"a.vnb"));
    SendMessageW(panel_->fileList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"b.vnb"));
    SendMessageW(panel_->fileList, LB_SETCURSEL, 0, 0);
    SendMessageW(panel_->Hwnd(), WM_SIZE, 0, MAKELPARAM(client.right, client.bottom));
    SetFocus(panel_->fileList);
    return true;
}

HWND ListerWindow::FileList() const { return panel_ ? panel_->fileList : nullptr; }

HWND ListerWindow::TopLevel() const { return panel_ ? panel_->Hwnd() : Hwnd(); }

bool ListerWindow::Open(const std::wstring& file)
{
    if (plugin_.HasWideEntries()) {
        CloseView();
        pluginWindow_ = plugin_.ListLoadW(Hwnd(), file, ShowFlags);
        return pluginWindow_ != nullptr;
    }
    int n = WideCharToMultiByte(CP_ACP, 0, file.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::vector<char> ansi(n > 0 ? n : 1, '\0');
    if (n > 0)
        WideCharToMultiByte(CP_ACP, 0, file.c_str(), -1, ansi.data(), n, nullptr, nullptr);
    return Open(std::string(ansi.data()));
}

bool ListerWindow::Open(const std::string& ansiFile)
{
    CloseView();
    pluginWindow_ = plugin_.ListLoad(Hwnd(), ansiFile, ShowFlags);
    return pluginWindow_ != nullptr;
}

int ListerWindow::OpenNext(const std::wstring& file, int showFlags)
{
    if (plugin_.HasWideEntries())
        return plugin_.ListLoadNextW(Hwnd(), pluginWindow_, file, showFlags);
    int n = WideCharToMultiByte(CP_ACP, 0, file.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::vector<char> ansi(n > 0 ? n : 1, '\0');
    if (n > 0)
        WideCharToMultiByte(CP_ACP, 0, file.c_str(), -1, ansi.data(), n, nullptr, nullptr);
    return plugin_.ListLoadNext(Hwnd(), pluginWindow_, ansi.data(), showFlags);
}

int ListerWindow::Search(const std::wstring& text, int flags)
{
    return plugin_.ListSearchTextW(pluginWindow_, text, flags);
}

int ListerWindow::SendCommand(int command, int parameter)
{
    return plugin_.ListSendCommand(pluginWindow_, command, parameter);
}

void ListerWindow::Resize(int width, int height)
{
    RECT rc{0, 0, width, height};
    HWND top = TopLevel();
    AdjustWindowRectEx(&rc, GetWindowLongW(top, GWL_STYLE), GetMenu(top) != nullptr, GetWindowLongW(top, GWL_EXSTYLE));
    SetWindowPos(top, nullptr, 0, 0, rc.right - rc.left, rc.bottom - rc.top, SWP_NOMOVE | SWP_NOZORDER);
}

void ListerWindow::CloseView()
{
    if (pluginWindow_) {
        HWND view = pluginWindow_;
        pluginWindow_ = nullptr;
        plugin_.ListCloseWindow(view);
    }
}

void ListerWindow::Close()
{
    CloseView();
    if (panel_)
        panel_->Destroy();
    else
        Destroy();
}

LRESULT ListerWindow::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_SIZE:
        if (pluginWindow_ && IsWindow(pluginWindow_))
            MoveWindow(pluginWindow_, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
        return 0;
    case WM_SETFOCUS:
        if (pluginWindow_ && IsWindow(pluginWindow_))
            SetFocus(pluginWindow_);
        return 0;
    case WM_KEYDOWN:
        receivedKeys_.push_back(static_cast<UINT>(wParam));
        if ((wParam == VK_TAB || wParam == VK_ESCAPE) && FileList())
            SetFocus(FileList());
        return 0;
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == SC_CLOSE)
            ++closeRequests_;
        break;
    case WM_CLOSE:
        Close();
        return 0;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case kMenuCopy:
            SendCommand(1, 0);
            return 0;
        case kMenuSelectAll:
            SendCommand(3, 0);
            return 0;
        case kMenuWrap:
            wrap_ = !wrap_;
            CheckMenuItem(GetMenu(Hwnd()), kMenuWrap, wrap_ ? MF_CHECKED : MF_UNCHECKED);
            SendCommand(2, wrap_ ? 1 : 0);
            return 0;
        case kMenuClose:
            Close();
            return 0;
        }
        break;
    case WM_DESTROY:
        CloseView();
        if (QuitOnDestroy)
            PostQuitMessage(0);
        return 0;
    }
    return Default(msg, wParam, lParam);
}

}  // namespace listerhost
