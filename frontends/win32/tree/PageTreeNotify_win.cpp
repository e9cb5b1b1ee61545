// What the tree control tells its pane: expansion, selection, tips, drawing.
#include "frontends/win32/tree/PageTreePane_win.h"
#include "model/Outline.h"
#include "model/PageTree.h"
#include "platform/win32/WaitCursor.h"

#include <algorithm>
#include <string>

namespace viewer {

LRESULT PageTreePane::OnNotify(NMHDR* header)
{
    if (!header || header->hwndFrom != Hwnd())
        return 0;
    switch (header->code) {
    case TVN_ITEMEXPANDINGW:
        OnExpanding(*reinterpret_cast<NMTREEVIEWW*>(header));
        return FALSE;  // let it expand
    case TVN_SELCHANGEDW:
        OnSelectionChanged(*reinterpret_cast<NMTREEVIEWW*>(header));
        return 0;
    case TVN_GETINFOTIPW:
        OnInfoTip(*reinterpret_cast<NMTVGETINFOTIPW*>(header));
        return 0;
    case NM_CUSTOMDRAW:
        return OnCustomDraw(*reinterpret_cast<NMTVCUSTOMDRAW*>(header));
    case NM_RCLICK: {
        POINT cursor{};
        GetCursorPos(&cursor);
        PostMessageW(Hwnd(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(Hwnd()), MAKELPARAM(cursor.x, cursor.y));
        // Handled: left to itself the control would send a second request.
        return TRUE;
    }
    default:
        return 0;
    }
}

void PageTreePane::OnExpanding(const NMTREEVIEWW& info)
{
    const uint32_t index = IndexOfData(info.itemNew.lParam);
    if (index == model::Outline::kNone)
        return;
    const bool expanding = (info.action & TVE_EXPAND) != 0;
    if (expanding)
        ShowChildren(index);
    ShowFolderState(index, expanding);
}

// The control tells of a programmatic expansion only the first time, so
// the commands set the folder image themselves. An item without children
// cannot open.
void PageTreePane::SetExpanded(uint32_t index, bool expanded)
{
    const model::Outline::Node& node = outline_->At(index);
    const TreeItemRecord& record = Record(index);
    const bool hasChildItems = record.placeholder || (node.shown && node.childCount > 0);
    if (record.item && hasChildItems)
        Control(TVM_EXPAND, expanded ? TVE_EXPAND : TVE_COLLAPSE, reinterpret_cast<LPARAM>(record.item));
    ShowFolderState(index, expanded && record.item && hasChildItems);
}

void PageTreePane::ShowFolderState(uint32_t index, bool expanded)
{
    const model::Outline::Node& node = outline_->At(index);
    TreeItemRecord& record = Record(index);
    if (!node.container || record.ownImage || !book_ || !record.item || record.shownOpen == expanded)
        return;
    record.shownOpen = expanded;
    // Folders open and close; the recycle bin keeps showing whether it holds
    // anything.
    int image = expanded ? model::kImageOpenFolder : model::kImageClosedFolder;
    if (book_->RecycleBin() == node.page)
        image = model::StandardImage(*book_, *node.page, expanded);
    TVITEMW item{};
    item.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_HANDLE;
    item.hItem = record.item;
    item.iImage = image;
    item.iSelectedImage = image;
    Control(TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
}

void PageTreePane::OnSelectionChanged(const NMTREEVIEWW& info)
{
    const uint32_t index = info.itemNew.hItem ? IndexOfData(info.itemNew.lParam) : model::Outline::kNone;
    if (index == model::Outline::kNone)
        return;
    win::WaitCursor wait;
    const model::Outline::Node& node = outline_->At(index);
    treeHost_.DisplayPage(node.page->Id(), node.container, info.action == TVC_BYKEYBOARD);
}

void PageTreePane::OnInfoTip(NMTVGETINFOTIPW& tip)
{
    const uint32_t index = IndexOfData(tip.lParam);
    const model::CPage* page =
        index != model::Outline::kNone && book_ ? book_->FindPage(outline_->At(index).page->Id()) : nullptr;
    if (!page || !tip.pszText || tip.cchTextMax <= 0)
        return;
    const bool firstTopLevel = tip.hItem == TreeView_GetRoot(Hwnd());
    const std::u16string text = model::InfoTipText(*book_, *page, firstTopLevel);
    if (text.empty())
        return;
    const size_t n = std::min(text.size(), static_cast<size_t>(tip.cchTextMax - 1));
    std::copy(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(n), tip.pszText);
    tip.pszText[n] = L'\0';
}

LRESULT PageTreePane::OnCustomDraw(NMTVCUSTOMDRAW& draw)
{
    switch (draw.nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
        paintBackground_ = static_cast<COLORREF>(Control(TVM_GETBKCOLOR, 0, 0));
        if (paintBackground_ == CLR_NONE)
            paintBackground_ = GetSysColor(COLOR_WINDOW);
        return CDRF_NOTIFYITEMDRAW;
    case CDDS_ITEMPREPAINT:
        // A selected item keeps the selection's colours, which stay legible
        // whatever colour the page has.
        if (draw.nmcd.uItemState & CDIS_SELECTED)
            return CDRF_DODEFAULT;
        if (const uint32_t index = IndexOfData(static_cast<LPARAM>(draw.nmcd.lItemlParam));
            index != model::Outline::kNone && Record(index).hasColour)
            draw.clrText = readableLabels_ ? core::ReadableOn(Record(index).textColour, paintBackground_)
                                           : Record(index).textColour;
        return CDRF_DODEFAULT;
    default:
        return CDRF_DODEFAULT;
    }
}

}  // namespace viewer
