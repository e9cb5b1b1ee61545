#pragma once
// Finding a page in the plug-in's tree the way a user does: by its label,
// opening folders on the way.
#include <windows.h>
#include <commctrl.h>

#include <string>

namespace listerhost {

// The tree control inside a viewer window, or nullptr.
HWND FindTree(HWND pluginWindow);
std::wstring ItemText(HWND tree, HTREEITEM item);
// Depth first, expanding every item it passes; the first item whose label
// is `text`, or nullptr.
HTREEITEM FindItemByText(HWND tree, const std::wstring& text);
// Selects the item labelled `text` as a click would; false when none is.
bool SelectItemByText(HWND pluginWindow, const std::wstring& text);

}  // namespace listerhost
