#include "core/panes/ColourScheme.h"

#include "core/settings/SettingsRecord.h"

#include <cmath>

namespace core {
namespace {

int Channel(uint32_t colour, int shift) { return static_cast<int>((colour >> shift) & 0xFF); }

double Linear(int channel)
{
    const double c = channel / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double Luminance(uint32_t colour)
{
    return 0.2126 * Linear(Channel(colour, 0)) + 0.7152 * Linear(Channel(colour, 8)) +
           0.0722 * Linear(Channel(colour, 16));
}

// Each channel a fraction of the way towards the target channel.
uint32_t MixTowards(uint32_t colour, int target, double fraction)
{
    uint32_t mixed = 0;
    for (int shift : {0, 8, 16}) {
        const int c = Channel(colour, shift);
        const int moved = c + static_cast<int>(std::lround((target - c) * fraction));
        mixed |= static_cast<uint32_t>(moved) << shift;
    }
    return mixed;
}

uint32_t DarkUnlessChosen(uint32_t value, uint32_t defaultValue, uint32_t dark)
{
    return value == defaultValue ? dark : value;
}

}  // namespace

ColourScheme SchemeFor(const SettingsRecord& settings, const SettingsRecord& defaults, uint32_t systemBar, bool dark)
{
    ColourScheme scheme;
    scheme.dark = dark;
    scheme.treeBack = settings.treeBackColour;
    scheme.treeText = settings.treeTextColour;
    scheme.textBack = settings.textBackColour;
    scheme.text = settings.textColour;
    scheme.bar = systemBar & 0xFFFFFF;
    if (!dark)
        return scheme;
    scheme.treeBack = DarkUnlessChosen(settings.treeBackColour, defaults.treeBackColour, kDarkTreeBack);
    scheme.treeText = DarkUnlessChosen(settings.treeTextColour, defaults.treeTextColour, kDarkText);
    scheme.textBack = DarkUnlessChosen(settings.textBackColour, defaults.textBackColour, kDarkTextBack);
    scheme.text = DarkUnlessChosen(settings.textColour, defaults.textColour, kDarkText);
    scheme.bar = kDarkBar;
    scheme.link = kDarkLink;
    return scheme;
}

double ContrastRatio(uint32_t a, uint32_t b)
{
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return la > lb ? (la + 0.05) / (lb + 0.05) : (lb + 0.05) / (la + 0.05);
}

// Tenths of the way at a time: the first step that reads is the one closest
// to what the author chose. Pure white or black always reaches a ratio of
// at least 4.58 against any background, above any sensible minimum.
uint32_t ReadableOn(uint32_t colour, uint32_t background, double minimumContrast)
{
    colour &= 0xFFFFFF;
    const int target = Luminance(background & 0xFFFFFF) < 0.18 ? 255 : 0;
    uint32_t moved = colour;
    for (int step = 1; step <= 10 && ContrastRatio(moved, background & 0xFFFFFF) < minimumContrast; ++step)
        moved = MixTowards(colour, target, step / 10.0);
    return moved;
}

}  // namespace core
