#pragma once
// Which colour each surface of the viewer gets in the light and the dark
// look, given what the user chose in the menus. Colours are 0x00BBGGRR, as
// the settings store them.
#include <cstdint>
#include <optional>

namespace core {

struct SettingsRecord;

struct ColourScheme {
    uint32_t treeBack = 0;
    uint32_t treeText = 0;
    uint32_t textBack = 0;
    uint32_t text = 0;
    // The bar between the panes and the viewer's own background.
    uint32_t bar = 0;
    // Links in the page; none: the control's own.
    std::optional<uint32_t> link;
    bool dark = false;
};

// What the dark look puts where the user kept the default.
inline constexpr uint32_t kDarkTreeBack = 0x002B2B2B;
inline constexpr uint32_t kDarkTextBack = 0x001E1E1E;
inline constexpr uint32_t kDarkText = 0x00E0E0E0;
inline constexpr uint32_t kDarkBar = 0x003C3C3C;
inline constexpr uint32_t kDarkLink = 0x00FFB070;  // a light blue

// Light: the settings' colours as they are, the system's face colour on the
// bar. Dark: each colour still equal to its default (defaults: the settings
// of a first run on this system) takes its dark counterpart; a colour the
// user chose stays.
ColourScheme SchemeFor(const SettingsRecord& settings, const SettingsRecord& defaults, uint32_t systemBar, bool dark);

// WCAG contrast ratio of two colours, 1 to 21.
double ContrastRatio(uint32_t a, uint32_t b);
// The colour itself when it stands out from the background by at least
// minimumContrast; else the colour moved towards white (on a dark
// background) or black (on a light one) until it does. The hue stays.
uint32_t ReadableOn(uint32_t colour, uint32_t background, double minimumContrast = 3.0);

}  // namespace core
