#include "frontends/win32/tree/PageTreePane_win.h"

#include "frontends/win32/system/FontRecords_win.h"
#include "frontends/win32/tree/TreeItemMap_win.h"
#include "frontends/win32/viewer/Settings.h"
#include "platform/win32/Reflect.h"
#include "resources/ResourceIds.h"

namespace viewer {
namespace {

constexpr DWORD kStyle = WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_HASLINES | TVS_DISABLEDRAGDROP |
                         TVS_SHOWSELALWAYS | TVS_TRACKSELECT | TVS_INFOTIP;
constexpr UINT kTipPopDownMs = 10000;

}  // namespace

PageTreePane::PageTreePane(TreeHost& host) : Pane(host), treeHost_(host) {}

// The window goes before the map its items' data point into.
PageTreePane::~PageTreePane() { Destroy(); }

bool PageTreePane::Create(const RECT& rect, HWND parent, UINT id)
{
    INITCOMMONCONTROLSEX init{sizeof init, ICC_TREEVIEW_CLASSES};
    InitCommonControlsEx(&init);
    if (!CreateControl({WC_TREEVIEWW, L"", kStyle, 0, rect, parent, id}))
        return false;
    control_.hwnd = Hwnd();
    control_.proc = reinterpret_cast<WNDPROC>(GetClassLongPtrW(Hwnd(), GCLP_WNDPROC));
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
    Clear();
    HIMAGELIST images = images_.Create(static_cast<COLORREF>(SendMessageW(Hwnd(), TVM_GETBKCOLOR, 0, 0)));
    SendMessageW(Hwnd(), TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(images));
    items_ = std::make_unique<TreeItemMap>(book, control_, images_);
    items_->ShowRoot();
}

// Removing the selected item moves the selection, which is no page to show.
// The images of the book's own icons go with its items.
void PageTreePane::Clear()
{
    clearing_ = true;
    SendMessageW(Hwnd(), TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
    clearing_ = false;
    items_.reset();
    constexpr int kStandardImages = model::kImageBinEmpty + 1;
    HIMAGELIST list = TreeView_GetImageList(Hwnd(), TVSIL_NORMAL);
    if (list && ImageList_GetImageCount(list) > kStandardImages)
        ImageList_SetImageCount(list, kStandardImages);
}

const model::CBook* PageTreePane::Book() const { return items_ ? &items_->Book() : nullptr; }

uint32_t PageTreePane::SelectedIndex() const
{
    return items_ ? items_->IndexOf(TreeView_GetSelection(Hwnd())) : TreeItemMap::kNone;
}

// The first page in the tree's order with the identifier, opening what the
// walk passes as the tree would; only the levels on the way to it get items.
void PageTreePane::SelectPage(uint32_t pageId)
{
    TreeView_Select(Hwnd(), items_ ? items_->Reveal(pageId) : nullptr, TVGN_CARET);
}

int64_t PageTreePane::SelectedPageId() const
{
    const uint32_t index = SelectedIndex();
    return index == TreeItemMap::kNone ? -1 : static_cast<int64_t>(items_->PageAt(index).Id());
}

void PageTreePane::ExpandAll()
{
    if (const uint32_t start = SelectedIndex(); start != TreeItemMap::kNone)
        items_->ExpandAll(start, expandAllLimit_);
}

void PageTreePane::CollapseAll()
{
    if (const uint32_t start = SelectedIndex(); start != TreeItemMap::kNone)
        items_->CollapseAll(start);
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
