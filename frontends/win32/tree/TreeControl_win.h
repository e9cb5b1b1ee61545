#pragma once
// The tree control as the pane and its item map reach it.
#include <windows.h>

namespace viewer {

// What the pane tells its own control goes straight to the control's
// procedure: through the subclass chain every message costs a window
// property look-up, which under Wine is a call to its server (about ten
// microseconds, a second per hundred thousand items).
struct TreeControl {
    HWND hwnd = nullptr;
    WNDPROC proc = nullptr;  // the control's own procedure, once known
    int quietDepth = 0;      // nesting of QuietTree scopes

    LRESULT Send(UINT msg, WPARAM wParam, LPARAM lParam) const;
};

// Turns the tree's drawing off for a scope, with the wait cursor; nested
// scopes leave it to the outermost.
class QuietTree {
public:
    explicit QuietTree(TreeControl& control);
    ~QuietTree();
    QuietTree(const QuietTree&) = delete;
    QuietTree& operator=(const QuietTree&) = delete;

private:
    TreeControl& control_;
    HCURSOR previousCursor_ = nullptr;
    bool visible_ = false;
};

}  // namespace viewer
