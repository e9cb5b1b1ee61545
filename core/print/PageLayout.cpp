#include "core/print/PageLayout.h"

#include <algorithm>
#include <cstdint>

namespace core {
namespace {

constexpr int64_t kTenthsOfMmPerInch = 254;
constexpr int64_t kTwipsPerInch = 1440;

int Scale(int64_t value, int64_t numerator, int64_t denominator)
{
    return denominator <= 0 ? 0 : static_cast<int>(value * numerator / denominator);
}

// One direction of the page: the printable stretch [0, printable) lies at
// `offset` on a sheet `sheet` long; the margins are measured from the
// sheet's edges. Crossing margins leave the printable stretch whole.
std::pair<int, int> Span(int printable, int sheet, int offset, int dpi, int nearMargin, int farMargin)
{
    printable = std::max(printable, 0);
    if (sheet <= 0) {
        sheet = printable;
        offset = 0;
    }
    const int nearEdge = Scale(std::max(nearMargin, 0), dpi, kTenthsOfMmPerInch) - offset;
    const int farEdge = sheet - Scale(std::max(farMargin, 0), dpi, kTenthsOfMmPerInch) - offset;
    const int start = std::clamp(nearEdge, 0, printable);
    const int end = std::clamp(farEdge, 0, printable);
    return start < end ? std::pair{start, end} : std::pair{0, printable};
}

}  // namespace

PageLayout LayOutPage(const PaperMetrics& paper, const std::optional<Margins>& margins, int headerHeight)
{
    const Margins m = margins.value_or(kDefaultMargins);
    const auto [left, right] = Span(paper.printableWidth, paper.physicalWidth, paper.offsetX, paper.dotsPerInchX,
                                    m.left, m.right);
    const auto [top, bottom] = Span(paper.printableHeight, paper.physicalHeight, paper.offsetY, paper.dotsPerInchY,
                                    m.top, m.bottom);
    PageLayout layout;
    layout.body = {left, top, right, bottom};
    const int gap = headerHeight / 2;
    // The header only where a line of text still fits below it.
    if (headerHeight > 0 && bottom - top >= 2 * headerHeight + gap) {
        layout.header = {left, top, right, top + headerHeight};
        layout.body.top = top + headerHeight + gap;
    }
    return layout;
}

Box ToTwips(const Box& box, int dotsPerInchX, int dotsPerInchY)
{
    if (dotsPerInchX <= 0 || dotsPerInchY <= 0)
        return {};
    return {Scale(box.left, kTwipsPerInch, dotsPerInchX), Scale(box.top, kTwipsPerInch, dotsPerInchY),
            Scale(box.right, kTwipsPerInch, dotsPerInchX), Scale(box.bottom, kTwipsPerInch, dotsPerInchY)};
}

}  // namespace core
