#include "frontends/win32/viewer/ViewerWindow_win.h"

#include "core/panes/DpiMetrics.h"
#include "frontends/win32/browser/HtmlPane_win.h"
#include "frontends/win32/panes/RichTextPane_win.h"
#include "frontends/win32/panes/Splitter_win.h"
#include "frontends/win32/tree/PageTreePane_win.h"
#include "frontends/win32/viewer/InformationPage_win.h"
#include "frontends/win32/viewer/Settings.h"
#include "frontends/win32/viewer/ViewerMessages_win.h"
#include "frontends/win32/viewer/WindowLook_win.h"
#include "model/Book.h"
#include "opening/OpenDocument.h"
#include "opening/OpenDocument_win.h"
#include "platform/FilePath.h"
#include "platform/win32/Reflect.h"
#include "resources/ResourceIds.h"

namespace viewer {
namespace {

constexpr UINT kDpiChanged = 0x02E0;
constexpr UINT kDpiChangedAfterParent = 0x02E3;
constexpr DWORD kSplitterStyle = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_BORDER | kSplitSideBySide;

// The password dialog's check box lives in the shared settings and is saved
// after every showing.
class SettingsPasswordChoice final : public opening::PasswordChoice {
public:
    bool ShowPassword() override { return Settings().showPassword == 1; }
    void StoreShowPassword(bool show) override
    {
        Settings().showPassword = show ? 1 : 0;
        SaveSettings();
    }
};

// The viewer's name of a virtual key: the same number for the keys it
// names, but for the function keys; none for the others.
char16_t KeyOf(UINT virtualKey)
{
    if (virtualKey >= VK_F1 && virtualKey <= VK_F24)
        return core::FunctionKey(static_cast<int>(virtualKey - VK_F1) + 1);
    const bool named = virtualKey == VK_TAB || virtualKey == VK_ESCAPE || (virtualKey >= 'A' && virtualKey <= 'Z') ||
                       (virtualKey >= '0' && virtualKey <= '9');
    return named ? static_cast<char16_t>(virtualKey) : u'\0';
}

UINT VirtualKeyOf(char16_t key)
{
    if (key >= core::FunctionKey(1) && key <= core::FunctionKey(24))
        return VK_F1 + (key - core::FunctionKey(1));
    return key;
}

core::KeyModifiers HeldModifiers()
{
    return {GetKeyState(VK_CONTROL) < 0, GetKeyState(VK_SHIFT) < 0, GetKeyState(VK_MENU) < 0};
}

}  // namespace

ViewerWindow::ViewerWindow(bool embedded) : embedded_(embedded) {}

ViewerWindow::~ViewerWindow() { Close(); }

// A fresh book, so that a failed open leaves a window that is already
// showing another document untouched; null when it is not opened.
std::unique_ptr<model::CBook> ViewerWindow::OpenBook(HWND lister, const std::filesystem::path& file)
{
    if (!opening::IsDocumentName(platform::PathText(file)))
        return nullptr;
    auto book = std::make_unique<model::CBook>();
    SettingsPasswordChoice choice;
    if (!opening::OpenInWindow(file, lister, *book, choice))
        return nullptr;
    return book;
}

// Quick View puts the Lister window inside the file manager's main window,
// as a child window; a Lister window of its own is a top-level window. So
// the window's child style tells the two apart.
HWND ViewerWindow::Load(HWND lister, const std::filesystem::path& file)
{
    std::unique_ptr<model::CBook> book = OpenBook(lister, file);
    if (!book)
        return nullptr;
    file_ = file;
    quickView_ = (GetWindowLongW(lister, GWL_STYLE) & WS_CHILD) != 0;
    Close();
    book_ = std::move(book);
    content_.Forget();
    search_.Forget();
    // A window built halfway goes, whatever stopped it.
    bool built = false;
    try {
        built = BuildWindow(lister);
    } catch (...) {
        Close();
        throw;
    }
    if (!built) {
        Close();
        return nullptr;
    }
    return Hwnd();
}

bool ViewerWindow::BuildWindow(HWND lister)
{
    if (!CreateModeless(IDD_VIEWER, lister))
        return false;
    RECT listerClient{};
    GetClientRect(lister, &listerClient);
    SetWindowPos(Hwnd(), nullptr, 0, 0, listerClient.right, listerClient.bottom, SWP_NOZORDER | SWP_NOREDRAW);

    RECT client{};
    GetClientRect(Hwnd(), &client);
    const int w = client.right;
    const int h = client.bottom;
    tree_ = std::make_unique<PageTreePane>(static_cast<TreeHost&>(*this));
    if (!tree_->Create({0, 0, w / 2, h}, Hwnd(), kTreePaneId))
        return false;
    if (!content_.Create({w / 2, 0, w, h}, Hwnd(), kRichTextPaneId))
        return false;
    RichTextPane& text = *content_.Text();
    text.SetMenuEndMessage(MenuEndMessage());
    ShowInformationPage(text, book_->Version());

    dpi_ = WindowDpi(Hwnd());
    const core::SplitMetrics metrics = core::SplitMetricsForDpi(dpi_);
    splitter_ = std::make_unique<Splitter>(PaneLayoutMessage());
    splitter_->SetMetrics(metrics);
    if (!splitter_->Create({Hwnd(), kSplitterId, client, kSplitterStyle, tree_->Hwnd(), text.Hwnd(),
                            metrics.minLeft, metrics.minRight}))
        return false;
    content_.SetSplitter(splitter_.get());
    tree_->FillTree(*book_);
    tree_->ApplyDpi(dpi_);
    ApplyLook();
    // In Quick View the file list keeps the keyboard until the user clicks
    // into the viewer.
    if (!quickView_)
        SetFocus(tree_->Hwnd());
    ShowWindow(Hwnd(), SW_SHOW);
    return true;
}

bool ViewerWindow::LoadNext(HWND lister, const std::filesystem::path& file)
{
    if (!Hwnd() || !tree_ || !content_.Text())
        return false;
    std::unique_ptr<model::CBook> book = OpenBook(lister, file);
    if (!book)
        return false;
    file_ = file;
    ShowBook(std::move(book));
    return true;
}

// The browser goes with its page file, the text pane shows the information
// page and the tree the new book. The old book's items go before the book
// does, and while they go no page of either book is shown. The focus moves
// as after a load where the viewer had it.
void ViewerWindow::ShowBook(std::unique_ptr<model::CBook> book)
{
    const HWND focus = GetFocus();
    const bool hadFocus = focus && (focus == Hwnd() || IsChild(Hwnd(), focus));
    RichTextPane& text = *content_.Text();
    content_.ShowPane(text.Hwnd());
    content_.CloseBrowser();
    content_.Forget();
    search_.Forget();
    tree_->Clear();
    book_ = std::move(book);
    text.Clear();
    ShowInformationPage(text, book_->Version());
    tree_->FillTree(*book_);
    if (focusPane_ != tree_->Hwnd())
        focusPane_ = text.Hwnd();
    if (hadFocus)  // in Quick View the file list may have it
        SetFocus(splitter_ && splitter_->IsLeftHidden() ? text.Hwnd() : tree_->Hwnd());
}

// The window goes first (taking the child windows with it); then the objects
// that wrapped them.
void ViewerWindow::Close()
{
    // The browser closes while its window still exists; its page file goes
    // with it.
    content_.CloseBrowser();
    Destroy();
    splitter_.reset();
    content_.Release();
    tree_.reset();
    focusPane_ = nullptr;
}

// The focused tree copies its page, as its Copy command does. With nothing
// selected in the text there is nothing to copy, and the clipboard keeps what
// the user put there.
void ViewerWindow::Copy()
{
    RichTextPane* text = content_.Text();
    HtmlPane* html = content_.Html();
    if (!tree_ || !text)
        return;
    if (tree_->HasFocus()) {
        tree_->CopyPage();
    } else if (text->IsVisible()) {
        if (text->HasSelection())
            text->CopyAsPlainText();
    } else if (html && html->IsVisible()) {
        html->CopySelection();
    }
}

void ViewerWindow::SelectAll()
{
    RichTextPane* text = content_.Text();
    HtmlPane* html = content_.Html();
    if (text && text->IsVisible())
        text->SelectAll();
    else if (html && html->IsVisible())
        html->SelectAllText();
}

void ViewerWindow::SetWordWrap(bool wrap)
{
    if (RichTextPane* text = content_.Text(); text && text->Hwnd())
        text->SetWordWrap(wrap);
}

void ViewerWindow::SetDarkMode(bool dark, bool native)
{
    const bool changed = dark != dark_ || native != nativeDark_;
    dark_ = dark;
    nativeDark_ = native;
    textSettings_.SetDark(dark);
    if (changed && Hwnd())
        ApplyLook();
}

void ViewerWindow::ApplyLook()
{
    const core::ColourScheme scheme = ShownColours(dark_);
    background_.Reset(CreateSolidBrush(scheme.bar));
    if (splitter_)
        splitter_->SetBarColour(scheme.bar);
    if (tree_ && tree_->Hwnd()) {
        tree_->ApplyLook(scheme);
        ApplyControlTheme(tree_->Hwnd());
    }
    if (RichTextPane* text = content_.Text(); text && text->Hwnd()) {
        const model::CPage* page = ShownPage();
        const bool showAgain = text->IsVisible() && page && (page->IsRichText() || page->IsPlainText());
        text->ApplyLook(!showAgain);
        ApplyControlTheme(text->Hwnd());
        if (showAgain)
            text->ShowPageAgain(*page);
    }
    RedrawWindow(Hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
}

// Only when the system draws controls dark itself; the light look takes the
// ordinary theme back.
void ViewerWindow::ApplyControlTheme(HWND control)
{
    themeChanged_ = themeChanged_ || (dark_ && nativeDark_);
    if (themeChanged_)
        UseDarkControlTheme(control, dark_ && nativeDark_);
}

void ViewerWindow::ApplyDpi(int dpi)
{
    dpi_ = dpi > 0 ? dpi : core::kBaseDpi;
    if (tree_ && tree_->Hwnd())
        tree_->ApplyDpi(dpi_);
    if (splitter_ && splitter_->Hwnd())
        splitter_->SetMetrics(core::SplitMetricsForDpi(dpi_));
}

// Every key pressed in a pane comes here; the modifiers are read only for
// the keys the viewer names.
bool ViewerWindow::HandleKey(UINT key)
{
    const char16_t named = KeyOf(key);
    return named && RunKeyAction(core::ActionOfKey(named, HeldModifiers(), Place()), key);
}

core::ViewerPlace ViewerWindow::Place() const
{
    return quickView_ ? core::ViewerPlace::QuickView : core::ViewerPlace::ListerWindow;
}

void ViewerWindow::HandleHeldKeys()
{
    const auto held = [](char16_t key) { return GetKeyState(static_cast<int>(VirtualKeyOf(key))) < 0; };
    for (const core::KeyPress& press : core::ActionsOfHeldKeys(held, HeldModifiers(), Place()))
        RunKeyAction(press.action, VirtualKeyOf(press.key));
}

// The host's keys reach its window as if pressed there. Posted: the host
// may load another document in answer, which must not happen inside the
// pane's own key handling.
bool ViewerWindow::RunKeyAction(core::KeyAction action, UINT virtualKey)
{
    switch (action) {
    case core::KeyAction::ToHost: {
        const LPARAM keyData = 1 | (static_cast<LPARAM>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC)) << 16);
        PostMessageW(GetParent(Hwnd()), WM_KEYDOWN, virtualKey, keyData);
        return true;
    }
    case core::KeyAction::SwitchFocus:
        SwitchFocus();
        return true;
    case core::KeyAction::Close:
        return RequestClose();
    case core::KeyAction::ToggleTreePane:
        ToggleTreePane();
        return true;
    case core::KeyAction::None:
        break;
    }
    return false;
}

