#include <gtest/gtest.h>

#include "model/ExtraInfo.h"
#include "tests/kit/RecordWriters.h"
#include "tests/unit/Helpers.h"

TEST(ExtraInfo, FieldsAndDataBlocks)
{
    kit::ExtraInfoSpec custom;
    custom.type = u"Custom";
    custom.first.year = 2001;
    custom.second.milliseconds = 999;
    custom.data = {1, 2, 3};
    kit::ExtraInfoSpec attached;
    attached.ownerPage = 4;
    const auto list = testing_helpers::ReadRecord<model::ExtraInfoList>(
        [&](auto& w) { kit::WriteExtraInfoList(w, {custom, attached}); });
    ASSERT_EQ(list.Count(), 2u);
    EXPECT_EQ(list.At(0).type, u"Custom");
    EXPECT_EQ(list.At(0).ownerPage, -1);
    EXPECT_EQ(list.At(0).time1[0], 2001);
    EXPECT_EQ(list.At(0).time2[7], 999);
    EXPECT_EQ(list.At(0).data, (std::vector<uint8_t>{1, 2, 3}));
    EXPECT_TRUE(list.At(1).data.empty());
    EXPECT_EQ(list.CountMatching(model::kAttachedFileType, 4), 1u);
}
