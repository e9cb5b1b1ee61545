#include "components/RichTextPane_win.h"

#include "platform/win32/Clipboard.h"
#include "platform/win32/Module.h"

#include <richedit.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace components {
namespace {

constexpr DWORD kStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE |
                         ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_NOHIDESEL | ES_READONLY | ES_DISABLENOSCROLL;
constexpr LONG kTextLimit = 0xFFFFFF;

struct InStream {
    const BYTE* data;
    size_t size;
    size_t offset;
};

DWORD CALLBACK ReadChunk(DWORD_PTR cookie, LPBYTE buffer, LONG wanted, LONG* given)
{
    auto* in = reinterpret_cast<InStream*>(cookie);
    size_t n = std::min(static_cast<size_t>(wanted), in->size - in->offset);
    std::memcpy(buffer, in->data + in->offset, n);
    in->offset += n;
    *given = static_cast<LONG>(n);
    return 0;
}

DWORD CALLBACK WriteChunk(DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG* taken)
{
    auto* out = reinterpret_cast<std::vector<BYTE>*>(cookie);
    out->insert(out->end(), buffer, buffer + size);
    *taken = size;
    return 0;
}

}  // namespace

// msftedit first (from the system, then beside the plug-in), riched20 last.
RichTextPane::RichTextPane(PaneHost& host) : host_(host)
{
    library_ = LoadLibraryW(L"msftedit.dll");
    if (!library_)
        library_ = LoadLibraryW((win::ThisModuleFolder() + L"msftedit.dll").c_str());
    if (library_) {
        className_ = L"RichEdit50W";
    } else if ((library_ = LoadLibraryW(L"RichEd20.dll")) != nullptr) {
        className_ = L"RichEdit20A";
    }
}

RichTextPane::~RichTextPane()
{
    Destroy();
    if (library_)
        FreeLibrary(library_);
}

bool RichTextPane::Create(const RECT& rect, HWND parent, UINT id, COLORREF background)
{
    bool created = !className_.empty() && CreateControl(className_.c_str(), L"", kStyle, 0, rect, parent, id);
    if (!created) {
        if (!library_)
            library_ = LoadLibraryW(L"riched32.dll");
        if (!CreateControl(L"RICHEDIT", L"", kStyle, 0, rect, parent, id))
            return false;
    }
    HDC dc = GetDC(Hwnd());
    SendMessageW(Hwnd(), EM_SETTARGETDEVICE, reinterpret_cast<WPARAM>(dc), -1);
    ReleaseDC(Hwnd(), dc);
    SendMessageW(Hwnd(), EM_SETOPTIONS, ECOOP_OR, ECO_SELECTIONBAR);
    SendMessageW(Hwnd(), EM_SETBKGNDCOLOR, 0, background);
    LRESULT mask = SendMessageW(Hwnd(), EM_GETEVENTMASK, 0, 0);
    SendMessageW(Hwnd(), EM_SETEVENTMASK, 0, mask | ENM_LINK);
    SendMessageW(Hwnd(), EM_AUTOURLDETECT, TRUE, 0);
    return true;
}

bool RichTextPane::SetPlainText(const std::wstring& text)
{
    if (SendMessageW(Hwnd(), EM_GETLIMITTEXT, 0, 0) < kTextLimit)
        SendMessageW(Hwnd(), EM_EXLIMITTEXT, 0, kTextLimit);
    InStream in{reinterpret_cast<const BYTE*>(text.data()), text.size() * sizeof(wchar_t), 0};
    EDITSTREAM stream{reinterpret_cast<DWORD_PTR>(&in), 0, ReadChunk};
    SendMessageW(Hwnd(), EM_STREAMIN, SF_TEXT | SF_UNICODE, reinterpret_cast<LPARAM>(&stream));
    return stream.dwError == 0;
}

void RichTextPane::CentreAll()
{
    CHARRANGE all{0, -1};
    SendMessageW(Hwnd(), EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&all));
    PARAFORMAT format{};
    format.cbSize = sizeof format;
    format.dwMask = PFM_ALIGNMENT;
    format.wAlignment = PFA_CENTER;
    SendMessageW(Hwnd(), EM_SETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&format));
    CHARRANGE none{-1, -1};
    SendMessageW(Hwnd(), EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&none));
}

std::wstring RichTextPane::Text() const
{
    int length = GetWindowTextLengthW(Hwnd());
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    int n = GetWindowTextW(Hwnd(), text.data(), length + 1);
    text.resize(n > 0 ? n : 0);
    return text;
}

void RichTextPane::SelectAll()
{
    CHARRANGE all{0, -1};
    SendMessageW(Hwnd(), EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&all));
}

// Wrapping at the window edge needs no horizontal scroll bar; without
// wrapping long lines do.
void RichTextPane::SetWordWrap(bool wrap)
{
    SendMessageW(Hwnd(), EM_SETTARGETDEVICE, 0, wrap ? 0 : 1);
    SendMessageW(Hwnd(), EM_SHOWSCROLLBAR, SB_HORZ, wrap ? FALSE : TRUE);
}

bool RichTextPane::CopyAsPlainText()
{
    std::vector<BYTE> bytes;
    EDITSTREAM stream{reinterpret_cast<DWORD_PTR>(&bytes), 0, WriteChunk};
    SendMessageW(Hwnd(), EM_STREAMOUT, SFF_SELECTION | SF_TEXT | SF_UNICODE, reinterpret_cast<LPARAM>(&stream));
    std::wstring text(reinterpret_cast<const wchar_t*>(bytes.data()), bytes.size() / sizeof(wchar_t));
    if (!win::SetClipboardText(text)) {
        MessageBeep(static_cast<UINT>(-1));
        return false;
    }
    return true;
}

LRESULT RichTextPane::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_KEYDOWN:
        if (host_.HandleKey(static_cast<UINT>(wParam), lParam))
            return 0;
        break;
    case WM_SETFOCUS: {
        LRESULT result = Default(msg, wParam, lParam);
        host_.SetFocusPane(Hwnd());
        return result;
    }
    case WM_SIZE: {
        LRESULT result = Default(msg, wParam, lParam);
        RedrawWindow(Hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        return result;
    }
    case WM_GETDLGCODE:
        // Inside a dialog the control would otherwise never see Tab or Escape.
        return Default(msg, wParam, lParam) | DLGC_WANTALLKEYS;
    }
    return Default(msg, wParam, lParam);
}

}  // namespace components
