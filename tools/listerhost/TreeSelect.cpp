#include "tools/listerhost/TreeSelect.h"

#include <algorithm>
#include <vector>

namespace listerhost {
namespace {

constexpr int kSplitterId = 13;
constexpr int kTreeId = 10;

}  // namespace

HWND FindTree(HWND pluginWindow)
{
    HWND splitter = pluginWindow ? GetDlgItem(pluginWindow, kSplitterId) : nullptr;
    return splitter ? GetDlgItem(splitter, kTreeId) : nullptr;
}

std::wstring ItemText(HWND tree, HTREEITEM item)
{
    wchar_t buffer[1024] = {};
    TVITEMW query{};
    query.mask = TVIF_TEXT | TVIF_HANDLE;
    query.hItem = item;
    query.pszText = buffer;
    query.cchTextMax = 1024;
    TreeView_GetItem(tree, &query);
    return buffer;
}

HTREEITEM FindItemByText(HWND tree, const std::wstring& text)
{
    // What the search opened and the found item does not sit in is closed
    // again afterwards.
    std::vector<HTREEITEM> opened;
    HTREEITEM item = TreeView_GetRoot(tree);
    while (item) {
        if (ItemText(tree, item) == text)
            break;
        if (!(TreeView_GetItemState(tree, item, TVIS_EXPANDED) & TVIS_EXPANDED) &&
            TreeView_Expand(tree, item, TVE_EXPAND))
            opened.push_back(item);
        if (HTREEITEM child = TreeView_GetChild(tree, item)) {
            item = child;
            continue;
        }
        while (item && !TreeView_GetNextSibling(tree, item))
            item = TreeView_GetParent(tree, item);
        if (item)
            item = TreeView_GetNextSibling(tree, item);
    }
    std::vector<HTREEITEM> path;
    for (HTREEITEM up = item; up; up = TreeView_GetParent(tree, up))
        path.push_back(up);
    for (auto it = opened.rbegin(); it != opened.rend(); ++it)
        if (std::find(path.begin(), path.end(), *it) == path.end())
            TreeView_Expand(tree, *it, TVE_COLLAPSE);
    return item;
}

bool SelectItemByText(HWND pluginWindow, const std::wstring& text)
{
    HWND tree = FindTree(pluginWindow);
    HTREEITEM item = tree ? FindItemByText(tree, text) : nullptr;
    if (!item)
        return false;
    return TreeView_SelectItem(tree, item) != FALSE;
}

}  // namespace listerhost