bool ViewerWindow::RequestClose()
{
    // Inside a file manager's panel the Lister is not ours to close.
    if (embedded_)
        return false;
    PostMessageW(GetParent(Hwnd()), WM_SYSCOMMAND, SC_CLOSE, 0);
    return true;
}

void ViewerWindow::SetFocusPane(HWND pane) { focusPane_ = pane; }

HWND ViewerWindow::VisibleContentPane() const { return content_.Visible(); }

void ViewerWindow::ShowContentPane(HWND pane) { content_.ShowPane(pane); }

void ViewerWindow::HtmlPageShown(bool shown)
{
    if (book_)
        content_.HtmlPageShown(shown, *book_);
}

// The text pane swaps its control for a new one when a long page leaves.
void ViewerWindow::PaneReplaced(HWND old, HWND fresh)
{
    if (focusPane_ == old)
        focusPane_ = fresh;
    ApplyControlTheme(fresh);
    content_.PaneReplaced(fresh);
}

void ViewerWindow::ContextMenu(HWND pane, POINT screen) { menus_.Show(pane, screen); }

bool ViewerWindow::Search(std::u16string_view pattern, int hostFlags) { return search_.Find(pattern, hostFlags); }

void ViewerWindow::DisplayPage(uint32_t pageId, bool container, bool focusTree)
{
    if (!book_ || !content_.Text() || !content_.Text()->Hwnd())
        return;
    if (!container) {
        if (const model::CPage* page = book_->FindPage(pageId))
            content_.Show(*page);
    }
    if (focusTree && tree_ && tree_->Hwnd())
        SetFocus(tree_->Hwnd());
}

