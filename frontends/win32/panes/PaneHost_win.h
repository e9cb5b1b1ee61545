#pragma once
#include <windows.h>

#include <cstdint>

namespace viewer {

// What a pane asks of the viewer that holds it: the first look at every key
// press, being told when it got the focus, and its context menu.
class PaneHost {
public:
    virtual ~PaneHost() = default;
    // True when the viewer consumed the key.
    virtual bool HandleKey(UINT key) = 0;
    virtual void SetFocusPane(HWND pane) = 0;
    // A context menu was asked for at a screen point; (-1, -1) means from
    // the keyboard.
    virtual void ContextMenu(HWND pane, POINT screen) = 0;
    // Shows and selects the page a page link names; false when the book does
    // not hold it.
    virtual bool OpenPageLink(uint32_t pageId) = 0;
    // The pane now lives in a new window of its own kind, in the place and
    // with the focus of the old one, which is going.
    virtual void PaneReplaced(HWND old, HWND fresh) {}
};

}  // namespace viewer
