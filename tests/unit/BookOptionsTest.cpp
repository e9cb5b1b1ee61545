#include <gtest/gtest.h>

#include "model/BookOptions.h"
#include "tests/kit/RecordWriters.h"
#include "tests/unit/Helpers.h"

TEST(BookOptions, OlderSchemasKeepDefaults)
{
    kit::BookOptionsSpec spec;
    spec.value1 = 11;
    spec.optionalBlockOption = 1;
    spec.historySwitch = 1;
    spec.value2 = 22;
    spec.text1 = u"one";
    spec.text2 = u"two";
    spec.historyLimit = 3;
    spec.value4 = 44;
    spec.value5 = 55;
    spec.value3 = 33;
    spec.optionFlags = 0;
    spec.expansionPolicy = 2;
    for (uint16_t s = 0; s <= 17; ++s) {
        SCOPED_TRACE(testing::Message() << "options schema " << s);
        const auto options = testing_helpers::ReadRecord<model::CBookOptions>(
            [&](kit::ArchiveWriter& w) { kit::WriteBookOptions(w, spec, s); });
        EXPECT_EQ(options.value1, s >= 4 ? 11u : 1u);
        EXPECT_EQ(options.optionalBlock, s >= 5 ? 1u : 0u);
        EXPECT_EQ(options.historySwitch, s >= 7 ? 1u : 0u);
        EXPECT_EQ(options.value2, s >= 8 ? 22u : 0u);
        EXPECT_EQ(options.text1, s >= 9 ? u"one" : u"");
        EXPECT_EQ(options.text2, s >= 11 ? u"two" : u"");
        EXPECT_EQ(options.historyLimit, s >= 12 ? 3u : 25u);
        EXPECT_EQ(options.value4, s >= 14 ? 44 : -1);
        EXPECT_EQ(options.value5, s >= 14 ? 55u : 0x808080u);
        EXPECT_EQ(options.value3, s >= 15 ? 33u : 6u);
        EXPECT_EQ(options.FoldersFirst(), s < 16);
        EXPECT_EQ(options.expansionPolicy, s >= 17 ? 2u : 0u);
    }
}
