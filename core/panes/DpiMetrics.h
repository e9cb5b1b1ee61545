#pragma once
// Sizes that follow the screen's resolution: what is drawn at 96 dots per
// inch in n pixels takes n * dpi / 96 at another.
#include <span>

namespace core {

inline constexpr int kBaseDpi = 96;

// A length in pixels at 96 DPI, at this resolution (rounded to nearest); a
// resolution that is no resolution (0 or less) counts as 96.
int ScaleForDpi(int pixelsAt96, int dpi);
// The icon size drawn for a 16-pixel image at this resolution: of the sizes
// there are pictures for, the nearest to 16 * dpi / 96, the smaller on a tie.
int NearestIconSize(int dpi, std::span<const int> sizes);
inline constexpr int kTreeIconSizes[] = {16, 20, 24, 32};

// The splitter's bar and its panes' least widths.
struct SplitMetrics {
    int barWidth = 0;
    int minLeft = 0;
    int minRight = 0;
};
SplitMetrics SplitMetricsForDpi(int dpi);

}  // namespace core
