#include "frontends/win32/panes/RichTextPane_win.h"

#include "core/links/LinkTarget.h"
#include "core/panes/CaretPlace.h"
#include "core/links/Links.h"
#include "frontends/win32/panes/RichEditOleCallback_win.h"
#include "frontends/win32/panes/RichTextLinks_win.h"
#include "frontends/win32/panes/RichTextStream_win.h"
#include "frontends/win32/system/FontRecords_win.h"
#include "frontends/win32/system/ShellActions_win.h"
#include "model/Page.h"
#include "platform/win32/Gdi.h"
#include "platform/win32/Module.h"
#include "platform/win32/Reflect.h"
#include "platform/win32/WideText.h"
#include "resources/ResourceIds.h"

#include <windowsx.h>

#include <algorithm>
#include <climits>

namespace viewer {
namespace {

constexpr DWORD kStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE |
                         ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_NOHIDESEL | ES_READONLY | ES_DISABLENOSCROLL;
constexpr UINT_PTR kLinkTimer = 100;
constexpr UINT_PTR kRetireTimer = 101;
constexpr UINT kLinkDelayMs = 1000;
constexpr LONG kBaseHeightTwips = 200;  // 10 points

// The face of the system's message font at a size meant for reading: the
// control's own default ("System" on some systems) is a poor page font.
CHARFORMATW BaseFormat(COLORREF colour)
{
    CHARFORMATW format{};
    format.cbSize = sizeof format;
    format.dwMask = CFM_FACE | CFM_SIZE | CFM_CHARSET | CFM_COLOR | CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE |
                    CFM_STRIKEOUT;
    format.yHeight = kBaseHeightTwips;
    format.crTextColor = colour;
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0) &&
        metrics.lfMessageFont.lfFaceName[0]) {
        lstrcpynW(format.szFaceName, metrics.lfMessageFont.lfFaceName, LF_FACESIZE);
        format.bCharSet = metrics.lfMessageFont.lfCharSet;
        format.bPitchAndFamily = metrics.lfMessageFont.lfPitchAndFamily;
    } else {
        lstrcpynW(format.szFaceName, L"Tahoma", LF_FACESIZE);
        format.bCharSet = DEFAULT_CHARSET;
    }
    return format;
}

// Emptying a control that holds a long text takes seconds on some systems
// (growing with the square of its length), while a new control is made in
// milliseconds.
constexpr LRESULT kReplaceAboveCharacters = 16384;

// The format of the character before a position (at 0: what text typed
// there would get). The selection stays as it was: the link passes that
// follow leave a page with a selection alone.
CHARFORMATW FormatAt(HWND edit, LONG position)
{
    CHARRANGE before{};
    SendMessageW(edit, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&before));
    CHARRANGE range{std::max<LONG>(position - 1, 0), position};
    SendMessageW(edit, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
    CHARFORMATW format{};
    format.cbSize = sizeof format;
    SendMessageW(edit, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
    SendMessageW(edit, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&before));
    return format;
}

bool SameLook(const CHARFORMATW& a, const CHARFORMATW& b)
{
    constexpr DWORD kEffects = CFE_BOLD | CFE_ITALIC | CFE_UNDERLINE | CFE_STRIKEOUT | CFE_AUTOCOLOR;
    return a.yHeight == b.yHeight && a.crTextColor == b.crTextColor && a.bCharSet == b.bCharSet &&
           (a.dwEffects & kEffects) == (b.dwEffects & kEffects) && lstrcmpW(a.szFaceName, b.szFaceName) == 0;
}

}  // namespace

// msftedit first (from the system, then beside the plug-in), riched20 last.
RichTextPane::RichTextPane(PaneHost& host, core::TextPaneSettings& settings)
    : Pane(host),
      settings_(settings),
      background_(GetSysColor(COLOR_WINDOW)),
      ownPasses_(std::make_unique<RichTextLinkPasses>()),
      passes_(ownPasses_.get())
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
    DestroyRetired();
    Destroy();
    if (library_)
        FreeLibrary(library_);
    if (oldLibrary_)
        FreeLibrary(oldLibrary_);
}

