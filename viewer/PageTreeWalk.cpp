// Finding and opening pages in the tree, and the whole-tree commands. They
// walk the pane's records, not the control, and send the control only what
// changes it. The walks keep no stack of their own: parent links lead back,
// so any depth is fine.
#include "model/Book.h"
#include "viewer/PageTreePane.h"

#include <vector>

namespace viewer {

// The control's own switch leaves its scroll bars painting on every change,
// which makes a walk through thousands of levels crawl; the window's switch
// stops that too.
QuietTree::QuietTree(HWND tree, int& depth) : tree_(tree), depth_(depth)
{
    if (depth_++ > 0)
        return;
    previousCursor_ = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    SendMessageW(tree_, WM_SETREDRAW, FALSE, 0);
    DefWindowProcW(tree_, WM_SETREDRAW, FALSE, 0);
}

QuietTree::~QuietTree()
{
    if (--depth_ > 0)
        return;
    DefWindowProcW(tree_, WM_SETREDRAW, TRUE, 0);
    SendMessageW(tree_, WM_SETREDRAW, TRUE, 0);
    RedrawWindow(tree_, nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
    SetCursor(previousCursor_);
}

uint32_t PageTreePane::WalkFrom(uint32_t start, const Visitor& visit)
{
    uint32_t at = start;
    while (at != TreeItemRecord::kNone) {
        if (!visit(at))
            return at;
        if (records_[at].childCount > 0) {
            at = records_[at].firstChild;
            continue;
        }
        // Up until a next sibling, never past the start.
        while (at != start) {
            const TreeItemRecord& parent = records_[records_[at].parent];
            if (at + 1 - parent.firstChild < parent.childCount) {
                ++at;
                break;
            }
            at = records_[at].parent;
        }
        if (at == start)
            return TreeItemRecord::kNone;
    }
    return TreeItemRecord::kNone;
}

// The first page in the tree's order with the identifier, opening what the
// walk passes as the tree would; only the levels on the way to it get items.
void PageTreePane::SelectPage(uint32_t pageId)
{
    uint32_t found = TreeItemRecord::kNone;
    if (!records_.empty())
        found = WalkFrom(0, [this, pageId](uint32_t at) {
            if (records_[at].page->Id() == pageId)
                return false;
            if (records_[at].container)
                AddChildren(at);  // so that the walk goes down into it
            return true;
        });
    std::vector<uint32_t> ancestors;
    for (uint32_t up = found == TreeItemRecord::kNone ? found : records_[found].parent; up != TreeItemRecord::kNone;
         up = records_[up].parent)
        ancestors.push_back(up);
    for (auto it = ancestors.rbegin(); it != ancestors.rend(); ++it)
        ShowChildren(*it);
    for (uint32_t up : ancestors)
        SetExpanded(records_[up], true);
    TreeView_Select(Hwnd(), found == TreeItemRecord::kNone ? nullptr : records_[found].item, TVGN_CARET);
}

int64_t PageTreePane::SelectedPageId() const
{
    const TreeItemRecord* record = RecordOf(TreeView_GetSelection(Hwnd()));
    return record ? static_cast<int64_t>(record->page->Id()) : -1;
}

// Which page gets an identifier's children is settled in the tree's order,
// depth first, as when the folders are opened one after another. The items
// then go in level by level, so that the parents of the many items of the
// lower levels are among the first items inserted (some controls look up a
// parent by searching their items in insertion order). The start item is
// closed meanwhile and folders open from the bottom up: opening an item
// that does not show is cheap, while each opening of a shown one costs the
// control a pass over everything shown. The start opens last, once.
void PageTreePane::ExpandAll()
{
    const uint32_t start = IndexOf(TreeView_GetSelection(Hwnd()));
    if (start == TreeItemRecord::kNone)
        return;
    QuietTree quiet(Hwnd(), quietDepth_);
    WalkFrom(start, [this](uint32_t at) {
        if (records_[at].container)
            AddChildren(at);
        return true;
    });
    TreeItemRecord& first = records_[start];
    const bool wasOpen = (Control(TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(first.item), TVIS_EXPANDED) & TVIS_EXPANDED) != 0;
    if (wasOpen)
        Control(TVM_EXPAND, TVE_COLLAPSE, reinterpret_cast<LPARAM>(first.item));
    std::vector<uint32_t> levels{start};
    for (size_t next = 0; next < levels.size(); ++next) {
        if (records_[levels[next]].container)
            ShowChildren(levels[next], true);
        const TreeItemRecord& record = records_[levels[next]];
        for (uint32_t child = record.firstChild; child - record.firstChild < record.childCount; ++child)
            if (records_[child].childCount > 0 && records_[child].item)
                levels.push_back(child);
    }
    for (auto it = levels.rbegin(); it != levels.rend(); ++it)
        if (records_[*it].container)
            SetExpanded(records_[*it], true);
    if (wasOpen && !first.container)
        Control(TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(first.item));
}

void PageTreePane::CollapseAll()
{
    const uint32_t start = IndexOf(TreeView_GetSelection(Hwnd()));
    if (start == TreeItemRecord::kNone)
        return;
    QuietTree quiet(Hwnd(), quietDepth_);
    WalkFrom(start, [this](uint32_t at) {
        if (records_[at].item)
            SetExpanded(records_[at], false);
        return true;
    });
}

}  // namespace viewer
