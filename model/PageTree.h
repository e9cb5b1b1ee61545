#pragma once
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "model/Book.h"
#include "model/SiblingOrder.h"

namespace model {

// Standard images of the tree's image list, by index.
enum TreeImage : int {
    kImageNone = -1,
    kImageClosedFolder = 0,
    kImageOpenFolder = 1,
    kImageTextFile = 2,
    kImageRtfFile = 3,
    kImageHtmlFile = 4,
    kImageBinFull = 5,
    kImageBinEmpty = 6,
};

// Everything a tree node shows of its page.
struct NodeLook {
    std::u16string text;          // title, plus " [Attached Files: n]"
    int standardImage = kImageNone;
    const CIcon* ownIcon = nullptr;  // label icon, else the page's icon entry
    DisplayColour colour{0, false};
    bool bold = false;
    bool container = false;       // folders; the root node is one too
};

// The page tree as the viewer shows it, over a loaded book. Children are
// found through an index built once, so a level costs its own size.
class PageTree {
public:
    explicit PageTree(const CBook& book);

    const CBook& Book() const { return book_; }
    const CPage* Root() const { return book_.RootPage(); }

    // Pages whose parent identifier is `node`'s identifier, in book order,
    // without `node` itself.
    std::vector<const CPage*> Children(const CPage& node) const;
    // The same in the order the viewer shows them: sorted by the node's
    // child sort key, equal siblings in book order.
    std::vector<const CPage*> SortedChildren(const CPage& node) const;
    bool HasChildren(const CPage& node) const;
    // Whether any page names the identifier as its parent: a search among
    // the parents only, which most pages are not.
    bool IsParentId(uint32_t id) const;

    NodeLook Look(const CPage& page, bool isRoot, bool expanded, uint32_t defaultColour) const;

    // Depth-first over the fully expanded tree from the root, children in
    // viewer order. Children belong to an identifier, so an identifier is
    // expanded once per walk: a page whose identifier was expanded already
    // (above it, through a cycle, or elsewhere, through a duplicate) is shown
    // but not descended into. Cycles end, and duplicated identifiers cannot
    // make the tree grow beyond the number of pages per level. Iterative:
    // any depth is fine. The visitor returns false to stop. (The Outline's
    // walk, every page opened as it is passed.)
    using Visitor = std::function<bool(const CPage& page, size_t depth)>;
    void WalkExpanded(const Visitor& visit) const;

private:
    std::span<const uint32_t> ChildIndexes(uint32_t parentId) const;

    const CBook& book_;
    std::vector<uint32_t> byParent_;   // page indexes ordered by (parent id, index)
    std::vector<uint32_t> parentOf_;   // parent id of byParent_[i]
    std::vector<uint32_t> parentIds_;  // each parent id once, sorted
};

// Standard image of a page's kind; folders open or closed; the recycle bin
// full or empty.
int StandardImage(const CBook& book, const CPage& page, bool expanded);
// The label's icon, else the icon collection's, else nullptr.
const CIcon* OwnIcon(const CBook& book, const CPage& page);
bool IsBold(const CBook& book, const CPage& page);
// Title with the attached-file count appended when there are any.
std::u16string NodeText(const CBook& book, const CPage& page);
// The page's tip; on the first top-level node also the document's count of
// extra-info records.
std::u16string InfoTipText(const CBook& book, const CPage& page, bool firstTopLevel);

}  // namespace model
