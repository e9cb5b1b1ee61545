#pragma once
#include <windows.h>
#include <richedit.h>

namespace components {

// The user settings the rich text pane reads and changes. The viewer's
// settings record is shared by every pane of the process, so the pane asks
// for the members each time instead of keeping copies.
class TextPaneSettings {
public:
    virtual ~TextPaneSettings() = default;
    virtual COLORREF& BackColour() = 0;
    virtual COLORREF& TextColour() = 0;
    // cbSize 0: no format stored or chosen; not applied to pages.
    virtual CHARFORMATW& EditFont() = 0;
    virtual void Save() = 0;
};

}  // namespace components
