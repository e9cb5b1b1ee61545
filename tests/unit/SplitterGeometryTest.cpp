#include "core/panes/DpiMetrics.h"
#include "core/panes/SplitterGeometry.h"

#include <gtest/gtest.h>

TEST(SplitterGeometry, LayoutAndLimits)
{
    const core::Box client{0, 0, 450, 300};
    const auto layout = core::LayoutForSplit(client, 121);
    EXPECT_EQ(layout.bar, (core::Box{118, 0, 124, 300}));
    EXPECT_EQ(layout.left, (core::Box{0, 0, 120, 300}));
    EXPECT_EQ(layout.right, (core::Box{123, 0, 450, 300}));
    EXPECT_EQ(core::DefaultSplitPosition(450), 120);
    EXPECT_EQ(core::DefaultSplitPosition(99), 0);
    EXPECT_EQ(core::ClampSplit(client, 1000, 10, 11), 439);
    EXPECT_EQ(core::ClampSplit(client, -5, 10, 11), 10);
    EXPECT_EQ(core::ClampSplit({0, 0, 15, 10}, 7, 10, 11), 10) << "the left limit wins when they cross";
    EXPECT_EQ(core::SplitterProfileSection(13), u"splt\\init_v13");
}

TEST(SplitterGeometry, FollowsTheScreenResolution)
{
    struct Case {
        int dpi;
        int iconSize;
        core::SplitMetrics metrics;
        int rightStart;  // of the layout for a split at 200
    };
    const Case cases[] = {
        {96, 16, {3, 10, 11}, 202},   {0, 16, {3, 10, 11}, 202},   {-5, 16, {3, 10, 11}, 202},
        {120, 20, {5, 13, 14}, 203},  {144, 24, {5, 15, 17}, 203}, {168, 24, {5, 18, 19}, 203},
        {192, 32, {7, 20, 22}, 204},  {288, 32, {9, 30, 33}, 205}, {72, 16, {3, 8, 8}, 202},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dpi);
        EXPECT_EQ(core::NearestIconSize(c.dpi, core::kTreeIconSizes), c.iconSize);
        const core::SplitMetrics m = core::SplitMetricsForDpi(c.dpi);
        EXPECT_EQ(m.barWidth, c.metrics.barWidth);
        EXPECT_EQ(m.minLeft, c.metrics.minLeft);
        EXPECT_EQ(m.minRight, c.metrics.minRight);
        const core::SplitLayout layout = core::LayoutForSplit({0, 0, 800, 600}, 200, m.barWidth);
        EXPECT_EQ(layout.right.left, c.rightStart);
        EXPECT_EQ(core::SplitForLeftEdge(layout.left.right, m.barWidth), 200) << "the bar stays where it was";
    }
    EXPECT_EQ(core::ScaleForDpi(-11, 144), -17) << "font heights are negative";
}
