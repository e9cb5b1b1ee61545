#pragma once
#include "core/settings/FontRecords.h"

#include <cstdint>
#include <optional>

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
    // What the pane shows: the colours above, unless a dark look replaces
    // the ones the user left at their defaults.
    virtual uint32_t ShownBackColour() { return BackColour(); }
    virtual uint32_t ShownTextColour() { return TextColour(); }
    // True when text in a page's automatic colour takes ShownTextColour
    // (the control's automatic colour would not read on the background).
    virtual bool RecolourAutomaticText() { return false; }
    // The colour links are drawn in; none: the control's own.
    virtual std::optional<uint32_t> LinkColour() { return std::nullopt; }
};

}  // namespace core
