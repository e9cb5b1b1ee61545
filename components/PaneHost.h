#pragma once
#include <windows.h>

namespace components {

// What a pane asks of the viewer that holds it: the first look at every key
// press, and being told when it got the focus.
class PaneHost {
public:
    virtual ~PaneHost() = default;
    // True when the viewer consumed the key.
    virtual bool HandleKey(UINT key, LPARAM keyData) = 0;
    virtual void SetFocusPane(HWND pane) = 0;
};

}  // namespace components