bool RichTextPane::Create(const RECT& rect, HWND parent, UINT id)
{
    win::WindowSpec spec{className_.c_str(), L"", kStyle, 0, rect, parent, id};
    bool created = !className_.empty() && CreateControl(spec);
    if (!created) {
        // The oldest rich edit, whatever became of the chosen one.
        if (!oldLibrary_)
            oldLibrary_ = LoadLibraryW(L"riched32.dll");
        spec.className = L"RICHEDIT";
        if (!CreateControl(spec))
            return false;
    }
    AfterCreate();
    return true;
}

void RichTextPane::AfterCreate()
{
    // Embedded pictures need storage from the host; without it the control
    // shows only their places.
    InstallOleCallback(Hwnd());
    {
        win::WindowDc dc(Hwnd(), false);
        SendMessageW(Hwnd(), EM_SETTARGETDEVICE, reinterpret_cast<WPARAM>(dc.Get()), -1);
    }
    SendMessageW(Hwnd(), EM_SETOPTIONS, ECOOP_OR, ECO_SELECTIONBAR);
    SendMessageW(Hwnd(), EM_SETBKGNDCOLOR, 0, settings_.BackColour());
    LRESULT mask = SendMessageW(Hwnd(), EM_GETEVENTMASK, 0, 0);
    SendMessageW(Hwnd(), EM_SETEVENTMASK, 0, mask | ENM_LINK);
    SendMessageW(Hwnd(), EM_AUTOURLDETECT, TRUE, 0);
    // The text colour on all text, and a readable default font under it.
    baseFormat_ = BaseFormat(settings_.TextColour());
    ApplyFormat(baseFormat_, SCF_DEFAULT);
    ApplyFormat(baseFormat_, SCF_ALL);
}

void RichTextPane::ApplyFormat(const CHARFORMATW& format, WPARAM scope)
{
    CHARFORMATW copy = format;
    SendMessageW(Hwnd(), EM_SETCHARFORMAT, scope, reinterpret_cast<LPARAM>(&copy));
}

void RichTextPane::ApplyTextColour()
{
    // The short (narrow) record: only its colour counts.
    CHARFORMATW format{};
    format.cbSize = sizeof(CHARFORMATA);
    format.dwMask = CFM_COLOR;
    format.crTextColor = settings_.TextColour();
    ApplyFormat(format, SCF_ALL);
}

bool RichTextPane::SetPlainText(std::u16string_view text)
{
    bool ok = StreamInPlainText(Hwnd(), text);
    ApplyFormat(baseFormat_, SCF_ALL);
    return ok;
}

// Each change of format over a long text is a pass over all of it (seconds
// for a megabyte on some systems): text without formatting of its own gets
// its format while the control is empty, and the passes run afterwards only
// when the text did not come in with it.
void RichTextPane::ShowPage(const model::CPage& page)
{
    Empty();
    const std::u16string text = page.Text();
    const bool rich = page.Kind() == model::kRichText;
    baseFormat_.crTextColor = settings_.TextColour();
    std::optional<CHARFORMATW> prepared;
    if (!rich) {
        PrepareFormat(page);
        prepared = FormatAt(Hwnd(), 0);
    }
    if (rich && !text.empty())
        StreamInRtf(Hwnd(), text);
    else if (!text.empty())
        StreamInPlainText(Hwnd(), text);
    if (prepared && !text.empty() && !SameLook(*prepared, FormatAt(Hwnd(), 1)))
        PrepareFormat(page);
    if (passes_)
        passes_->AfterShow(Hwnd());
    SetTimer(Hwnd(), kLinkTimer, kLinkDelayMs, nullptr);
    PlaceCaret(page);
    plainText_ = page.IsPlainText();
}

// Text that brings no formatting of its own starts from the base font: the
// control may still hold the defaults of the RTF shown before.
void RichTextPane::PrepareFormat(const model::CPage& page)
{
    ApplyFormat(baseFormat_, SCF_ALL);
    if (page.IsPlainText()) {
        if (settings_.EditFont().size != 0)
            ApplyFormat(ToCharFormat(settings_.EditFont()), SCF_ALL);
        ApplyTextColour();
    }
}

