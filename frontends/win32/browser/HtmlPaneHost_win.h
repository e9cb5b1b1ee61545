#pragma once
#include <windows.h>

namespace viewer {

// What the pane asks of its viewer: the keys typed into the page, the
// focus, and whether a page could be shown after all.
class HtmlPaneHost {
public:
    virtual ~HtmlPaneHost() = default;
    // A key pressed in the pane; true when the viewer consumed it.
    virtual bool HandleKey(UINT key) = 0;
    // A key pressed in the page, whose event does not say which: the keys
    // held down tell.
    virtual void HandleHeldKeys() = 0;
    virtual void SetFocusPane(HWND pane) = 0;
    // After ShowPage returned true: the browser holds the page's document
    // (shown), or will never show it (not shown).
    virtual void HtmlPageShown(bool shown) = 0;
};

}  // namespace viewer
