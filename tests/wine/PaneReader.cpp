#include "PaneReader.h"

#include "PluginFixture.h"
#include "frontends/win32/viewer/ViewerWindow_win.h"

#include <cstdlib>

namespace wine_tests {

Panes FindPanes(listerhost::ListerWindow& lister) { return FindPanes(lister.PluginWindow()); }

Panes FindPanes(HWND viewerWindow)
{
    Panes p;
    p.viewer = viewerWindow;
    p.splitter = ChildById(p.viewer, viewer::kSplitterId);
    p.tree = ChildById(p.splitter, viewer::kTreePaneId);
    p.text = ChildById(p.splitter, viewer::kRichTextPaneId);
    return p;
}

TreeItem ReadItem(HWND tree, HTREEITEM item)
{
    wchar_t buffer[1024] = {};
    TVITEMW query{};
    query.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_STATE | TVIF_PARAM | TVIF_HANDLE;
    query.hItem = item;
    query.pszText = buffer;
    query.cchTextMax = 1024;
    query.stateMask = TVIS_BOLD | TVIS_EXPANDED;
    TreeItem read;
    if (!item || !TreeView_GetItem(tree, &query))
        return read;
    read.handle = item;
    read.text = buffer;
    read.image = query.iImage;
    read.selectedImage = query.iSelectedImage;
    read.bold = (query.state & TVIS_BOLD) != 0;
    read.expanded = (query.state & TVIS_EXPANDED) != 0;
    read.param = query.lParam;
    return read;
}

std::vector<TreeItem> Children(HWND tree, HTREEITEM parent)
{
    std::vector<TreeItem> items;
    for (HTREEITEM child = TreeView_GetChild(tree, parent); child; child = TreeView_GetNextSibling(tree, child))
        items.push_back(ReadItem(tree, child));
    return items;
}

std::vector<std::wstring> ChildTexts(HWND tree, HTREEITEM parent)
{
    std::vector<std::wstring> texts;
    for (const TreeItem& item : Children(tree, parent))
        texts.push_back(item.text);
    return texts;
}

HTREEITEM ChildByText(HWND tree, HTREEITEM parent, const std::wstring& text)
{
    for (const TreeItem& item : Children(tree, parent))
        if (item.text == text)
            return item.handle;
    return nullptr;
}

HTREEITEM ItemAtPath(HWND tree, const std::vector<std::wstring>& path)
{
    HTREEITEM item = TreeView_GetRoot(tree);
    for (const std::wstring& step : path) {
        TreeView_Expand(tree, item, TVE_EXPAND);
        item = ChildByText(tree, item, step);
        if (!item)
            return nullptr;
    }
    return item;
}

bool LabelDrawnIn(HWND tree, HTREEITEM item, COLORREF colour)
{
    RedrawWindow(tree, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    Pump(30);
    RECT rect{};
    if (!TreeView_GetItemRect(tree, item, &rect, TRUE))
        return false;
    HDC dc = GetDC(tree);
    int close = 0;
    for (int y = rect.top; y < rect.bottom; ++y)
        for (int x = rect.left; x < rect.right; ++x) {
            COLORREF pixel = GetPixel(dc, x, y);
            int distance = std::abs(GetRValue(pixel) - GetRValue(colour)) +
                           std::abs(GetGValue(pixel) - GetGValue(colour)) +
                           std::abs(GetBValue(pixel) - GetBValue(colour));
            if (distance < 60)
                ++close;
        }
    ReleaseDC(tree, dc);
    return close >= 4;
}

std::wstring PaneText(HWND edit)
{
    int length = GetWindowTextLengthW(edit);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(edit, text.data(), length + 1)));
    return text;
}

CHARRANGE Selection(HWND edit)
{
    CHARRANGE range{};
    SendMessageW(edit, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
    return range;
}

CHARFORMAT2W FormatOf(HWND edit, LONG start, LONG end)
{
    CHARRANGE saved = Selection(edit);
    CHARRANGE range{start, end};
    SendMessageW(edit, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
    CHARFORMAT2W format{};
    format.cbSize = sizeof format;
    SendMessageW(edit, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
    SendMessageW(edit, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&saved));
    return format;
}

std::wstring Rendered(HWND edit)
{
    const std::wstring text = PaneText(edit);
    std::wstring out;
    bool inLink = false;
    LONG position = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'\n')
            continue;  // "\r\n" in the window text is one position
        const CHARFORMAT2W format = FormatOf(edit, position, position + 1);
        ++position;
        const bool link = (format.dwEffects & CFE_LINK) != 0;
        if (link != inLink)
            out += link ? L'[' : L']';
        inLink = link;
        if (format.dwEffects & CFE_HIDDEN) {
            if (!(format.dwEffects & CFE_PROTECTED))
                out += std::wstring(L"{") + text[i] + L"}";
            continue;
        }
        out += text[i];
    }
    return inLink ? out + L"]" : out;
}

namespace {

std::string ClipboardData(UINT format)
{
    std::string bytes;
    if (!OpenClipboard(nullptr))
        return bytes;
    if (HANDLE data = GetClipboardData(format)) {
        if (auto* raw = static_cast<const char*>(GlobalLock(data))) {
            bytes.assign(raw, GlobalSize(data));
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return bytes;
}

}  // namespace

std::wstring ClipboardText()
{
    const std::string bytes = ClipboardData(CF_UNICODETEXT);
    const std::wstring text(reinterpret_cast<const wchar_t*>(bytes.data()), bytes.size() / sizeof(wchar_t));
    return text.substr(0, text.find(L'\0'));
}

std::string ClipboardBytes(const wchar_t* formatName) { return ClipboardData(RegisterClipboardFormatW(formatName)); }

void PutOnClipboard(const std::wstring& text)
{
    if (!OpenClipboard(nullptr))
        return;
    EmptyClipboard();
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    memcpy(GlobalLock(block), text.c_str(), (text.size() + 1) * sizeof(wchar_t));
    GlobalUnlock(block);
    SetClipboardData(CF_UNICODETEXT, block);
    CloseClipboard();
}

}  // namespace wine_tests
