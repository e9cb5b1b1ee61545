#pragma once
#include "frontends/win32/panes/PaneHost_win.h"

#include <cstdint>

namespace viewer {

// What the page tree asks of its viewer beyond keys and focus.
class TreeHost : public PaneHost {
public:
    // Shows the page in the content pane; containers show nothing of their
    // own. With focusTree the keyboard focus goes back to the tree.
    virtual void DisplayPage(uint32_t pageId, bool container, bool focusTree) = 0;
};

}  // namespace viewer
