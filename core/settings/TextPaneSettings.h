#pragma once
#include "core/settings/FontRecords.h"

#include <cstdint>

namespace core {

// The user settings the rich text pane reads and changes. The viewer's
// settings record is shared by every pane of the process, so the pane asks
// for the members each time instead of keeping copies.
class TextPaneSettings {
public:
    virtual ~TextPaneSettings() = default;
    virtual uint32_t& BackColour() = 0;
    virtual uint32_t& TextColour() = 0;
    // Size 0: no format stored or chosen; not applied to pages.
    virtual CharFormatRecord& EditFont() = 0;
    virtual void Save() = 0;
};

}  // namespace core
