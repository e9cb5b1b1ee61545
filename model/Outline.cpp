#include "model/Outline.h"

namespace model {

Outline::Outline(const PageTree& tree, NodeEvent filled) : tree_(tree), filled_(std::move(filled))
{
    if (const CPage* root = tree.Root())
        Add(*root, kNone, true);
}

uint32_t Outline::Add(const CPage& page, uint32_t parent, bool container)
{
    Node node;
    node.page = &page;
    node.container = container;
    node.parent = parent;
    nodes_.push_back(node);
    return static_cast<uint32_t>(nodes_.size() - 1);
}

// The children come in the viewer's sibling order, so a level needs no sort
// when it is shown.
void Outline::Fill(uint32_t index)
{
    Node& node = nodes_[index];
    if (node.filled)
        return;
    node.filled = true;
    // An identifier no page names as its parent has nothing to fill, for
    // this page or any other of that identifier: no need to remember it.
    const uint32_t id = node.page->Id();
    if (tree_.IsParentId(id) && !filledIds_.insert(id).second) {
        node.shown = true;  // nothing to show
    } else {
        const std::vector<const CPage*> children =
            tree_.IsParentId(id) ? tree_.SortedChildren(*node.page) : std::vector<const CPage*>();
        node.firstChild = static_cast<uint32_t>(nodes_.size());
        node.childCount = static_cast<uint32_t>(children.size());
        for (const CPage* child : children)
            Add(*child, index, child->IsFolder());
    }
    if (filled_)
        filled_(index);
}

bool Outline::HasHiddenChildren(uint32_t index) const
{
    const Node& node = nodes_[index];
    if (node.filled)
        return node.childCount > 0 && !node.shown;
    return filledIds_.count(node.page->Id()) == 0 && tree_.HasChildren(*node.page);
}

bool Outline::Show(uint32_t index)
{
    Fill(index);
    if (nodes_[index].shown)
        return false;
    nodes_[index].shown = true;
    return true;
}

// No stack of its own: parent links lead back up.
uint32_t Outline::WalkFrom(uint32_t start, const Visitor& visit) const
{
    uint32_t at = start;
    size_t depth = 0;
    while (at != kNone) {
        if (!visit(at, depth))
            return at;
        if (nodes_[at].childCount > 0) {
            at = nodes_[at].firstChild;
            ++depth;
            continue;
        }
        // Up until a next sibling, never past the start.
        while (at != start) {
            const Node& parent = nodes_[nodes_[at].parent];
            if (at + 1 - parent.firstChild < parent.childCount) {
                ++at;
                break;
            }
            at = nodes_[at].parent;
            --depth;
        }
        if (at == start)
            return kNone;
    }
    return kNone;
}

uint32_t Outline::Find(uint32_t pageId)
{
    if (nodes_.empty())
        return kNone;
    return WalkFrom(0, [this, pageId](uint32_t at, size_t) {
        if (nodes_[at].page->Id() == pageId)
            return false;
        if (nodes_[at].container)
            Fill(at);  // so that the walk goes down into it
        return true;
    });
}

std::vector<uint32_t> Outline::PathTo(uint32_t index) const
{
    std::vector<uint32_t> path;
    for (uint32_t up = nodes_[index].parent; up != kNone; up = nodes_[up].parent)
        path.push_back(up);
    return {path.rbegin(), path.rend()};
}

// Level by level, so that a view inserts the parents of the many nodes of
// the lower levels first (some controls look up a parent by searching their
// items in insertion order).
std::vector<uint32_t> Outline::ExpandAll(uint32_t start, const NodeEvent& show)
{
    WalkFrom(start, [this](uint32_t at, size_t) {
        if (nodes_[at].container)
            Fill(at);
        return true;
    });
    std::vector<uint32_t> levels{start};
    for (size_t next = 0; next < levels.size(); ++next) {
        const uint32_t at = levels[next];
        if (nodes_[at].container && InView(at) && Show(at))
            show(at);
        const Node& node = nodes_[at];
        for (uint32_t child = node.firstChild; child - node.firstChild < node.childCount; ++child)
            if (nodes_[child].childCount > 0 && node.shown)
                levels.push_back(child);
    }
    return levels;
}

std::vector<uint32_t> Outline::InViewBelow(uint32_t start) const
{
    std::vector<uint32_t> inView;
    WalkFrom(start, [this, &inView](uint32_t at, size_t) {
        if (InView(at))
            inView.push_back(at);
        return true;
    });
    return inView;
}

}  // namespace model

namespace model {

void PageTree::WalkExpanded(const Visitor& visit) const
{
    Outline outline(*this);
    if (outline.Empty())
        return;
    outline.WalkFrom(0, [&](uint32_t at, size_t depth) {
        if (!visit(*outline.At(at).page, depth))
            return false;
        outline.Fill(at);
        return true;
    });
}

}  // namespace model
