#include "viewer/PageTreePane.h"

#include "model/PageTree.h"
#include "platform/win32/Reflect.h"
#include "resources/ResourceIds.h"
#include "viewer/Settings.h"

#include <string>

namespace viewer {
namespace {

constexpr DWORD kStyle = WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_HASLINES | TVS_DISABLEDRAGDROP |
                         TVS_SHOWSELALWAYS | TVS_TRACKSELECT | TVS_INFOTIP;
constexpr UINT kTipPopDownMs = 10000;

}  // namespace

PageTreePane::PageTreePane(TreeHost& host) : Pane(host), treeHost_(host) {}

// The window goes before the records its items point to.
PageTreePane::~PageTreePane() { Destroy(); }

bool PageTreePane::Create(const RECT& rect, HWND parent, UINT id)
{
    INITCOMMONCONTROLSEX init{sizeof init, ICC_TREEVIEW_CLASSES};
    InitCommonControlsEx(&init);
    if (!CreateControl({WC_TREEVIEWW, L"", kStyle, 0, rect, parent, id}))
        return false;
    const SettingsRecord& settings = Settings();
    LOGFONTW font = settings.treeFont;
    // A stored record without a face name holds no font: the system's then.
    if (font.lfWeight == -1 || font.lfFaceName[0] == L'\0')
        GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font);
    font_.Reset(CreateFontIndirectW(&font));
    if (font_.Get())
        SendMessageW(Hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), TRUE);
    SendMessageW(Hwnd(), TVM_SETTEXTCOLOR, 0, settings.treeTextColour);
    SendMessageW(Hwnd(), TVM_SETLINECOLOR, 0, settings.treeTextColour);
    SendMessageW(Hwnd(), TVM_SETBKCOLOR, 0, settings.treeBackColour);
    if (HWND tips = reinterpret_cast<HWND>(SendMessageW(Hwnd(), TVM_GETTOOLTIPS, 0, 0)))
        SendMessageW(tips, TTM_SETDELAYTIME, TTDT_AUTOPOP, kTipPopDownMs);
    return true;
}

void PageTreePane::FillTree(const model::CBook& book)
{
    SendMessageW(Hwnd(), TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
    records_.clear();
    filledIds_.clear();
    book_ = &book;
    tree_ = std::make_unique<model::PageTree>(book);

    HIMAGELIST images = images_.Create(static_cast<COLORREF>(SendMessageW(Hwnd(), TVM_GETBKCOLOR, 0, 0)));
    SendMessageW(Hwnd(), TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(images));

    const model::CPage* root = tree_->Root();
    if (!root)
        return;  // nothing to show, and nothing to complain about
    HTREEITEM rootItem = InsertPageItem(*root, TVI_ROOT, true);
    InsertChildren(rootItem, *root);
    SendMessageW(Hwnd(), TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(rootItem));
}

HTREEITEM PageTreePane::InsertPageItem(const model::CPage& page, HTREEITEM parent, bool container)
{
    const auto defaultColour = static_cast<uint32_t>(SendMessageW(Hwnd(), TVM_GETTEXTCOLOR, 0, 0));
    const model::NodeLook look = tree_->Look(page, false, false, defaultColour);

    TreeItemRecord record;
    record.pageId = page.Id();
    record.container = container;
    int image = look.ownIcon ? images_.AddOwnIcon(*look.ownIcon) : -1;
    record.ownImage = image >= 0;
    if (image < 0)
        image = look.standardImage;
    record.textColour = look.colour.colour;
    record.hasColour = look.colour.custom;
    records_.push_back(record);
    TreeItemRecord& stored = records_.back();

    std::wstring text(look.text.begin(), look.text.end());
    TVINSERTSTRUCTW insert{};
    insert.hParent = parent;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_STATE | TVIF_PARAM;
    insert.item.pszText = text.data();
    insert.item.iImage = image;
    insert.item.iSelectedImage = image;
    insert.item.stateMask = TVIS_SELECTED | TVIS_BOLD | TVIS_EXPANDED;
    insert.item.state = look.bold ? TVIS_BOLD : 0;
    insert.item.lParam = reinterpret_cast<LPARAM>(&stored);
    stored.item = reinterpret_cast<HTREEITEM>(SendMessageW(Hwnd(), TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
    return stored.item;
}

void PageTreePane::AddPlaceholder(HTREEITEM parent)
{
    TVINSERTSTRUCTW insert{};
    insert.hParent = parent;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM;
    insert.item.pszText = const_cast<wchar_t*>(L"");
    insert.item.lParam = 0;
    SendMessageW(Hwnd(), TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert));
}

void PageTreePane::FillChildren(HTREEITEM item, uint32_t pageId)
{
    if (!RecordOf(item) || !tree_)
        return;
    HTREEITEM first = TreeView_GetChild(Hwnd(), item);
    if (!first || RecordOf(first))
        return;  // no children, or filled already
    TreeView_DeleteItem(Hwnd(), first);
    if (filledIds_.count(pageId) != 0)
        return;  // shown under another item with this identifier
    if (const model::CPage* page = book_->FindPage(pageId))
        InsertChildren(item, *page);
}

// Children come in the viewer's sibling order, so the level needs no sort
// when it is shown. Each gets a placeholder when it has children of its own.
void PageTreePane::InsertChildren(HTREEITEM item, const model::CPage& page)
{
    filledIds_.insert(page.Id());
    for (const model::CPage* child : tree_->SortedChildren(page)) {
        HTREEITEM childItem = InsertPageItem(*child, item, child->IsFolder());
        if (childItem && filledIds_.count(child->Id()) == 0 && tree_->HasChildren(*child))
            AddPlaceholder(childItem);
    }
}

TreeItemRecord* PageTreePane::RecordOf(HTREEITEM item) const
{
    if (!item)
        return nullptr;
    TVITEMW query{};
    query.mask = TVIF_PARAM | TVIF_HANDLE;
    query.hItem = item;
    if (!SendMessageW(Hwnd(), TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&query)))
        return nullptr;
    return reinterpret_cast<TreeItemRecord*>(query.lParam);
}

POINT PageTreePane::KeyboardMenuPoint() const
{
    RECT item{};
    POINT at{0, 0};
    if (HTREEITEM selected = TreeView_GetSelection(Hwnd()); selected && TreeView_GetItemRect(Hwnd(), selected, &item, TRUE))
        at = {item.left, item.bottom};
    ClientToScreen(Hwnd(), &at);
    return at;
}

LRESULT PageTreePane::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case win::kReflectedNotify:
        return OnNotify(reinterpret_cast<NMHDR*>(lParam));
    case WM_COMMAND:
        if (lParam == 0 && OnCommand(LOWORD(wParam)))
            return 0;
        break;
    }
    return Pane::HandleMessage(msg, wParam, lParam);
}

}  // namespace viewer
