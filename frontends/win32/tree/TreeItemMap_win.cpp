// The items of the levels shown so far, each inserted once, with the
// records the walks read instead of the control.
#include "frontends/win32/tree/TreeItemMap_win.h"

#include "frontends/win32/tree/PageTreeImages_win.h"
#include "model/Book.h"

#include <string>

namespace viewer {

TreeItemMap::TreeItemMap(const model::CBook& book, TreeControl& control, PageTreeImages& images)
    : book_(book), control_(control), images_(images), tree_(book),
      outline_(tree_, [this](uint32_t index) { OnFilled(index); })
{
}

void TreeItemMap::ShowRoot()
{
    if (outline_.Empty())
        return;  // nothing to show, and nothing to complain about
    QuietTree quiet(control_);
    constexpr uint32_t kRoot = 0;
    outline_.Fill(kRoot);
    InsertItem(kRoot, TextColour(), true);
    ShowChildren(kRoot);
    control_.Send(TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(Record(kRoot).item));
}

TreeItemRecord& TreeItemMap::Record(uint32_t index)
{
    if (index >= records_.size())
        records_.resize(outline_.Size());
    return records_[index];
}

// A node filled with no children (its identifier's went to another) loses
// its button.
void TreeItemMap::OnFilled(uint32_t index)
{
    if (outline_.At(index).childCount == 0)
        DropPlaceholder(Record(index));
}

void TreeItemMap::ShowChildren(uint32_t index, bool childrenFollow)
{
    outline_.Fill(index);
    if (Record(index).item && outline_.Show(index))
        InsertChildren(index, childrenFollow);
}

// A large level goes in with drawing off: the control would otherwise work
// out its scroll bars again for every item. With childrenFollow, the caller
// shows the children of the filled containers next, before anything is
// drawn: they need no placeholder in between.
void TreeItemMap::InsertChildren(uint32_t index, bool childrenFollow)
{
    constexpr uint32_t kQuietLevel = 200;
    DropPlaceholder(Record(index));
    const model::Outline::Node& node = outline_.At(index);
    std::optional<QuietTree> quiet;
    if (node.childCount >= kQuietLevel)
        quiet.emplace(control_);
    const uint32_t defaultColour = TextColour();
    for (uint32_t child = node.firstChild; child - node.firstChild < node.childCount; ++child)
        InsertItem(child, defaultColour,
                   childrenFollow && outline_.At(child).container && outline_.At(child).filled);
}

uint32_t TreeItemMap::TextColour() const
{
    return static_cast<uint32_t>(SendMessageW(control_.hwnd, TVM_GETTEXTCOLOR, 0, 0));
}

// Inserted last among its parent's children, whose item is inserted before
// it; with a placeholder when it has children that are not items yet and
// are not about to be.
void TreeItemMap::InsertItem(uint32_t index, uint32_t defaultColour, bool childrenFollow)
{
    const model::Outline::Node& node = outline_.At(index);
    TreeItemRecord& record = Record(index);
    const model::NodeLook look = tree_.Look(*node.page, false, false, defaultColour);
    int image = look.ownIcon ? images_.AddOwnIcon(*look.ownIcon) : -1;
    record.ownImage = image >= 0;
    if (image < 0)
        image = look.standardImage;
    record.textColour = look.colour.colour;
    record.hasColour = look.colour.custom;

    std::wstring text(look.text.begin(), look.text.end());
    TVINSERTSTRUCTW insert{};
    insert.hParent = node.parent == model::Outline::kNone ? TVI_ROOT : Record(node.parent).item;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_STATE | TVIF_PARAM;
    insert.item.pszText = text.data();
    insert.item.iImage = image;
    insert.item.iSelectedImage = image;
    insert.item.stateMask = TVIS_SELECTED | TVIS_BOLD | TVIS_EXPANDED;
    insert.item.state = look.bold ? TVIS_BOLD : 0;
    insert.item.lParam = ItemData(index);
    record.item = reinterpret_cast<HTREEITEM>(control_.Send(TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
    if (record.item && !childrenFollow && outline_.HasHiddenChildren(index))
        AddPlaceholder(record);
}

void TreeItemMap::AddPlaceholder(TreeItemRecord& record)
{
    TVINSERTSTRUCTW insert{};
    insert.hParent = record.item;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM;
    insert.item.pszText = const_cast<wchar_t*>(L"");
    insert.item.lParam = 0;
    record.placeholder =
        reinterpret_cast<HTREEITEM>(control_.Send(TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
}

void TreeItemMap::DropPlaceholder(TreeItemRecord& record)
{
    if (record.placeholder)
        control_.Send(TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(record.placeholder));
    record.placeholder = nullptr;
}

uint32_t TreeItemMap::IndexOfData(LPARAM data) const
{
    const auto index = static_cast<uint32_t>(data - 1);
    return data > 0 && index < outline_.Size() ? index : kNone;
}

uint32_t TreeItemMap::IndexOf(HTREEITEM item) const
{
    if (!item)
        return kNone;
    TVITEMW query{};
    query.mask = TVIF_PARAM | TVIF_HANDLE;
    query.hItem = item;
    if (!SendMessageW(control_.hwnd, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&query)))
        return kNone;
    return IndexOfData(query.lParam);
}

std::optional<COLORREF> TreeItemMap::LabelColour(uint32_t index) const
{
    if (index >= records_.size() || !records_[index].hasColour)
        return std::nullopt;
    return records_[index].textColour;
}

void TreeItemMap::OnExpanding(uint32_t index, bool expanding)
{
    if (expanding)
        ShowChildren(index);
    ShowFolderState(index, expanding);
}

// The control tells of a programmatic expansion only the first time, so
// the commands set the folder image themselves. An item without children
// cannot open.
void TreeItemMap::SetExpanded(uint32_t index, bool expanded)
{
    const model::Outline::Node& node = outline_.At(index);
    const TreeItemRecord& record = Record(index);
    const bool hasChildItems = record.placeholder || (node.shown && node.childCount > 0);
    if (record.item && hasChildItems)
        control_.Send(TVM_EXPAND, expanded ? TVE_EXPAND : TVE_COLLAPSE, reinterpret_cast<LPARAM>(record.item));
    ShowFolderState(index, expanded && record.item && hasChildItems);
}

void TreeItemMap::ShowFolderState(uint32_t index, bool expanded)
{
    const model::Outline::Node& node = outline_.At(index);
    TreeItemRecord& record = Record(index);
    if (!node.container || record.ownImage || !record.item || record.shownOpen == expanded)
        return;
    record.shownOpen = expanded;
    // Folders open and close; the recycle bin keeps showing whether it holds
    // anything.
    int image = expanded ? model::kImageOpenFolder : model::kImageClosedFolder;
    if (book_.RecycleBin() == node.page)
        image = model::StandardImage(book_, *node.page, expanded);
    TVITEMW item{};
    item.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_HANDLE;
    item.hItem = record.item;
    item.iImage = image;
    item.iSelectedImage = image;
    control_.Send(TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
}

}  // namespace viewer
