#pragma once
#include "frontends/win32/panes/PaneHost_win.h"
#include "platform/win32/Subclass.h"

namespace viewer {

// A control that serves as one of a viewer's panes. Its viewer sees every
// key first, learns when the pane takes the focus, and opens the context
// menus; inside the viewer's dialog the control still gets every key.
class Pane : public win::SubclassedControl {
public:
    explicit Pane(PaneHost& host) : host_(host) {}

protected:
    // Panes handle their own messages first and pass the rest here.
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    // A key the viewer left alone; true when the pane used it.
    virtual bool OnPaneKey(WPARAM key) { return false; }
    PaneHost& Host() const { return host_; }

private:
    PaneHost& host_;
    bool keyTaken_ = false;  // the last key pressed was the viewer's or the pane's
};

}  // namespace viewer
