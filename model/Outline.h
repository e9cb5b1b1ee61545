#pragma once
// The page tree as a view opens it: nodes made one level at a time, on
// demand, over a PageTree. A front end keeps beside each node only what its
// toolkit needs (an item handle); every decision about which pages show
// where is made here.
#include <cstdint>
#include <deque>
#include <functional>
#include <unordered_set>
#include <vector>

#include "model/PageTree.h"

namespace model {

class Outline {
public:
    static constexpr uint32_t kNone = UINT32_MAX;

    // A level's children are stored together, in the viewer's order; links
    // are node indexes.
    struct Node {
        const CPage* page = nullptr;
        bool container = false;  // a folder, or the root
        bool filled = false;     // its children have nodes (or it gets none)
        bool shown = false;      // its children are in the view
        uint32_t parent = kNone;
        uint32_t firstChild = kNone;
        uint32_t childCount = 0;
    };

    // Node 0 is the root page's, when the book has one. `filled` hears of
    // every node as it is filled, by whatever fills it (a view drops the
    // expand button of one that got no children).
    using NodeEvent = std::function<void(uint32_t index)>;
    explicit Outline(const PageTree& tree, NodeEvent filled = {});

    size_t Size() const { return nodes_.size(); }
    bool Empty() const { return nodes_.empty(); }
    const Node& At(uint32_t index) const { return nodes_[index]; }
    const PageTree& Tree() const { return tree_; }

    // Makes the nodes of the children of a node's page, once. Children
    // belong to an identifier, and each identifier's children get nodes
    // once: a page whose identifier was filled already (above it, through a
    // cycle, or elsewhere, through a duplicate) gets none. So cycles end and
    // the outline never holds more nodes than the book has pages.
    void Fill(uint32_t index);
    // Whether the node has children not in the view yet: it needs an expand
    // button before it is opened.
    bool HasHiddenChildren(uint32_t index) const;
    // Marks a node's children as in the view, filling it first; false when
    // they were already.
    bool Show(uint32_t index);
    // In the view: the root, or a child of a shown node.
    bool InView(uint32_t index) const { return nodes_[index].parent == kNone || nodes_[nodes_[index].parent].shown; }

    // Visits the node and its whole subtree, depth first, children in order,
    // with the depth below the start; returns the node at which the visitor
    // said stop, or kNone. Children are read after the visit, which may make
    // them. Iterative: any depth is fine.
    using Visitor = std::function<bool(uint32_t index, size_t depth)>;
    uint32_t WalkFrom(uint32_t start, const Visitor& visit) const;

    // The first node in the tree's order showing the page, filling the
    // containers the walk passes, as opening them one after another would;
    // kNone when no container path reaches it.
    uint32_t Find(uint32_t pageId);
    // The node's ancestors, the root first.
    std::vector<uint32_t> PathTo(uint32_t index) const;

    // Expand all from a node: fills every container below it, depth first
    // (which settles which page gets an identifier's children), then shows
    // them level by level. Returns the start and every node below it whose
    // children are in the view, in that order; `show` is told of each
    // container as its children come into the view, before theirs.
    std::vector<uint32_t> ExpandAll(uint32_t start, const NodeEvent& show);
    // Collapse all from a node: it and every node below it in the view.
    std::vector<uint32_t> InViewBelow(uint32_t start) const;

private:
    uint32_t Add(const CPage& page, uint32_t parent, bool container);

    const PageTree& tree_;
    NodeEvent filled_;
    // A deque, so that references to nodes stay valid while children are added.
    std::deque<Node> nodes_;
    std::unordered_set<uint32_t> filledIds_;
};

}  // namespace model
