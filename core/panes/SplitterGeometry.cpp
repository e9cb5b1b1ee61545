#include "core/panes/SplitterGeometry.h"

namespace core {

// For a split position x the bar covers x - 3 .. x + 3 (wider than it is drawn,
// so it is easy to grab), the left pane ends at x - 1 and the right pane starts
// one bar width after it (at 96 DPI, where the bar is 3 pixels wide).
SplitLayout LayoutForSplit(const Box& client, int x, int barWidth)
{
    SplitLayout layout;
    layout.bar = {x - barWidth, client.top, x + barWidth, client.bottom};
    layout.left = {client.left, client.top, x - barWidth / 2, client.bottom};
    layout.right = {layout.left.right + barWidth, client.top, client.right, client.bottom};
    return layout;
}

// The left limit is applied last so that it wins when a narrow window makes
// the two limits cross.
int ClampSplit(const Box& client, int x, int minLeft, int minRight)
{
    if (x > client.right - minRight)
        x = client.right - minRight;
    if (x < client.left + minLeft)
        x = client.left + minLeft;
    return x;
}

// 30 % of the width, counted in whole hundredths (450 pixels give 120).
int DefaultSplitPosition(int clientWidth) { return clientWidth / 100 * 30; }

int SplitForLeftEdge(int leftEdge, int barWidth) { return leftEdge + barWidth / 2; }

std::u16string SplitterProfileSection(int splitterId)
{
    std::u16string section = u"splt\\init_v";
    for (char c : std::to_string(splitterId))
        section += static_cast<char16_t>(c);
    return section;
}

}  // namespace core
