// What the tree control tells its pane: expansion, selection, tips, drawing.
#include "frontends/win32/tree/PageTreePane_win.h"
#include "frontends/win32/tree/TreeItemMap_win.h"
#include "model/Book.h"
#include "model/PageTree.h"
#include "platform/win32/WaitCursor.h"

#include <algorithm>
#include <optional>
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
        if (!clearing_)
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
    const uint32_t index = items_ ? items_->IndexOfData(info.itemNew.lParam) : TreeItemMap::kNone;
    if (index != TreeItemMap::kNone)
        items_->OnExpanding(index, (info.action & TVE_EXPAND) != 0);
}

void PageTreePane::OnSelectionChanged(const NMTREEVIEWW& info)
{
    const uint32_t index =
        items_ && info.itemNew.hItem ? items_->IndexOfData(info.itemNew.lParam) : TreeItemMap::kNone;
    if (index == TreeItemMap::kNone)
        return;
    win::WaitCursor wait;
    treeHost_.DisplayPage(items_->PageAt(index).Id(), items_->IsContainer(index), info.action == TVC_BYKEYBOARD);
}

void PageTreePane::OnInfoTip(NMTVGETINFOTIPW& tip)
{
    const uint32_t index = items_ ? items_->IndexOfData(tip.lParam) : TreeItemMap::kNone;
    const model::CBook* book = Book();
    const model::CPage* page = index != TreeItemMap::kNone ? book->FindPage(items_->PageAt(index).Id()) : nullptr;
    if (!page || !tip.pszText || tip.cchTextMax <= 0)
        return;
    const bool firstTopLevel = tip.hItem == TreeView_GetRoot(Hwnd());
    const std::u16string text = model::InfoTipText(*book, *page, firstTopLevel);
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
        paintBackground_ = static_cast<COLORREF>(control_.Send(TVM_GETBKCOLOR, 0, 0));
        if (paintBackground_ == CLR_NONE)
            paintBackground_ = GetSysColor(COLOR_WINDOW);
        return CDRF_NOTIFYITEMDRAW;
    case CDDS_ITEMPREPAINT:
        // A selected item keeps the selection's colours, which stay legible
        // whatever colour the page has.
        if (draw.nmcd.uItemState & CDIS_SELECTED)
            return CDRF_DODEFAULT;
        if (const std::optional<COLORREF> colour =
                items_ ? items_->LabelColour(items_->IndexOfData(static_cast<LPARAM>(draw.nmcd.lItemlParam)))
                       : std::nullopt)
            draw.clrText = readableLabels_ ? core::ReadableOn(*colour, paintBackground_) : *colour;
        return CDRF_DODEFAULT;
    default:
        return CDRF_DODEFAULT;
    }
}

}  // namespace viewer
