#include "core/commands/MenuContent.h"

#include "model/Book.h"
#include "resources/ResourceIds.h"

#include <algorithm>

namespace core {

std::vector<FavouriteItem> FavouriteItems(const model::CBook& book, int64_t selectedPageId)
{
    std::vector<FavouriteItem> items;
    const size_t count = std::min(book.FavouritesCount(), kMaxFavourites);
    for (size_t i = 0; i < count; ++i) {
        const int32_t entry = book.FavouritesEntry(i);
        if (entry == -1) {
            FavouriteItem separator;
            separator.separator = true;
            items.push_back(separator);
            continue;
        }
        const model::CPage* page = book.FindPage(static_cast<uint32_t>(entry));
        if (!page)
            continue;
        FavouriteItem item;
        for (char16_t c : page->Title())
            item.text += c == u'&' ? std::u16string(u"&&") : std::u16string(1, c);
        item.command = kFirstFavouriteCommand + static_cast<int>(i);
        item.checked = selectedPageId == static_cast<int64_t>(page->Id());
        items.push_back(std::move(item));
    }
    return items;
}

const model::CPage* FavouritePage(const model::CBook& book, int command)
{
    const int index = command - kFirstFavouriteCommand;
    if (index < 0 || static_cast<size_t>(index) >= std::min(book.FavouritesCount(), kMaxFavourites))
        return nullptr;
    const int32_t entry = book.FavouritesEntry(static_cast<size_t>(index));
    return entry == -1 ? nullptr : book.FindPage(static_cast<uint32_t>(entry));
}

bool IsCommandEnabled(MenuPane pane, int command, const MenuState& state)
{
    const model::CPage* page = state.selectedPage;
    if (pane == MenuPane::Text)
        return (command != ID_COPY_PLAIN && command != ID_COPY_RTF) || state.textSelected;
    switch (command) {
    case ID_EXPAND_ALL:
    case ID_COLLAPSE_ALL:
        return state.selectedIsContainer && state.selectedHasChildren;
    case ID_EDIT_COPY:
        return page && !page->IsFolder();
    case ID_COPY_PLAIN:
        return page && (page->Kind() == model::kPlainText || page->Kind() == model::kWebArchive ||
                        page->Kind() == model::kHtml);
    case ID_COPY_RTF:
        return page && page->Kind() == model::kRichText;
    default:
        return true;
    }
}

std::u16string BugReportSubject(std::u16string_view headingTitle)
{
    std::u16string subject(headingTitle);
    for (char16_t& c : subject)
        if (c == u' ')
            c = u'_';
    return subject + u"_Bug";
}

std::u16string BugReportUrl(std::u16string_view headingTitle)
{
    return u"mailto:" + std::u16string(kBugReportAddress) + u"?subject=" + BugReportSubject(headingTitle);
}

}  // namespace core
