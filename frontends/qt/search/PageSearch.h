#pragma once
// The host's search (ListSearchText) in a Qt viewer: the round over the
// book is core::BookSearch's; this reads and moves the text view that shows
// the page, and asks the viewer for the rest.
#include "core/search/SearchRound.h"

#include <string_view>

class QWidget;

namespace qtviewer {

// What the search needs of the viewer besides the text view.
class SearchPages {
public:
    virtual ~SearchPages() = default;
    virtual const model::CPage* ShownPage() const = 0;
    // The text view (a QTextEdit or a QPlainTextEdit) showing the page, once
    // its links are done; null when the page shows where the search cannot
    // read it.
    virtual QWidget* ShownTextView() = 0;
    // Shows the page and selects it in the tree.
    virtual void ShowPage(const model::CPage& page) = 0;
};

class PageSearch {
public:
    explicit PageSearch(const model::CBook& book) : round_(book) {}

    // The host's search with its flags; true when a match is selected.
    bool Find(SearchPages& pages, std::u16string_view pattern, int hostFlags);

private:
    core::BookSearch round_;
};

}  // namespace qtviewer
