#include "model/PageTree.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace model {

namespace {

// Page indexes ordered by (parent id, index). Sorting by the parent alone
// with a stable sort keeps book order among siblings; a large book is sorted
// by radix, 16 bits at a time.
std::vector<uint32_t> IndexesByParent(const CBook& book, std::vector<uint32_t>& parents)
{
    const auto count = static_cast<uint32_t>(book.PageCount());
    std::vector<uint32_t> order(count);
    for (uint32_t i = 0; i < count; ++i)
        order[i] = i;
    parents.resize(count);
    for (uint32_t i = 0; i < count; ++i)
        parents[i] = book.PageAt(i)->ParentId();
    constexpr uint32_t kRadixFrom = 1u << 14;
    if (count < kRadixFrom) {
        std::stable_sort(order.begin(), order.end(), [&](uint32_t a, uint32_t b) { return parents[a] < parents[b]; });
        return order;
    }
    std::vector<uint32_t> sorted(count);
    std::vector<uint32_t> starts(1u << 16);
    for (const int shift : {0, 16}) {
        std::fill(starts.begin(), starts.end(), 0);
        for (uint32_t index : order)
            ++starts[(parents[index] >> shift) & 0xFFFF];
        uint32_t start = 0;
        for (uint32_t& bucket : starts)
            start += std::exchange(bucket, start);
        for (uint32_t index : order)
            sorted[starts[(parents[index] >> shift) & 0xFFFF]++] = index;
        order.swap(sorted);
    }
    return order;
}

}  // namespace

PageTree::PageTree(const CBook& book) : book_(book)
{
    std::vector<uint32_t> parents;
    byParent_ = IndexesByParent(book, parents);
    parentOf_.resize(byParent_.size());
    for (size_t i = 0; i < byParent_.size(); ++i)
        parentOf_[i] = parents[byParent_[i]];
    std::unique_copy(parentOf_.begin(), parentOf_.end(), std::back_inserter(parentIds_));
}

bool PageTree::IsParentId(uint32_t id) const { return std::binary_search(parentIds_.begin(), parentIds_.end(), id); }

std::span<const uint32_t> PageTree::ChildIndexes(uint32_t parentId) const
{
    if (!IsParentId(parentId))
        return {};
    auto [first, last] = std::equal_range(parentOf_.begin(), parentOf_.end(), parentId);
    const auto begin = static_cast<size_t>(first - parentOf_.begin());
    return std::span<const uint32_t>(byParent_).subspan(begin, static_cast<size_t>(last - first));
}

std::vector<const CPage*> PageTree::Children(const CPage& node) const
{
    std::vector<const CPage*> children;
    for (uint32_t index : ChildIndexes(node.Id()))
        if (const CPage* page = book_.PageAt(index); page != &node)
            children.push_back(page);
    return children;
}

bool PageTree::HasChildren(const CPage& node) const
{
    for (uint32_t index : ChildIndexes(node.Id()))
        if (book_.PageAt(index) != &node)
            return true;
    return false;
}

std::vector<const CPage*> PageTree::SortedChildren(const CPage& node) const
{
    const std::vector<const CPage*> children = Children(node);
    const SiblingOrder order = SiblingOrder::Of(book_, node);
    std::vector<SiblingKey> keys;
    keys.reserve(children.size());
    for (const CPage* child : children)
        keys.push_back(SiblingKey::Make(book_, child, order.sortKey));
    // A pair the comparison orders differently from each side (two
    // recycle-bin-like pages, equal times of different status) stays in book
    // order, so the sort always sees a consistent order.
    std::stable_sort(keys.begin(), keys.end(), [&order](const SiblingKey& a, const SiblingKey& b) {
        return CompareSiblings(a, b, order) < 0 && CompareSiblings(b, a, order) > 0;
    });
    std::vector<const CPage*> sorted;
    sorted.reserve(keys.size());
    for (const SiblingKey& key : keys)
        sorted.push_back(key.page);
    return sorted;
}

NodeLook PageTree::Look(const CPage& page, bool isRoot, bool expanded, uint32_t defaultColour) const
{
    NodeLook look;
    look.text = NodeText(book_, page);
    look.ownIcon = OwnIcon(book_, page);
    look.standardImage = StandardImage(book_, page, expanded);
    look.colour = PageDisplayColour(book_, page, defaultColour);
    look.bold = IsBold(book_, page);
    look.container = isRoot || page.IsFolder();
    return look;
}

int StandardImage(const CBook& book, const CPage& page, bool expanded)
{
    switch (page.Kind()) {
    case kPlainText: return kImageTextFile;
    case kWebArchive:
    case kHtml: return kImageHtmlFile;
    case kRichText: return kImageRtfFile;
    case kRecycleBin:
        if (book.RecycleBin() == &page)
            return book.HasChildren(page.Id()) ? kImageBinFull : kImageBinEmpty;
        [[fallthrough]];
    case kFolder:
    case kFlaggedFolder: return expanded ? kImageOpenFolder : kImageClosedFolder;
    default: return kImageNone;
    }
}

const CIcon* OwnIcon(const CBook& book, const CPage& page)
{
    if (page.LabelId() != 0)
        if (const CLegendItem* item = book.Legend().ItemFor(static_cast<int32_t>(page.LabelId())); item && item->HasIcon())
            return &item->icon;
    if (const CIcon* icon = book.IconOfPage(page.Id()); icon && !icon->Empty())
        return icon;
    return nullptr;
}

bool IsBold(const CBook& book, const CPage& page)
{
    if (page.LabelId() == 0)
        return false;
    const CLegendItem* item = book.Legend().ItemFor(static_cast<int32_t>(page.LabelId()));
    return item && item->Bold();
}

std::u16string NodeText(const CBook& book, const CPage& page)
{
    std::u16string text(page.Title());
    if (const size_t attached = book.AttachmentCount(page.Id()); attached > 0) {
        const std::string suffix = " [Attached Files: " + std::to_string(attached) + "]";
        text.append(suffix.begin(), suffix.end());
    }
    return text;
}

std::u16string InfoTipText(const CBook& book, const CPage& page, bool firstTopLevel)
{
    std::u16string tip = page.TipText();
    if (firstTopLevel && book.ExtraInfoCount() > 0) {
        if (!tip.empty())
            tip += u'\r';
        const std::string line = "Document contains " + std::to_string(book.ExtraInfoCount()) + " attacments";
        tip.append(line.begin(), line.end());
    }
    return tip;
}

}  // namespace model
