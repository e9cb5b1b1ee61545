#pragma once
// The rich text pane's view of the process-wide settings record.
#include "components/TextPaneSettings_win.h"
#include "viewer/Settings.h"

namespace viewer {

class TextSettings final : public components::TextPaneSettings {
public:
    COLORREF& BackColour() override { return Settings().textBackColour; }
    COLORREF& TextColour() override { return Settings().textColour; }
    CHARFORMATW& EditFont() override { return Settings().editFont; }
    void Save() override { SaveSettings(); }
};

}  // namespace viewer
