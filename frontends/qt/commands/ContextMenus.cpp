#include "frontends/qt/commands/ContextMenus.h"

#include "core/commands/MenuLayout.h"
#include "frontends/qt/system/MenuLanguages.h"
#include "model/Book.h"
#include "resources/ResourceIds.h"

#include <QAction>
#include <QMenu>

namespace qtviewer {
namespace {

QString Text(std::u16string_view text) { return QString::fromStdU16String(std::u16string(text)); }

void AddFavourites(QMenu& menu, const model::CBook& book, int64_t selectedPageId)
{
    const std::vector<core::FavouriteItem> items = core::FavouriteItems(book, selectedPageId);
    if (book.FavouritesCount() == 0)
        return;
    QMenu* favourites = new QMenu(Text(core::kFavouritesTitle), &menu);
    for (const core::FavouriteItem& item : items) {
        if (item.separator) {
            favourites->addSeparator();
            continue;
        }
        QAction* action = favourites->addAction(QString::fromStdU16String(item.text));
        action->setData(item.command);
        action->setCheckable(item.checked);
        action->setChecked(item.checked);
    }
    menu.addSeparator();
    menu.addMenu(favourites);
}

class SystemTracker final : public MenuTracker {
public:
    int Track(QMenu& menu, QPoint globalPoint) override
    {
        const QAction* chosen = menu.exec(globalPoint);
        return chosen ? chosen->data().toInt() : 0;
    }
};

}  // namespace

std::unique_ptr<QMenu> BuildContextMenu(const MenuRequest& request, const MenuLanguages& languages, QWidget* parent)
{
    auto menu = std::make_unique<QMenu>(parent);
    const bool text = request.pane == core::MenuPane::Text;
    std::span<const core::MenuEntry> entries = text ? core::TextMenuEntries() : core::TreeMenuEntries();
    // "Copy URL" and the separator below it.
    if (text && !request.outsideLinkUnderPoint && entries.size() > 2 && entries[0].command == ID_COPY_URL)
        entries = entries.subspan(2);
    for (const core::MenuEntry& entry : entries) {
        if (entry.command == 0) {
            menu->addSeparator();
            continue;
        }
        QAction* action = menu->addAction(Text(entry.text));
        action->setData(entry.command);
        action->setEnabled(core::IsCommandEnabled(request.pane, entry.command, request.state));
    }
    if (request.book)
        AddFavourites(*menu, *request.book, request.selectedPageId);
    languages.Localize(*menu);
    return menu;
}

MenuTracker& SystemMenuTracker()
{
    static SystemTracker tracker;
    return tracker;
}

}  // namespace qtviewer
