#pragma once
// The two context menus as QMenus: the fixed items of the pane, the book's
// favourites and the language submenu, translated, each item enabled by the
// pane's rule. An item's data is its command.
#include "core/commands/MenuContent.h"

#include <QPoint>

#include <cstdint>
#include <memory>

class QMenu;
class QWidget;

namespace qtviewer {

class MenuLanguages;

struct MenuRequest {
    core::MenuPane pane = core::MenuPane::Tree;
    const model::CBook* book = nullptr;
    int64_t selectedPageId = -1;  // the tree's, -1 for none
    core::MenuState state;
    // Text menu: "Copy URL" only for an outside link under the click.
    bool outsideLinkUnderPoint = false;
};

std::unique_ptr<QMenu> BuildContextMenu(const MenuRequest& request, const MenuLanguages& languages,
                                        QWidget* parent = nullptr);

// Shows a menu and returns the command chosen, 0 for none; tests choose
// without a user.
class MenuTracker {
public:
    virtual ~MenuTracker() = default;
    virtual int Track(QMenu& menu, QPoint globalPoint) = 0;
};
MenuTracker& SystemMenuTracker();

}  // namespace qtviewer
