#pragma once
// The viewer's two context menus: what they hold, which items are enabled,
// and what their commands do.
#include <windows.h>

#include <optional>

namespace core {
struct MenuState;
}  // namespace core

namespace viewer {

class ViewerWindow;

// Shows a popup menu and returns the command chosen, 0 for none; tests
// choose without a user.
class MenuTracker {
public:
    virtual ~MenuTracker() = default;
    virtual UINT Track(HMENU popup, HWND owner, POINT at) = 0;
};
MenuTracker& SystemMenuTracker();

class ViewerMenus {
public:
    explicit ViewerMenus(ViewerWindow& viewer) : viewer_(viewer) {}

    void SetTracker(MenuTracker* tracker) { tracker_ = tracker ? tracker : &SystemMenuTracker(); }
    // The menu of the tree or of the text pane, at a point on the screen
    // or, at (-1, -1), where the keyboard's focus is.
    void Show(HWND pane, POINT screen);
    void SendBugReport();

private:
    void ShowTreeMenu(POINT screen);
    void ShowTextMenu(POINT screen);
    void AppendFavourites(HMENU popup) const;
    core::MenuState CurrentState() const;
    void Run(int command, HWND pane);
    // The commands that belong to the viewer; true when taken.
    bool Dispatch(int command);
    void EditDocument();

    ViewerWindow& viewer_;
    MenuTracker* tracker_ = &SystemMenuTracker();
    std::optional<POINT> lastTextMenuPoint_;
};

}  // namespace viewer
