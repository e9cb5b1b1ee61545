#pragma once
// Where a printed page puts its header and its text, in the printer's own
// units, from the paper's measurements and the margins the host asks for.
#include "core/panes/SplitterGeometry.h"

#include <optional>

namespace core {

// What a printer tells about its paper, in device units. A device that is
// not a printer (a metafile, the screen) reports no physical size: its
// printable area is then taken as the whole sheet.
struct PaperMetrics {
    int dotsPerInchX = 0;
    int dotsPerInchY = 0;
    int printableWidth = 0;   // the area the device can mark, whose top left is the origin
    int printableHeight = 0;
    int physicalWidth = 0;    // the sheet
    int physicalHeight = 0;
    int offsetX = 0;          // from the sheet's edge to the printable area
    int offsetY = 0;
};

// Distances from the sheet's edges in tenths of a millimetre.
struct Margins {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

inline constexpr Margins kDefaultMargins{100, 100, 100, 100};

struct PageLayout {
    Box header;  // empty when the page has no room for one
    Box body;    // where the text goes; empty when nothing fits
};

// The header is one line of `headerHeight` device units at the top margin,
// half a line above the text. Margins the device cannot honour (inside the
// strip it cannot mark, or crossing each other) shrink to what it can; no
// margins at all means the default ones.
PageLayout LayOutPage(const PaperMetrics& paper, const std::optional<Margins>& margins, int headerHeight);

// A box in device units in twentieths of a point (1440 to the inch), as the
// rich edit control measures pages.
Box ToTwips(const Box& box, int dotsPerInchX, int dotsPerInchY);

}  // namespace core