void RichTextPane::Empty()
{
    GETTEXTLENGTHEX how{GTL_NUMCHARS, 1200};
    const LRESULT length = SendMessageW(Hwnd(), EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&how), 0);
    if (length > kReplaceAboveCharacters && ReplaceControl())
        return;
    SetWindowTextW(Hwnd(), L"");
}

// The new control goes where the old one was, in size, place, z-order (the
// order Tab follows) and visibility, set up as the old one was; the focus
// moves over before the old one goes.
bool RichTextPane::ReplaceControl()
{
    DestroyRetired();
    const HWND old = Hwnd();
    const HWND parent = GetParent(old);
    wchar_t className[64]{};
    if (!GetClassNameW(old, className, 64))
        return false;
    RECT place{};
    GetWindowRect(old, &place);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&place), 2);
    const HWND focus = GetFocus();
    const bool focused = focus && (focus == old || IsChild(old, focus));
    const bool visible = (GetWindowLongW(old, GWL_STYLE) & WS_VISIBLE) != 0;
    const COLORREF background = background_;
    const LRESULT events = SendMessageW(old, EM_GETEVENTMASK, 0, 0);
    WPARAM zoomNumerator = 0;
    LPARAM zoomDenominator = 0;
    SendMessageW(old, EM_GETZOOM, reinterpret_cast<WPARAM>(&zoomNumerator), reinterpret_cast<LPARAM>(&zoomDenominator));

    const HWND fresh = CreateWindowExW(GetWindowLongW(old, GWL_EXSTYLE), className, L"", kStyle & ~WS_VISIBLE,
                                       place.left, place.top, place.right - place.left, place.bottom - place.top,
                                       parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(GetDlgCtrlID(old))),
                                       win::ThisModule(), nullptr);
    if (!fresh)
        return false;
    if (!MoveTo(fresh)) {
        DestroyWindow(fresh);
        return false;
    }
    AfterCreate();
    if (chosenDefault_)
        ApplyFormat(*chosenDefault_, SCF_DEFAULT);
    if (wordWrap_)
        SetWordWrap(*wordWrap_);
    SendMessageW(fresh, EM_SETBKGNDCOLOR, 0, background);
    SendMessageW(fresh, EM_SETEVENTMASK, 0, events);
    if (zoomNumerator && zoomDenominator)
        SendMessageW(fresh, EM_SETZOOM, zoomNumerator, zoomDenominator);
    SetWindowPos(fresh, old, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | (visible ? SWP_SHOWWINDOW : 0));
    if (focused)
        SetFocus(fresh);
    Host().PaneReplaced(old, fresh);
    // The old control may be the one whose message brought the new page (a
    // click on a page link): it goes once that message is done with.
    ShowWindow(old, SW_HIDE);
    SetWindowLongPtrW(old, GWLP_ID, 0);  // the pane's identifier names the new one alone
    retired_ = old;
    SetTimer(fresh, kRetireTimer, 0, nullptr);
    return true;
}

void RichTextPane::DestroyRetired()
{
    if (retired_ && IsWindow(retired_))
        DestroyWindow(retired_);
    retired_ = nullptr;
}

void RichTextPane::PlaceCaret(const model::CPage& page)
{
    const core::CaretPlace place = core::PageCaret(page);
    const LONG position = place.atEnd ? -1 : static_cast<LONG>(std::min<uint32_t>(place.position, INT_MAX));
    CHARRANGE caret{position, position};
    SendMessageW(Hwnd(), EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&caret));
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

POINT RichTextPane::KeyboardMenuPoint() const
{
    const CHARRANGE selection = Selection();
    POINTL caret{};
    SendMessageW(Hwnd(), EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&caret), selection.cpMax);
    RECT client{};
    GetClientRect(Hwnd(), &client);
    POINT at{std::clamp<LONG>(caret.x, 0, client.right), std::clamp<LONG>(caret.y + 16, 0, client.bottom)};
    ClientToScreen(Hwnd(), &at);
    return at;
}

void RichTextPane::RunPendingPasses()
{
    // Killing the timer succeeds only while it still waits.
    if (KillTimer(Hwnd(), kLinkTimer) && passes_)
        passes_->Delayed(Hwnd());
}

