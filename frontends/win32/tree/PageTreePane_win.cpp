#include "frontends/win32/tree/PageTreePane_win.h"

#include "frontends/win32/system/FontRecords_win.h"
#include "frontends/win32/viewer/Settings.h"
#include "model/Outline.h"
#include "model/PageTree.h"
#include "platform/win32/Reflect.h"
#include "resources/ResourceIds.h"

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
    LOGFONTW font = ToLogFont(settings.treeFont);
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
    outline_.reset();
    book_ = &book;
    tree_ = std::make_unique<model::PageTree>(book);
    outline_ = std::make_unique<model::Outline>(*tree_, [this](uint32_t index) { OnFilled(index); });

    HIMAGELIST images = images_.Create(static_cast<COLORREF>(SendMessageW(Hwnd(), TVM_GETBKCOLOR, 0, 0)));
    SendMessageW(Hwnd(), TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(images));

    if (outline_->Empty())
        return;  // nothing to show, and nothing to complain about
    QuietTree quiet(Hwnd(), quietDepth_);
    constexpr uint32_t kRoot = 0;
    outline_->Fill(kRoot);
    InsertItem(kRoot, TextColour(), true);
    ShowChildren(kRoot);
    Control(TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(Record(kRoot).item));
}

TreeItemRecord& PageTreePane::Record(uint32_t index)
{
    if (index >= records_.size())
        records_.resize(outline_->Size());
    return records_[index];
}

// A node filled with no children (its identifier's went to another) loses
// its button.
void PageTreePane::OnFilled(uint32_t index)
{
    if (outline_->At(index).childCount == 0)
        DropPlaceholder(Record(index));
}

void PageTreePane::ShowChildren(uint32_t index, bool childrenFollow)
{
    outline_->Fill(index);
    if (Record(index).item && outline_->Show(index))
        InsertChildren(index, childrenFollow);
}

// A large level goes in with drawing off: the control would otherwise work
// out its scroll bars again for every item. With childrenFollow, the caller
// shows the children of the filled containers next, before anything is
// drawn: they need no placeholder in between.
void PageTreePane::InsertChildren(uint32_t index, bool childrenFollow)
{
    constexpr uint32_t kQuietLevel = 200;
    DropPlaceholder(Record(index));
    const model::Outline::Node& node = outline_->At(index);
    std::optional<QuietTree> quiet;
    if (node.childCount >= kQuietLevel)
        quiet.emplace(Hwnd(), quietDepth_);
    const uint32_t defaultColour = TextColour();
    for (uint32_t child = node.firstChild; child - node.firstChild < node.childCount; ++child)
        InsertItem(child, defaultColour,
                   childrenFollow && outline_->At(child).container && outline_->At(child).filled);
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
    const model::Outline::Node& node = outline_->At(index);
    TreeItemRecord& record = Record(index);
    const model::NodeLook look = tree_->Look(*node.page, false, false, defaultColour);
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
    record.item = reinterpret_cast<HTREEITEM>(Control(TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
    if (record.item && !childrenFollow && outline_->HasHiddenChildren(index))
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

uint32_t PageTreePane::IndexOfData(LPARAM data) const
{
    const auto index = static_cast<uint32_t>(data - 1);
    return data > 0 && outline_ && index < outline_->Size() ? index : model::Outline::kNone;
}

uint32_t PageTreePane::IndexOf(HTREEITEM item) const
{
    if (!item)
        return model::Outline::kNone;
    TVITEMW query{};
    query.mask = TVIF_PARAM | TVIF_HANDLE;
    query.hItem = item;
    if (!SendMessageW(Hwnd(), TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&query)))
        return model::Outline::kNone;
    return IndexOfData(query.lParam);
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
