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
