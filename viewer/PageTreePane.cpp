#include "viewer/PageTreePane.h"

#include "components/FontRecords_win.h"
#include "model/PageTree.h"
#include "platform/win32/Reflect.h"
#include "resources/ResourceIds.h"
#include "viewer/Settings.h"

#include <optional>
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
    controlProc_ = reinterpret_cast<WNDPROC>(GetClassLongPtrW(Hwnd(), GCLP_WNDPROC));
    const SettingsRecord& settings = Settings();
    LOGFONTW font = components::ToLogFont(settings.treeFont);
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
    QuietTree quiet(Hwnd(), quietDepth_);
    const uint32_t rootIndex = AddRecord(*root, TreeItemRecord::kNone, true);
    AddChildren(rootIndex);
    InsertItem(rootIndex, TextColour(), true);
    ShowChildren(rootIndex);
    Control(TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(records_[rootIndex].item));
}

uint32_t PageTreePane::AddRecord(const model::CPage& page, uint32_t parent, bool container)
{
    TreeItemRecord record;
    record.page = &page;
    record.container = container;
    record.parent = parent;
    records_.push_back(record);
    return static_cast<uint32_t>(records_.size() - 1);
}

// Children belong to an identifier: a page whose identifier was filled
// already (above it, through a cycle, or elsewhere, through a duplicate)
// gets none. The children come in the viewer's sibling order, so the level
// needs no sort when it is shown.
void PageTreePane::AddChildren(uint32_t index)
{
    TreeItemRecord& record = records_[index];
    if (record.filled || !tree_)
        return;
    record.filled = true;
    if (!filledIds_.insert(record.page->Id()).second) {
        DropPlaceholder(record);
        record.shown = true;  // nothing to show
        return;
    }
    const std::vector<const model::CPage*> children = tree_->SortedChildren(*record.page);
    record.firstChild = static_cast<uint32_t>(records_.size());
    record.childCount = static_cast<uint32_t>(children.size());
    for (const model::CPage* child : children)
        AddRecord(*child, index, child->IsFolder());
}

// A large level goes in with drawing off: the control would otherwise work
// out its scroll bars again for every item. With childrenFollow, the caller
// shows the children of the filled containers next, before anything is
// drawn: they need no placeholder in between.
void PageTreePane::ShowChildren(uint32_t index, bool childrenFollow)
{
    constexpr uint32_t kQuietLevel = 200;
    AddChildren(index);
    TreeItemRecord& record = records_[index];
    if (record.shown || !record.item)
        return;
    record.shown = true;
    DropPlaceholder(record);
    std::optional<QuietTree> quiet;
    if (record.childCount >= kQuietLevel)
        quiet.emplace(Hwnd(), quietDepth_);
    const uint32_t defaultColour = TextColour();
    for (uint32_t child = record.firstChild; child - record.firstChild < record.childCount; ++child)
        InsertItem(child, defaultColour, childrenFollow && records_[child].container && records_[child].filled);
}

// What the pane tells its own control goes straight to the control's
// procedure: through the subclass chain every message costs a window
// property look-up, which under Wine is a call to its server (about ten
// microseconds, a second per hundred thousand items).
LRESULT PageTreePane::Control(UINT msg, WPARAM wParam, LPARAM lParam)
{
    return controlProc_ ? CallWindowProcW(controlProc_, Hwnd(), msg, wParam, lParam)
                        : SendMessageW(Hwnd(), msg, wParam, lParam);
}

uint32_t PageTreePane::TextColour() const
{
    return static_cast<uint32_t>(SendMessageW(Hwnd(), TVM_GETTEXTCOLOR, 0, 0));
}

// Inserted last among its parent's children, whose item is inserted before
// it; with a placeholder when it has children that are not items yet and
// are not about to be.
void PageTreePane::InsertItem(uint32_t index, uint32_t defaultColour, bool childrenFollow)
{
    TreeItemRecord& record = records_[index];
    const model::NodeLook look = tree_->Look(*record.page, false, false, defaultColour);
    int image = look.ownIcon ? images_.AddOwnIcon(*look.ownIcon) : -1;
    record.ownImage = image >= 0;
    if (image < 0)
        image = look.standardImage;
    record.textColour = look.colour.colour;
    record.hasColour = look.colour.custom;

    std::wstring text(look.text.begin(), look.text.end());
    TVINSERTSTRUCTW insert{};
    insert.hParent = record.parent == TreeItemRecord::kNone ? TVI_ROOT : records_[record.parent].item;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_STATE | TVIF_PARAM;
    insert.item.pszText = text.data();
    insert.item.iImage = image;
    insert.item.iSelectedImage = image;
    insert.item.stateMask = TVIS_SELECTED | TVIS_BOLD | TVIS_EXPANDED;
    insert.item.state = look.bold ? TVIS_BOLD : 0;
    insert.item.lParam = ItemData(index);
    record.item = reinterpret_cast<HTREEITEM>(Control(TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
    if (!record.item || childrenFollow)
        return;
    const bool hasHiddenChildren = record.filled ? record.childCount > 0 && !record.shown
                                                 : filledIds_.count(record.page->Id()) == 0 && tree_->HasChildren(*record.page);
    if (hasHiddenChildren)
        AddPlaceholder(record);
}

void PageTreePane::AddPlaceholder(TreeItemRecord& record)
{
    TVINSERTSTRUCTW insert{};
    insert.hParent = record.item;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM;
    insert.item.pszText = const_cast<wchar_t*>(L"");
    insert.item.lParam = 0;
    record.placeholder = reinterpret_cast<HTREEITEM>(Control(TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
}

void PageTreePane::DropPlaceholder(TreeItemRecord& record)
{
    if (record.placeholder)
        Control(TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(record.placeholder));
    record.placeholder = nullptr;
}

uint32_t PageTreePane::IndexOf(HTREEITEM item) const
{
    if (!item)
        return TreeItemRecord::kNone;
    TVITEMW query{};
    query.mask = TVIF_PARAM | TVIF_HANDLE;
    query.hItem = item;
    if (!SendMessageW(Hwnd(), TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&query)))
        return TreeItemRecord::kNone;
    const uint32_t index = IndexOfData(query.lParam);
    return index < records_.size() ? index : TreeItemRecord::kNone;
}

TreeItemRecord* PageTreePane::RecordOf(HTREEITEM item)
{
    const uint32_t index = IndexOf(item);
    return index == TreeItemRecord::kNone ? nullptr : &records_[index];
}

const TreeItemRecord* PageTreePane::RecordOf(HTREEITEM item) const
{
    const uint32_t index = IndexOf(item);
    return index == TreeItemRecord::kNone ? nullptr : &records_[index];
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
    case WM_CHAR:
        // The character of Ctrl+C, taken as a copy already: the control's
        // search by typed letters would otherwise look for it.
        if (wParam == 3)
            return 0;
        break;
    }
    return Pane::HandleMessage(msg, wParam, lParam);
}

}  // namespace viewer