const model::CPage* ViewerWindow::ShownPage() const
{
    const std::optional<uint32_t> shown = content_.ShownPageId();
    return book_ && shown ? book_->FindPage(*shown) : nullptr;
}

bool ViewerWindow::OpenPageLink(uint32_t pageId)
{
    const model::CPage* page = book_ ? book_->FindPage(pageId) : nullptr;
    if (!page || !tree_)
        return false;
    DisplayPage(pageId, page->IsFolder(), false);
    tree_->SelectPage(pageId);
    SetFocus(VisibleContentPane());
    return true;
}

// A hidden tree never takes the focus: the arrow keys would change the page
// where the user cannot see it.
void ViewerWindow::SwitchFocus()
{
    if (!tree_)
        return;
    if (tree_->HasFocus() || (splitter_ && splitter_->IsLeftHidden()))
        SetFocus(VisibleContentPane());
    else
        SetFocus(tree_->Hwnd());
}

void ViewerWindow::ToggleTreePane()
{
    if (!splitter_)
        return;
    if (splitter_->IsLeftHidden()) {
        splitter_->ShowLeftPane();
        SetFocus(tree_->Hwnd());
    } else {
        splitter_->HideLeftPane();
        SetFocus(VisibleContentPane());
    }
}

INT_PTR ViewerWindow::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_SETFOCUS && focusPane_ && IsWindow(focusPane_)) {
        SetFocus(focusPane_);
        return TRUE;
    }
    switch (msg) {
    case WM_NOTIFY:
        // Each pane handles its own notifications, but none needs to hear of
        // each item a closing tree deletes: sent back, they make closing a
        // big tree take seconds.
        if (const auto* header = reinterpret_cast<const NMHDR*>(lParam);
            header && (header->code == TVN_DELETEITEMW || header->code == TVN_DELETEITEMA))
            return TRUE;
        SetWindowLongPtrW(Hwnd(), DWLP_MSGRESULT, win::ReflectNotify(lParam));
        return TRUE;
    case WM_INITDIALOG:
        return FALSE;  // the focus is placed by Load
    case WM_CTLCOLORDLG:
        if (background_.Get())
            return reinterpret_cast<INT_PTR>(background_.Get());
        break;
    case kDpiChanged: {
        // Sent to a top-level window: its new place comes with it, in screen
        // coordinates.
        ApplyDpi(LOWORD(wParam));
        if (const auto* suggested = reinterpret_cast<const RECT*>(lParam)) {
            RECT place = *suggested;
            if (HWND parent = GetParent(Hwnd()); parent && (GetWindowLongW(Hwnd(), GWL_STYLE) & WS_CHILD))
                MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&place), 2);
            SetWindowPos(Hwnd(), nullptr, place.left, place.top, place.right - place.left, place.bottom - place.top,
                         SWP_NOZORDER | SWP_NOACTIVATE);
        }
        return TRUE;
    }
    case kDpiChangedAfterParent:
        // A child's: the parent has moved it already.
        ApplyDpi(WindowDpi(Hwnd()));
        return TRUE;
    case WM_SIZE:
        if (splitter_ && splitter_->Hwnd())
            SetWindowPos(splitter_->Hwnd(), nullptr, 0, 0, LOWORD(lParam), HIWORD(lParam), SWP_NOZORDER);
        if (RichTextPane* text = content_.Text(); text && text->Hwnd())
            RedrawWindow(text->Hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case ID_TREE_PANE:
            ToggleTreePane();
            return TRUE;
        case ID_SEND_BUG_REPORT:
            menus_.SendBugReport();
            return TRUE;
        case IDOK:
        case IDCANCEL:
            return TRUE;  // a child dialog never ends itself
        }
        break;
    }
    if (msg == PaneLayoutMessage() && msg != 0) {
        content_.PlaceHidden();
        return TRUE;
    }
    return FALSE;
}

}  // namespace viewer
