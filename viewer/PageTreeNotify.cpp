// What the tree control tells its pane: expansion, selection, tips, drawing.
#include "model/PageTree.h"
#include "platform/win32/WaitCursor.h"
#include "viewer/PageTreePane.h"

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
    TreeItemRecord* record = reinterpret_cast<TreeItemRecord*>(info.itemNew.lParam);
    if (!record)
        return;
    const bool expanding = (info.action & TVE_EXPAND) != 0;
    if (expanding)
        FillChildren(info.itemNew.hItem, record->pageId);
    ShowFolderState(info.itemNew.hItem, *record, expanding);
}

// The control tells of a programmatic expansion only the first time, so
// the commands set the folder image themselves.
void PageTreePane::SetExpanded(HTREEITEM item, bool expanded)
{
    TreeView_Expand(Hwnd(), item, expanded ? TVE_EXPAND : TVE_COLLAPSE);
    if (const TreeItemRecord* record = RecordOf(item))
        ShowFolderState(item, *record, (TreeView_GetItemState(Hwnd(), item, TVIS_EXPANDED) & TVIS_EXPANDED) != 0);
}

void PageTreePane::ShowFolderState(HTREEITEM handle, const TreeItemRecord& record, bool expanded)
{
    if (!record.container || record.ownImage || !book_)
        return;
    // Folders open and close; the recycle bin keeps showing whether it holds
    // anything.
    int image = expanded ? model::kImageOpenFolder : model::kImageClosedFolder;
    const model::CPage* page = book_->FindPage(record.pageId);
    if (page && book_->RecycleBin() == page)
        image = model::StandardImage(*book_, *page, expanded);
    TVITEMW item{};
    item.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_HANDLE;
    item.hItem = handle;
    item.iImage = image;
    item.iSelectedImage = image;
    SendMessageW(Hwnd(), TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
}

void PageTreePane::OnSelectionChanged(const NMTREEVIEWW& info)
{
    const TreeItemRecord* record = info.itemNew.hItem ? RecordOf(info.itemNew.hItem) : nullptr;
    if (!record)
        return;
    win::WaitCursor wait;
    treeHost_.DisplayPage(record->pageId, record->container, info.action == TVC_BYKEYBOARD);
}

void PageTreePane::OnInfoTip(NMTVGETINFOTIPW& tip)
{
    const TreeItemRecord* record = RecordOf(tip.hItem);
    const model::CPage* page = record && book_ ? book_->FindPage(record->pageId) : nullptr;
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
        return CDRF_NOTIFYITEMDRAW;
    case CDDS_ITEMPREPAINT:
        // A selected item keeps the selection's colours, which stay legible
        // whatever colour the page has.
        if (draw.nmcd.uItemState & CDIS_SELECTED)
            return CDRF_DODEFAULT;
        if (const auto* record = reinterpret_cast<const TreeItemRecord*>(draw.nmcd.lItemlParam);
            record && record->hasColour)
            draw.clrText = record->textColour;
        return CDRF_DODEFAULT;
    default:
        return CDRF_DODEFAULT;
    }
}

}  // namespace viewer
