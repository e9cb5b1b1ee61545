#pragma once
// The Lister's search (F7, then F3 or Shift+F3) as one round over the book:
// the shown page from the selection on, then the other pages in the tree's
// order, and last the part of the first page not searched yet. A front end
// supplies only what it shows (SearchView); every decision is made here.
#include "core/search/TextSearch.h"
#include "core/search/VisibleText.h"

#include <memory>
#include <optional>
#include <string_view>

namespace model {
class CBook;
class CPage;
}  // namespace model

namespace core {

// The host's search flags.
inline constexpr int kSearchFindFirst = 1;  // from the top, not from the selection
inline constexpr int kSearchMatchCase = 2;
inline constexpr int kSearchWholeWords = 4;
inline constexpr int kSearchBackwards = 8;

// What a front end shows of the book, as the search sees and moves it.
class SearchView {
public:
    virtual ~SearchView() = default;
    // The page in the content pane; null when it shows none (the
    // document's information).
    virtual const model::CPage* ShownPage() const = 0;
    // What a reader sees of the shown page once the link passes due on it
    // have run; nothing when it shows where the search cannot read it (a
    // web browser): there, showing the page is finding it.
    virtual std::optional<VisibleText> ShownText() = 0;
    // The selection in the shown text, in positions of the whole text.
    virtual TextRange Selection() const = 0;
    // Selects a range of the shown text and scrolls it into view.
    virtual void Select(const TextMatch& match) = 0;
    // Shows the page in the content pane and selects it in the tree.
    virtual void ShowPage(const model::CPage& page) = 0;
};

class BookSearch {
public:
    explicit BookSearch(const model::CBook& book);
    ~BookSearch();
    BookSearch(const BookSearch&) = delete;
    BookSearch& operator=(const BookSearch&) = delete;

    // One search with the host's flags; true when a match is selected, or
    // a page holding one is shown where it cannot be selected.
    bool Find(SearchView& view, std::u16string_view pattern, int hostFlags);

private:
    const model::CBook& book_;
    std::unique_ptr<PageOrder> order_;  // made by the first search
};

}  // namespace core
