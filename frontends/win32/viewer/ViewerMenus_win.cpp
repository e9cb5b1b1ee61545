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
#include "frontends/win32/viewer/ViewerMenus_win.h"
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

void ViewerMenus::Show(HWND pane, POINT screen)
{
    const PageTreePane* tree = viewer_.Tree();
    const RichTextPane* text = viewer_.TextPane();
    if (!viewer_.Book() || !tree || !text)
        return;
    if (pane == tree->Hwnd())
        ShowTreeMenu(screen);
    else if (pane == text->Hwnd())
        ShowTextMenu(screen);
}

core::MenuState ViewerMenus::CurrentState() const
{
    const PageTreePane& tree = *viewer_.Tree();
    core::MenuState state;
    state.selectedPage = tree.SelectedPage();
    HTREEITEM selected = TreeView_GetSelection(tree.Hwnd());
    state.selectedHasChildren = selected && TreeView_GetChild(tree.Hwnd(), selected) != nullptr;
    state.selectedIsContainer = state.selectedPage && (state.selectedPage->IsFolder() ||
                                                       state.selectedPage == viewer_.Book()->RootPage());
    state.textSelected = viewer_.TextPane()->HasSelection();
    return state;
}

void ViewerMenus::ShowTreeMenu(POINT screen)
{
    PageTreePane* tree = viewer_.Tree();
    if (screen.x == kKeyboardPoint.x && screen.y == kKeyboardPoint.y) {
        screen = tree->KeyboardMenuPoint();
    } else {
        // The item under the pointer becomes the selection, and shows.
        TVHITTESTINFO hit{};
        hit.pt = screen;
        ScreenToClient(tree->Hwnd(), &hit.pt);
        if (HTREEITEM item = TreeView_HitTest(tree->Hwnd(), &hit); item && (hit.flags & TVHT_ONITEM))
            TreeView_SelectItem(tree->Hwnd(), item);
    }
    PopupMenu menu(IDR_TREE_MENU);
    if (!menu.Popup())
        return;
    AppendFavourites(menu.Popup());
    EnableItems(menu.Popup(), core::MenuPane::Tree, CurrentState());
    const UINT command = tracker_->Track(menu.Popup(), tree->Hwnd(), screen);
    Run(static_cast<int>(command), tree->Hwnd());
}

void ViewerMenus::ShowTextMenu(POINT screen)
{
    RichTextPane* text = viewer_.TextPane();
    const bool fromKeyboard = screen.x == kKeyboardPoint.x && screen.y == kKeyboardPoint.y;
    // The control and the pane may both ask for the menu of one click.
    if (!fromKeyboard && lastTextMenuPoint_ && lastTextMenuPoint_->x == screen.x && lastTextMenuPoint_->y == screen.y)
        return;
    if (fromKeyboard)
        screen = text->KeyboardMenuPoint();
    else
        lastTextMenuPoint_ = screen;
    PopupMenu menu(IDR_TEXT_MENU);
    if (!menu.Popup())
        return;
    // "Copy URL" only for an outside address under the last right click.
    const CHARRANGE link = text->LinkRange();
    if (link.cpMin < 0 || core::ResolvePageLink(text->PositionText(), link.cpMin)) {
        DeleteMenu(menu.Popup(), 0, MF_BYPOSITION);
        DeleteMenu(menu.Popup(), 0, MF_BYPOSITION);
    }
    AppendFavourites(menu.Popup());
    EnableItems(menu.Popup(), core::MenuPane::Text, CurrentState());
    const UINT command = tracker_->Track(menu.Popup(), text->Hwnd(), screen);
    Run(static_cast<int>(command), text->Hwnd());
    if (command != 0)
        PostMessageW(text->Hwnd(), MenuEndMessage(), 0, 0);
    text->ForgetLink();
}

void ViewerMenus::AppendFavourites(HMENU popup) const
{
    const model::CBook& book = *viewer_.Book();
    const std::vector<core::FavouriteItem> items = core::FavouriteItems(book, viewer_.Tree()->SelectedPageId());
    if (book.FavouritesCount() > 0) {
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

void ViewerMenus::Run(int command, HWND pane)
{
    if (command == 0 || Dispatch(command))
        return;
    if (command == ID_SEND_BUG_REPORT) {
        SendBugReport();
        return;
    }
    SendMessageW(pane, WM_COMMAND, static_cast<WPARAM>(command), 0);
}

bool ViewerMenus::Dispatch(int command)
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
        viewer_.ToggleTreePane();
        return true;
    case ID_EDIT_DOCUMENT:
        EditDocument();
        return true;
    }
    if (const model::CPage* page = core::FavouritePage(*viewer_.Book(), command)) {
        viewer_.Tree()->SelectPage(page->Id());
        return true;
    }
    return false;
}

// The document opens in the program the shell associates with it. File not
// found says nothing: the Lister shows the file, so it went meanwhile.
void ViewerMenus::EditDocument()
{
    const std::wstring path = viewer_.File().wstring();
    const INT_PTR result = Shell().Open(viewer_.Hwnd(), path);
    if (result > 32 || result == ERROR_FILE_NOT_FOUND)
        return;
    wchar_t reason[1024] = {};
    FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, GetLastError(), 0, reason,
                   1024, nullptr);
    win::AppMessageBox(viewer_.Hwnd(), path + L"\n\n" + reason, MB_OK | MB_ICONEXCLAMATION);
}

void ViewerMenus::SendBugReport()
{
    const INT_PTR result = Shell().Open(viewer_.Hwnd(), win::Wide(core::BugReportUrl(GetHeading().title)));
    if (result <= 32)
        win::AppMessageBox(viewer_.Hwnd(),
                           L"Cannot start mail program. Please, send report to " + win::Wide(core::kBugReportAddress),
                           MB_OK | MB_ICONSTOP);
}

}  // namespace viewer
