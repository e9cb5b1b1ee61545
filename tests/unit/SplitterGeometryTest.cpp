#include "core/panes/SplitterGeometry.h"

#include <gtest/gtest.h>

TEST(SplitterGeometry, LayoutAndLimits)
{
    const components::Box client{0, 0, 450, 300};
    const auto layout = components::LayoutForSplit(client, 121);
    EXPECT_EQ(layout.bar, (components::Box{118, 0, 124, 300}));
    EXPECT_EQ(layout.left, (components::Box{0, 0, 120, 300}));
    EXPECT_EQ(layout.right, (components::Box{123, 0, 450, 300}));
    EXPECT_EQ(components::DefaultSplitPosition(450), 120);
    EXPECT_EQ(components::DefaultSplitPosition(99), 0);
    EXPECT_EQ(components::ClampSplit(client, 1000, 10, 11), 439);
    EXPECT_EQ(components::ClampSplit(client, -5, 10, 11), 10);
    EXPECT_EQ(components::ClampSplit({0, 0, 15, 10}, 7, 10, 11), 10) << "the left limit wins when they cross";
    EXPECT_EQ(components::SplitterProfileSection(13), u"splt\\init_v13");
}
