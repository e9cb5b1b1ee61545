#pragma once
// Reading the viewer's panes the way a user sees them: tree labels, images
// and states, the text pane's text, formats and selection.
#include <windows.h>
#include <commctrl.h>
#include <richedit.h>

#include <string>
#include <vector>

namespace listerhost {
class ListerWindow;
}

namespace wine_tests {

struct Panes {
    HWND viewer = nullptr;
    HWND splitter = nullptr;
    HWND tree = nullptr;
    HWND text = nullptr;
};
Panes FindPanes(listerhost::ListerWindow& lister);
Panes FindPanes(HWND viewerWindow);

struct TreeItem {
    HTREEITEM handle = nullptr;
    std::wstring text;
    int image = -1;
    int selectedImage = -1;
    bool bold = false;
    bool expanded = false;
    LPARAM param = 0;
};
TreeItem ReadItem(HWND tree, HTREEITEM item);
std::vector<TreeItem> Children(HWND tree, HTREEITEM parent);
std::vector<std::wstring> ChildTexts(HWND tree, HTREEITEM parent);
// The child labelled `text`, or nullptr.
HTREEITEM ChildByText(HWND tree, HTREEITEM parent, const std::wstring& text);
// Follows labels from the root ("Projects", "Archive", ...), expanding each.
HTREEITEM ItemAtPath(HWND tree, const std::vector<std::wstring>& path);
// The label drawn with pixels close to `colour`.
bool LabelDrawnIn(HWND tree, HTREEITEM item, COLORREF colour);

std::wstring PaneText(HWND edit);
CHARRANGE Selection(HWND edit);
// The format of a range (selected for the query, then put back).
CHARFORMAT2W FormatOf(HWND edit, LONG start, LONG end);

// The text as it shows, a line ending in one "\r": hidden characters left out,
// links in brackets, and hidden characters that are not protected in braces.
std::wstring Rendered(HWND edit);

std::wstring ClipboardText();
std::string ClipboardBytes(const wchar_t* formatName);
void PutOnClipboard(const std::wstring& text);

}  // namespace wine_tests
