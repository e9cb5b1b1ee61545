#pragma once
// What the context menus hold besides their fixed items, and when an item
// can be chosen, apart from the windows that show them.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace model {
class CBook;
class CPage;
}  // namespace model

namespace core {

inline constexpr int kFirstFavouriteCommand = 40000;
// Favourites end where the language commands begin.
inline constexpr size_t kMaxFavourites = 499;

struct FavouriteItem {
    bool separator = false;
    std::u16string text;  // the page's title, "&" doubled so it shows
    int command = 0;
    bool checked = false;  // the page selected in the tree
};

// The favourites submenu: a separator for each -1 entry, an item for each
// page the book holds; entries of pages it lacks are left out.
std::vector<FavouriteItem> FavouriteItems(const model::CBook& book, int64_t selectedPageId);
// The page a favourites command names, when the book holds it.
const model::CPage* FavouritePage(const model::CBook& book, int command);

enum class MenuPane { Tree, Text };

struct MenuState {
    const model::CPage* selectedPage = nullptr;  // the tree's
    bool selectedIsContainer = false;             // the root and folders
    bool selectedHasChildren = false;
    bool textSelected = false;  // the text pane's selection is not empty
};

bool IsCommandEnabled(MenuPane pane, int command, const MenuState& state);

// Where and how bug reports go: the heading's first line with its spaces as
// "_", then "_Bug", as the subject of a mail to the support mailbox.
std::u16string BugReportSubject(std::u16string_view headingTitle);
std::u16string BugReportUrl(std::u16string_view headingTitle);
inline constexpr std::u16string_view kBugReportAddress = u"vornview-support@tarrow.example";

}  // namespace core
