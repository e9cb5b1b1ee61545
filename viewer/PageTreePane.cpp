#include "viewer/PageTreePane.h"

#include "model/PageTree.h"
#include "viewer/Settings.h"

#include <commctrl.h>

#include <string>

namespace viewer {
namespace {

constexpr DWORD kStyle = WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_HASLINES | TVS_DISABLEDRAGDROP |
                         TVS_SHOWSELALWAYS | TVS_TRACKSELECT | TVS_INFOTIP;

HTREEITEM InsertPage(HWND tree, const model::CBook& book, const model::CPage& page, HTREEITEM parent,
                     bool hasChildren)
{
    std::u16string text = model::NodeText(book, page);
    std::wstring wide(text.begin(), text.end());
    TVINSERTSTRUCTW insert{};
    insert.hParent = parent;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_PARAM | TVIF_STATE | TVIF_CHILDREN;
    insert.item.pszText = wide.data();
    insert.item.lParam = static_cast<LPARAM>(page.Id());
    insert.item.stateMask = TVIS_BOLD;
    insert.item.state = model::IsBold(book, page) ? TVIS_BOLD : 0;
    insert.item.cChildren = hasChildren ? 1 : 0;
    return reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
}

}  // namespace

bool PageTreePane::Create(const RECT& rect, HWND parent, UINT id)
{
    INITCOMMONCONTROLSEX init{sizeof init, ICC_TREEVIEW_CLASSES};
    InitCommonControlsEx(&init);
    if (!CreateControl(WC_TREEVIEWW, L"", kStyle, 0, rect, parent, id))
        return false;
    const SettingsRecord& settings = Settings();
    font_.Reset(CreateFontIndirectW(&settings.treeFont));
    if (font_.Get())
        SendMessageW(Hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), TRUE);
    SendMessageW(Hwnd(), TVM_SETTEXTCOLOR, 0, settings.treeTextColour);
    SendMessageW(Hwnd(), TVM_SETLINECOLOR, 0, settings.treeTextColour);
    SendMessageW(Hwnd(), TVM_SETBKCOLOR, 0, settings.treeBackColour);
    if (HWND tips = reinterpret_cast<HWND>(SendMessageW(Hwnd(), TVM_GETTOOLTIPS, 0, 0)))
        SendMessageW(tips, TTM_SETDELAYTIME, TTDT_AUTOPOP, 10000);
    return true;
}

void PageTreePane::FillTree(const model::CBook& book)
{
    SendMessageW(Hwnd(), TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
    model::PageTree tree(book);
    const model::CPage* root = tree.Root();
    if (!root)
        return;
    HTREEITEM rootItem = InsertPage(Hwnd(), book, *root, TVI_ROOT, true);
    for (const model::CPage* child : tree.SortedChildren(*root))
        InsertPage(Hwnd(), book, *child, rootItem, tree.HasChildren(*child));
    SendMessageW(Hwnd(), TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(rootItem));
}

LRESULT PageTreePane::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_KEYDOWN:
        if (host_.HandleKey(static_cast<UINT>(wParam), lParam))
            return 0;
        break;
    case WM_SETFOCUS: {
        LRESULT result = Default(msg, wParam, lParam);
        host_.SetFocusPane(Hwnd());
        return result;
    }
    case WM_GETDLGCODE:
        return Default(msg, wParam, lParam) | DLGC_WANTALLKEYS;
    }
    return Default(msg, wParam, lParam);
}

}  // namespace viewer
