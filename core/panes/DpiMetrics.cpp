#include "core/panes/DpiMetrics.h"

#include "core/panes/SplitterGeometry.h"

#include <cstdlib>

namespace core {
namespace {

int Usable(int dpi) { return dpi > 0 ? dpi : kBaseDpi; }

}  // namespace

int ScaleForDpi(int pixelsAt96, int dpi)
{
    const long long scaled = static_cast<long long>(pixelsAt96) * Usable(dpi);
    const long long half = kBaseDpi / 2;
    return static_cast<int>(scaled >= 0 ? (scaled + half) / kBaseDpi : -((-scaled + half) / kBaseDpi));
}

int NearestIconSize(int dpi, std::span<const int> sizes)
{
    const int wanted = ScaleForDpi(16, dpi);
    int best = sizes.empty() ? 16 : sizes.front();
    for (int size : sizes) {
        const int distance = std::abs(size - wanted);
        const int bestDistance = std::abs(best - wanted);
        if (distance < bestDistance || (distance == bestDistance && size < best))
            best = size;
    }
    return best;
}

// The bar grows with the resolution but stays odd, so that its middle is
// a pixel of its own, as at 96 DPI.
SplitMetrics SplitMetricsForDpi(int dpi)
{
    SplitMetrics metrics;
    metrics.barWidth = ScaleForDpi(kSplitBarWidth, dpi) | 1;
    metrics.minLeft = ScaleForDpi(kSplitMinLeft, dpi);
    metrics.minRight = ScaleForDpi(kSplitMinRight, dpi);
    return metrics;
}

}  // namespace core
