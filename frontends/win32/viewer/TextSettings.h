#pragma once
// The rich text pane's view of the process-wide settings record.
#include "core/settings/TextPaneSettings.h"
#include "frontends/win32/viewer/Settings.h"

namespace viewer {

class TextSettings final : public core::TextPaneSettings {
public:
    uint32_t& BackColour() override { return Settings().textBackColour; }
    uint32_t& TextColour() override { return Settings().textColour; }
    core::CharFormatRecord& EditFont() override { return Settings().editFont; }
    void Save() override { SaveSettings(); }
    uint32_t ShownBackColour() override { return ShownColours(dark_).textBack; }
    uint32_t ShownTextColour() override { return ShownColours(dark_).text; }
    bool RecolourAutomaticText() override { return dark_; }
    std::optional<uint32_t> LinkColour() override { return ShownColours(dark_).link; }
    void SetDark(bool dark) { dark_ = dark; }

private:
    bool dark_ = false;
};

}  // namespace viewer
