// The two context menus: built from the resources with the favourites and
// the language submenu, translated, their items enabled by the panes'
// rules, tracked, and the chosen command dispatched.
#include "core/commands/MenuContent.h"
#include "core/links/Links.h"
#include "frontends/win32/panes/RichTextPane_win.h"
#include "frontends/win32/system/MenuLanguages_win.h"
#include "frontends/win32/system/ShellActions_win.h"
#include "frontends/win32/tree/PageTreePane_win.h"
#include "frontends/win32/viewer/InformationPage_win.h"
#include "frontends/win32/viewer/Settings.h"
#include "frontends/win32/viewer/ViewerMessages_win.h"
#include "frontends/win32/viewer/ViewerWindow_win.h"
#include "model/Book.h"
#include "platform/FilePath.h"
#include "platform/win32/MessageBox.h"
#include "platform/win32/Module.h"
#include "platform/win32/WideText.h"
#include "resources/ResourceIds.h"

namespace viewer {
namespace {

constexpr POINT kKeyboardPoint{-1, -1};

class SystemTracker final : public MenuTracker {
public:
    UINT Track(HMENU popup, HWND owner, POINT at) override
    {
        return static_cast<UINT>(TrackPopupMenu(popup, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_LEFTALIGN | TPM_TOPALIGN,
                                                at.x, at.y, 0, owner, nullptr));
    }
};

// A loaded menu resource and its first popup, destroyed with the object.
class PopupMenu {
public:
    explicit PopupMenu(WORD resource) : menu_(LoadMenuW(win::ThisModule(), MAKEINTRESOURCEW(resource))) {}
    ~PopupMenu()
    {
        if (menu_)
            DestroyMenu(menu_);
    }
    PopupMenu(const PopupMenu&) = delete;
    PopupMenu& operator=(const PopupMenu&) = delete;
    HMENU Popup() const { return menu_ ? GetSubMenu(menu_, 0) : nullptr; }

private:
    HMENU menu_;
};

void EnableItems(HMENU popup, core::MenuPane pane, const core::MenuState& state)
{
    for (int i = 0, n = GetMenuItemCount(popup); i < n; ++i) {
        const UINT id = GetMenuItemID(popup, i);
        if (id != 0 && id != static_cast<UINT>(-1))
            EnableMenuItem(popup, static_cast<UINT>(i),
                           MF_BYPOSITION | (core::IsCommandEnabled(pane, static_cast<int>(id), state) ? MF_ENABLED : MF_GRAYED));
    }
}

}  // namespace

MenuTracker& SystemMenuTracker()
{
    static SystemTracker tracker;
    return tracker;
}

void ViewerWindow::ContextMenu(HWND pane, POINT screen)
{
    if (!book_ || !tree_ || !text_)
        return;
    if (pane == tree_->Hwnd())
        ShowTreeMenu(screen);
    else if (pane == text_->Hwnd())
        ShowTextMenu(screen);
}

core::MenuState ViewerWindow::CurrentMenuState() const
{
    core::MenuState state;
    state.selectedPage = tree_->SelectedPage();
    HTREEITEM selected = TreeView_GetSelection(tree_->Hwnd());
    state.selectedHasChildren = selected && TreeView_GetChild(tree_->Hwnd(), selected) != nullptr;
    state.selectedIsContainer = state.selectedPage && (state.selectedPage->IsFolder() ||
                                                       state.selectedPage == book_->RootPage());
    state.textSelected = text_->HasSelection();
    return state;
}

void ViewerWindow::ShowTreeMenu(POINT screen)
{
    if (screen.x == kKeyboardPoint.x && screen.y == kKeyboardPoint.y) {
        screen = tree_->KeyboardMenuPoint();
    } else {
        // The item under the pointer becomes the selection, and shows.
        TVHITTESTINFO hit{};
        hit.pt = screen;
        ScreenToClient(tree_->Hwnd(), &hit.pt);
        if (HTREEITEM item = TreeView_HitTest(tree_->Hwnd(), &hit); item && (hit.flags & TVHT_ONITEM))
            TreeView_SelectItem(tree_->Hwnd(), item);
    }
    PopupMenu menu(IDR_TREE_MENU);
    if (!menu.Popup())
        return;
    AppendFavourites(menu.Popup());
    EnableItems(menu.Popup(), core::MenuPane::Tree, CurrentMenuState());
    const UINT command = tracker_->Track(menu.Popup(), tree_->Hwnd(), screen);
    RunMenuCommand(static_cast<int>(command), tree_->Hwnd());
}

void ViewerWindow::ShowTextMenu(POINT screen)
{
    const bool fromKeyboard = screen.x == kKeyboardPoint.x && screen.y == kKeyboardPoint.y;
    // The control and the pane may both ask for the menu of one click.
    if (!fromKeyboard && lastTextMenuPoint_ && lastTextMenuPoint_->x == screen.x && lastTextMenuPoint_->y == screen.y)
        return;
    if (fromKeyboard)
        screen = text_->KeyboardMenuPoint();
    else
        lastTextMenuPoint_ = screen;
    PopupMenu menu(IDR_TEXT_MENU);
    if (!menu.Popup())
        return;
    // "Copy URL" only for an outside address under the last right click.
    const CHARRANGE link = text_->LinkRange();
    if (link.cpMin < 0 || core::ResolvePageLink(text_->PositionText(), link.cpMin)) {
        DeleteMenu(menu.Popup(), 0, MF_BYPOSITION);
        DeleteMenu(menu.Popup(), 0, MF_BYPOSITION);
    }
    AppendFavourites(menu.Popup());
    EnableItems(menu.Popup(), core::MenuPane::Text, CurrentMenuState());
    const UINT command = tracker_->Track(menu.Popup(), text_->Hwnd(), screen);
    RunMenuCommand(static_cast<int>(command), text_->Hwnd());
    if (command != 0)
        PostMessageW(text_->Hwnd(), MenuEndMessage(), 0, 0);
    text_->ForgetLink();
}

void ViewerWindow::AppendFavourites(HMENU popup) const
{
    const std::vector<core::FavouriteItem> items = core::FavouriteItems(*book_, tree_->SelectedPageId());
    if (book_->FavouritesCount() > 0) {
        HMENU favourites = CreatePopupMenu();
        for (const core::FavouriteItem& item : items) {
            if (item.separator)
                AppendMenuW(favourites, MF_SEPARATOR, 0, nullptr);
            else
                AppendMenuW(favourites, MF_STRING | (item.checked ? MF_CHECKED : 0), static_cast<UINT_PTR>(item.command),
                            win::Wide(item.text).c_str());
        }
        AppendMenuW(popup, MF_SEPARATOR, 0, nullptr);
        AppendMenuW(popup, MF_POPUP, reinterpret_cast<UINT_PTR>(favourites), L"Favorites");
    }
    MenuLanguages::Get(Settings().langName).Localize(popup);
}

void ViewerWindow::RunMenuCommand(int command, HWND pane)
{
    if (command == 0 || DispatchMenuCommand(command))
        return;
    if (command == ID_SEND_BUG_REPORT) {
        SendBugReport();
        return;
    }
    SendMessageW(pane, WM_COMMAND, static_cast<WPARAM>(command), 0);
}

bool ViewerWindow::DispatchMenuCommand(int command)
{
    if (command == 0)
        return false;
    if (auto name = MenuLanguages::Get(Settings().langName).Choose(command)) {
        Settings().langName = *name;
        SaveSettings();
        return true;
    }
    switch (command) {
    case ID_TREE_PANE:
        ToggleTreePane();
        return true;
    case ID_EDIT_DOCUMENT:
        EditDocument();
        return true;
    }
    if (const model::CPage* page = core::FavouritePage(*book_, command)) {
        tree_->SelectPage(page->Id());
        return true;
    }
    return false;
}

// The document opens in the program the shell associates with it. File not
// found says nothing: the Lister shows the file, so it went meanwhile.
void ViewerWindow::EditDocument()
{
    const std::wstring path = file_.wstring();
    const INT_PTR result = Shell().Open(Hwnd(), path);
    if (result > 32 || result == ERROR_FILE_NOT_FOUND)
        return;
    wchar_t reason[1024] = {};
    FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, GetLastError(), 0, reason,
                   1024, nullptr);
    win::AppMessageBox(Hwnd(), path + L"\n\n" + reason, MB_OK | MB_ICONEXCLAMATION);
}

void ViewerWindow::SendBugReport()
{
    const INT_PTR result = Shell().Open(Hwnd(), win::Wide(core::BugReportUrl(GetHeading().title)));
    if (result <= 32)
        win::AppMessageBox(Hwnd(),
                           L"Cannot start mail program. Please, send report to " + win::Wide(core::kBugReportAddress),
                           MB_OK | MB_ICONSTOP);
}

}  // namespace viewer
