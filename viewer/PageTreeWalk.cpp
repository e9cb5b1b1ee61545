// Finding and opening pages in the tree, and the whole-tree commands. The
// walks keep no stack of their own: the control's parent links lead back,
// so any depth is fine.
#include "platform/win32/WaitCursor.h"
#include "viewer/PageTreePane.h"

#include <vector>

namespace viewer {
namespace {

// Turns redrawing off for a scope, with the wait cursor. The control's own
// switch leaves its scroll bars painting on every change, which makes a walk
// through thousands of levels crawl; the window's switch stops that too.
class QuietTree {
public:
    explicit QuietTree(HWND tree) : tree_(tree)
    {
        SendMessageW(tree_, WM_SETREDRAW, FALSE, 0);
        DefWindowProcW(tree_, WM_SETREDRAW, FALSE, 0);
    }
    ~QuietTree()
    {
        DefWindowProcW(tree_, WM_SETREDRAW, TRUE, 0);
        SendMessageW(tree_, WM_SETREDRAW, TRUE, 0);
        RedrawWindow(tree_, nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
    }
    QuietTree(const QuietTree&) = delete;
    QuietTree& operator=(const QuietTree&) = delete;

private:
    win::WaitCursor wait_;
    HWND tree_;
};

}  // namespace

HTREEITEM PageTreePane::WalkFrom(HTREEITEM start, const Visitor& visit)
{
    HTREEITEM item = start;
    while (item) {
        if (!visit(item))
            return item;
        // Children are read after the visit, which may just have filled them.
        if (HTREEITEM child = TreeView_GetChild(Hwnd(), item)) {
            item = child;
            continue;
        }
        // Up until a next sibling, never past the start.
        while (item && item != start) {
            if (HTREEITEM next = TreeView_GetNextSibling(Hwnd(), item)) {
                item = next;
                break;
            }
            item = TreeView_GetParent(Hwnd(), item);
        }
        if (item == start)
            return nullptr;
    }
    return nullptr;
}

HTREEITEM PageTreePane::WalkAll(const Visitor& visit)
{
    for (HTREEITEM top = TreeView_GetRoot(Hwnd()); top; top = TreeView_GetNextSibling(Hwnd(), top))
        if (HTREEITEM stopped = WalkFrom(top, visit))
            return stopped;
    return nullptr;
}

void PageTreePane::SelectPage(uint32_t pageId)
{
    HTREEITEM found = WalkAll([this, pageId](HTREEITEM item) {
        const TreeItemRecord* record = RecordOf(item);
        if (record && record->pageId == pageId)
            return false;
        if (record && record->container)
            FillChildren(item, record->pageId);  // so that the walk goes down into it
        return true;
    });
    std::vector<HTREEITEM> ancestors;
    for (HTREEITEM up = found ? TreeView_GetParent(Hwnd(), found) : nullptr; up; up = TreeView_GetParent(Hwnd(), up))
        ancestors.push_back(up);
    for (HTREEITEM up : ancestors)
        SetExpanded(up, true);
    TreeView_Select(Hwnd(), found, TVGN_CARET);
}

int64_t PageTreePane::SelectedPageId() const
{
    const TreeItemRecord* record = RecordOf(TreeView_GetSelection(Hwnd()));
    return record ? static_cast<int64_t>(record->pageId) : -1;
}

void PageTreePane::ExpandAll()
{
    QuietTree quiet(Hwnd());
    WalkFrom(TreeView_GetSelection(Hwnd()), [this](HTREEITEM item) {
        if (const TreeItemRecord* record = RecordOf(item); record && record->container) {
            FillChildren(item, record->pageId);
            SetExpanded(item, true);
        }
        return true;
    });
}

void PageTreePane::CollapseAll()
{
    QuietTree quiet(Hwnd());
    WalkFrom(TreeView_GetSelection(Hwnd()), [this](HTREEITEM item) {
        SetExpanded(item, false);
        return true;
    });
}

}  // namespace viewer