std::u16string RichTextPane::PositionText() const { return viewer::PositionText(Hwnd()); }

CHARRANGE RichTextPane::Selection() const
{
    CHARRANGE range{};
    SendMessageW(Hwnd(), EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
    return range;
}

void RichTextPane::SelectAndShow(LONG start, LONG end)
{
    CHARRANGE range{start, end};
    SendMessageW(Hwnd(), EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
    SendMessageW(Hwnd(), EM_SCROLLCARET, 0, 0);
}

bool RichTextPane::OnPaneKey(WPARAM key)
{
    if (key == VK_INSERT && GetKeyState(VK_CONTROL) < 0) {
        SendMessageW(Hwnd(), WM_COPY, 0, 0);  // what Ctrl+C does
        return true;
    }
    return false;
}

LRESULT RichTextPane::OnLink(const ENLINK& link)
{
    if (link.msg == WM_LBUTTONUP)
        return ActivateLink(link.chrg) ? 1 : 0;
    if (link.msg == WM_RBUTTONUP)
        linkRange_ = link.chrg;
    return 0;
}

// A page link shows its page (a beep when the book lacks it); anything else
// goes to the shell as the link target rules say, a doubtful target only
// after the user agreed. What opens is what the reader sees of the link.
bool RichTextPane::ActivateLink(const CHARRANGE& range)
{
    const std::u16string text = PositionText();
    if (range.cpMin < 0 || range.cpMax <= range.cpMin || static_cast<size_t>(range.cpMax) > text.size())
        return false;
    if (const std::optional<uint32_t> page = core::ResolvePageLink(text, range.cpMin)) {
        if (!Host().OpenPageLink(*page))
            Shell().Beep();
        return true;
    }
    const core::ShellLink link = core::DecideShellLink(VisibleText(Hwnd(), text, range));
    if (link.target.empty())
        return false;
    if (link.ask && !ConfirmOpen(Hwnd(), link.target))
        return true;
    return Shell().Open(Hwnd(), win::Wide(link.target)) > 32;
}

namespace {

// Not every system's user interface library has it.
void EndAnyMenu()
{
    using EndMenuFn = BOOL(WINAPI*)();
    if (HMODULE user = GetModuleHandleW(L"user32.dll"))
        if (auto endMenu = reinterpret_cast<EndMenuFn>(reinterpret_cast<void*>(GetProcAddress(user, "EndMenu"))))
            endMenu();
}

}  // namespace

LRESULT RichTextPane::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == menuEndMessage_ && msg != 0) {
        EndAnyMenu();
        return 0;
    }
    switch (msg) {
    case win::kReflectedNotify:
        if (const auto* header = reinterpret_cast<const NMHDR*>(lParam); header && header->code == EN_LINK)
            return OnLink(*reinterpret_cast<const ENLINK*>(lParam));
        break;
    case WM_RBUTTONUP: {
        LRESULT result = Default(msg, wParam, lParam);
        POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        ClientToScreen(Hwnd(), &point);
        SendMessageW(Hwnd(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(Hwnd()), MAKELPARAM(point.x, point.y));
        return result;
    }
    case WM_TIMER:
        if (wParam == kRetireTimer) {
            KillTimer(Hwnd(), kRetireTimer);
            DestroyRetired();
            return 0;
        }
        if (wParam != kLinkTimer)
            break;
        KillTimer(Hwnd(), kLinkTimer);
        if (passes_)
            passes_->Delayed(Hwnd());
        return 0;
    case EM_SETBKGNDCOLOR:
        // wParam set means "the system's window colour".
        background_ = wParam ? GetSysColor(COLOR_WINDOW) : static_cast<COLORREF>(lParam);
        break;
    case WM_COMMAND:
        if (lParam == 0 && OnCommand(LOWORD(wParam)))
            return 0;
        break;
    case WM_SIZE: {
        LRESULT result = Default(msg, wParam, lParam);
        RedrawWindow(Hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        return result;
    }
    }
    return Pane::HandleMessage(msg, wParam, lParam);
}

}  // namespace viewer
