// Finding and opening pages in the tree, and the whole-tree commands. They
// walk the map's records, not the control, and send the control only what
// changes it. The walks keep no stack of their own: parent links lead back,
// so any depth is fine.
#include "frontends/win32/system/ShellActions_win.h"
#include "frontends/win32/tree/TreeItemMap_win.h"

#include <vector>

namespace viewer {

HTREEITEM TreeItemMap::Reveal(uint32_t pageId)
{
    const uint32_t found = outline_.Find(pageId);
    if (found == kNone)
        return nullptr;
    const std::vector<uint32_t> path = outline_.PathTo(found);
    for (uint32_t up : path)
        ShowChildren(up);
    for (auto it = path.rbegin(); it != path.rend(); ++it)
        SetExpanded(*it, true);
    return Record(found).item;
}

// Filling every container below the start first, depth first, settles
// which page gets an identifier's children; then the levels go in one after
// another, so that parents are inserted before the many items below them.
// The start item is closed meanwhile and folders open from the bottom up:
// opening an item that does not show is cheap, while each opening of a
// shown one costs the control a pass over everything shown. The start opens
// last, once.
void TreeItemMap::ExpandAll(uint32_t start, size_t itemLimit)
{
    QuietTree quiet(control_);
    HTREEITEM first = Record(start).item;
    const bool wasOpen =
        (control_.Send(TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(first), TVIS_EXPANDED) & TVIS_EXPANDED) != 0;
    if (wasOpen)
        control_.Send(TVM_EXPAND, TVE_COLLAPSE, reinterpret_cast<LPARAM>(first));
    outline_.WalkFrom(start, [this](uint32_t at, size_t) {
        if (outline_.At(at).container)
            outline_.Fill(at);
        return true;
    });
    const std::vector<uint32_t> opened = ShowLevels(start, itemLimit);
    for (auto it = opened.rbegin(); it != opened.rend(); ++it)
        if (outline_.At(*it).container)
            SetExpanded(*it, true);
    if (wasOpen && !outline_.At(start).container)
        control_.Send(TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(first));
}

// Shows the containers below the start level by level, within the item
// limit: the folders whose children no longer fit, and every one after them
// in the levels' order, stay closed (each still opens on its own), and a
// beep says that not all was opened. Returns every node from the start down
// whose children are in the view, in the levels' order.
std::vector<uint32_t> TreeItemMap::ShowLevels(uint32_t start, size_t itemLimit)
{
    const size_t count = static_cast<size_t>(control_.Send(TVM_GETCOUNT, 0, 0));
    size_t room = itemLimit > count ? itemLimit - count : 0;
    bool cut = false;
    std::vector<uint32_t> levels{start};
    std::vector<uint32_t> opened;
    for (size_t next = 0; next < levels.size(); ++next) {
        const uint32_t at = levels[next];
        const model::Outline::Node& node = outline_.At(at);
        if (node.container && outline_.InView(at) && !node.shown) {
            // Its children, and the button each of them needs that has
            // children of its own, should that one stay closed.
            size_t cost = node.childCount;
            for (uint32_t child = node.firstChild; child - node.firstChild < node.childCount; ++child)
                cost += outline_.At(child).childCount > 0 ? 1 : 0;
            cut = cut || cost > room;
            if (cut) {
                // Its children were to follow at once: it has no button yet.
                if (Record(at).item && !Record(at).placeholder && node.childCount > 0)
                    AddPlaceholder(Record(at));
                continue;
            }
            outline_.Show(at);
            InsertChildren(at, true);
            room -= cost;
        }
        if (!node.shown)
            continue;
        opened.push_back(at);
        for (uint32_t child = node.firstChild; child - node.firstChild < node.childCount; ++child)
            if (outline_.At(child).childCount > 0)
                levels.push_back(child);
    }
    if (cut)
        viewer::Shell().Beep();
    return opened;
}

void TreeItemMap::CollapseAll(uint32_t start)
{
    QuietTree quiet(control_);
    for (uint32_t index : outline_.InViewBelow(start))
        SetExpanded(index, false);
}

}  // namespace viewer
