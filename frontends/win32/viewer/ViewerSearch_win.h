#pragma once
// The Lister's search in one viewer window: the round goes on from match
// to match and page to page until the host starts a new one.
#include <memory>
#include <string_view>

namespace core {
class BookSearch;
}  // namespace core

namespace viewer {

class ViewerWindow;

class ViewerSearch {
public:
    explicit ViewerSearch(ViewerWindow& viewer);
    ~ViewerSearch();
    ViewerSearch(const ViewerSearch&) = delete;
    ViewerSearch& operator=(const ViewerSearch&) = delete;

    // The host's search with its flags; true when a match is selected.
    bool Find(std::u16string_view pattern, int hostFlags);
    // A new document starts a new round.
    void Forget();

private:
    ViewerWindow& viewer_;
    std::unique_ptr<core::BookSearch> round_;  // made by the first search
};

}  // namespace viewer
