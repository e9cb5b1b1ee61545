#pragma once
// The map from one book's outline nodes to the tree control's items: which
// levels have items, their placeholders, labels' colours and folder images.
// One map per book: a new book gets a new map, after the control's items
// are gone.
#include "frontends/win32/tree/TreeControl_win.h"
#include "model/Outline.h"
#include "model/PageTree.h"

#include <commctrl.h>

#include <cstdint>
#include <deque>
#include <optional>
#include <vector>

namespace model {
class CBook;
class CPage;
}  // namespace model

namespace viewer {

class PageTreeImages;

// What the map keeps beside each node of the outline, so that walks read
// these records instead of asking the control (on some platforms every query
// naming an item costs a search through all items). A node can exist before
// its item: the outline makes a level's nodes first and the items go in when
// the level is shown. Placeholders have no record.
struct TreeItemRecord {
    bool ownImage = false;
    bool hasColour = false;
    bool shownOpen = false;  // its image is the open folder's
    COLORREF textColour = 0;
    HTREEITEM item = nullptr;
    HTREEITEM placeholder = nullptr;  // gives the button until shown
};

class TreeItemMap {
public:
    static constexpr uint32_t kNone = model::Outline::kNone;

    // Nothing goes into the control until ShowRoot.
    TreeItemMap(const model::CBook& book, TreeControl& control, PageTreeImages& images);
    TreeItemMap(const TreeItemMap&) = delete;
    TreeItemMap& operator=(const TreeItemMap&) = delete;

    const model::CBook& Book() const { return book_; }
    // The root page's item, expanded, with its children; nothing for a book
    // without a root page.
    void ShowRoot();

    // The node of an item, from the item's data: one query of the control.
    uint32_t IndexOf(HTREEITEM item) const;
    // The node whose item carries this data; kNone for a placeholder or
    // anything not of this map.
    uint32_t IndexOfData(LPARAM data) const;
    const model::CPage& PageAt(uint32_t index) const { return *outline_.At(index).page; }
    bool IsContainer(uint32_t index) const { return outline_.At(index).container; }
    // The label colour of a node's page or label, when it has one.
    std::optional<COLORREF> LabelColour(uint32_t index) const;

    // The item of the first page in the tree's order with the identifier,
    // the levels down to it filled and opened as the tree would; null when no
    // item can reach it.
    HTREEITEM Reveal(uint32_t pageId);
    // The control is opening or closing the node's item: its children go in
    // the first time, and its folder image follows.
    void OnExpanding(uint32_t index, bool expanding);
    // Opens every folder below the node, within a limit of items in the
    // control; a beep when some stay closed.
    void ExpandAll(uint32_t start, size_t itemLimit);
    void CollapseAll(uint32_t start);

private:
    // The record beside an outline node, made when first asked for.
    TreeItemRecord& Record(uint32_t index);
    // Inserts the items of a node's children, once, after making their nodes.
    void ShowChildren(uint32_t index, bool childrenFollow = false);
    void InsertChildren(uint32_t index, bool childrenFollow);
    std::vector<uint32_t> ShowLevels(uint32_t start, size_t itemLimit);
    void OnFilled(uint32_t index);
    void InsertItem(uint32_t index, uint32_t defaultColour, bool childrenFollow);
    void AddPlaceholder(TreeItemRecord& record);
    void DropPlaceholder(TreeItemRecord& record);
    void SetExpanded(uint32_t index, bool expanded);
    void ShowFolderState(uint32_t index, bool expanded);
    uint32_t TextColour() const;
    // A node's index travels in its item's data, plus one: placeholders carry 0.
    static LPARAM ItemData(uint32_t index) { return static_cast<LPARAM>(index) + 1; }

    const model::CBook& book_;
    TreeControl& control_;
    PageTreeImages& images_;
    model::PageTree tree_;
    model::Outline outline_;  // which pages show where
    // One per outline node made so far, by index. Records live as long as
    // the tree's items: items are only ever removed all at once, before the
    // map goes. A deque, so that references to records stay valid while
    // more are added.
    std::deque<TreeItemRecord> records_;
};

}  // namespace viewer
