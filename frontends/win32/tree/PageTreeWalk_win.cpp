// Finding and opening pages in the tree, and the whole-tree commands. They
// walk the pane's records, not the control, and send the control only what
// changes it. The walks keep no stack of their own: parent links lead back,
// so any depth is fine.
#include "frontends/win32/system/ShellActions_win.h"
#include "frontends/win32/tree/PageTreePane_win.h"
#include "model/Outline.h"

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

// The first page in the tree's order with the identifier, opening what the
// walk passes as the tree would; only the levels on the way to it get items.
void PageTreePane::SelectPage(uint32_t pageId)
{
    const uint32_t found = outline_ ? outline_->Find(pageId) : model::Outline::kNone;
    const std::vector<uint32_t> path = found == model::Outline::kNone ? std::vector<uint32_t>() : outline_->PathTo(found);
    for (uint32_t up : path)
        ShowChildren(up);
    for (auto it = path.rbegin(); it != path.rend(); ++it)
        SetExpanded(*it, true);
    TreeView_Select(Hwnd(), found == model::Outline::kNone ? nullptr : Record(found).item, TVGN_CARET);
}

int64_t PageTreePane::SelectedPageId() const
{
    const uint32_t index = IndexOf(TreeView_GetSelection(Hwnd()));
    return index == model::Outline::kNone ? -1 : static_cast<int64_t>(outline_->At(index).page->Id());
}

// Filling every container below the start first, depth first, settles
// which page gets an identifier's children; then the levels go in one after
// another, so that parents are inserted before the many items below them.
// The start item is closed meanwhile and folders open from the bottom up:
// opening an item that does not show is cheap, while each opening of a
// shown one costs the control a pass over everything shown. The start opens
// last, once.
void PageTreePane::ExpandAll()
{
    const uint32_t start = IndexOf(TreeView_GetSelection(Hwnd()));
    if (start == model::Outline::kNone)
        return;
    QuietTree quiet(Hwnd(), quietDepth_);
    HTREEITEM first = Record(start).item;
    const bool wasOpen = (Control(TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(first), TVIS_EXPANDED) & TVIS_EXPANDED) != 0;
    if (wasOpen)
        Control(TVM_EXPAND, TVE_COLLAPSE, reinterpret_cast<LPARAM>(first));
    outline_->WalkFrom(start, [this](uint32_t at, size_t) {
        if (outline_->At(at).container)
            outline_->Fill(at);
        return true;
    });
    const std::vector<uint32_t> opened = ShowLevels(start);
    for (auto it = opened.rbegin(); it != opened.rend(); ++it)
        if (outline_->At(*it).container)
            SetExpanded(*it, true);
    if (wasOpen && !outline_->At(start).container)
        Control(TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(first));
}

// Shows the containers below the start level by level, within the item
// limit: the folders whose children no longer fit, and every one after them
// in the levels' order, stay closed (each still opens on its own), and a
// beep says that not all was opened. Returns every node from the start down
// whose children are in the view, in the levels' order.
std::vector<uint32_t> PageTreePane::ShowLevels(uint32_t start)
{
    const size_t count = static_cast<size_t>(Control(TVM_GETCOUNT, 0, 0));
    size_t room = expandAllLimit_ > count ? expandAllLimit_ - count : 0;
    bool cut = false;
    std::vector<uint32_t> levels{start};
    std::vector<uint32_t> opened;
    for (size_t next = 0; next < levels.size(); ++next) {
        const uint32_t at = levels[next];
        const model::Outline::Node& node = outline_->At(at);
        if (node.container && outline_->InView(at) && !node.shown) {
            // Its children, and the button each of them needs that has
            // children of its own, should that one stay closed.
            size_t cost = node.childCount;
            for (uint32_t child = node.firstChild; child - node.firstChild < node.childCount; ++child)
                cost += outline_->At(child).childCount > 0 ? 1 : 0;
            cut = cut || cost > room;
            if (cut) {
                // Its children were to follow at once: it has no button yet.
                if (Record(at).item && !Record(at).placeholder && node.childCount > 0)
                    AddPlaceholder(Record(at));
                continue;
            }
            outline_->Show(at);
            InsertChildren(at, true);
            room -= cost;
        }
        if (!node.shown)
            continue;
        opened.push_back(at);
        for (uint32_t child = node.firstChild; child - node.firstChild < node.childCount; ++child)
            if (outline_->At(child).childCount > 0)
                levels.push_back(child);
    }
    if (cut)
        viewer::Shell().Beep();
    return opened;
}

void PageTreePane::CollapseAll()
{
    const uint32_t start = IndexOf(TreeView_GetSelection(Hwnd()));
    if (start == model::Outline::kNone)
        return;
    QuietTree quiet(Hwnd(), quietDepth_);
    for (uint32_t index : outline_->InViewBelow(start))
        SetExpanded(index, false);
}

}  // namespace viewer
