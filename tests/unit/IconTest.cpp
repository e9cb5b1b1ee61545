#include <gtest/gtest.h>

#include "model/Icon.h"
#include "tests/kit/Icons.h"
#include "tests/kit/RecordWriters.h"
#include "tests/unit/Helpers.h"

using testing_helpers::ReadRecord;

namespace {

constexpr int kSize = 16;

model::CIcon ReadIcon(const kit::IconSpec& spec)
{
    return ReadRecord<model::CIcon>([&](auto& w) { kit::WriteIcon(w, spec); });
}

}  // namespace

TEST(Icon, CopiesArePaddedTo32BitRowsAndImagesTakeTheirFirstBytes)
{
    kit::IconSpec spec;
    spec.width = spec.height = kSize;
    spec.planes = 1;
    spec.bitsPerPixel = 4;
    spec.bitmaps = {kit::BitmapSpec{1, kSize, 1, 0, kSize, 2, std::vector<uint8_t>(32, 0xAA)},
                    kit::BitmapSpec{4, kSize, 1, 0, kSize, 8, std::vector<uint8_t>(128, 0x5C)}};
    const model::CIcon icon = ReadIcon(spec);
    ASSERT_EQ(icon.bitmaps.size(), 2u);
    EXPECT_EQ(icon.bitmaps[0].paddedSize, 64u);  // 16 rows of 32 bits
    EXPECT_EQ(icon.bitmaps[1].paddedSize, 128u);
    EXPECT_EQ(icon.bitmaps[0].At(31), 0xAA);
    EXPECT_EQ(icon.bitmaps[0].At(32), 0x00);
    const auto image = icon.Image(-1, -1);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->andBits, std::vector<uint8_t>(32, 0xAA));
    EXPECT_EQ(image->xorBits, std::vector<uint8_t>(128, 0x5C));

    kit::IconSpec empty = spec, oneBitmap = spec, tooShort = spec, zeroHeight = spec;
    empty.bitsPerPixel = 0;
    oneBitmap.bitmaps.pop_back();
    tooShort.bitmaps[1].height = 4;  // 32 colour bytes where 128 are needed
    zeroHeight.bitmaps[0].height = 0;  // such a bitmap is not kept
    for (const kit::IconSpec& broken : {empty, oneBitmap, tooShort, zeroHeight})
        EXPECT_FALSE(ReadIcon(broken).Image(kSize, kSize));
    EXPECT_EQ(ReadIcon(zeroHeight).bitmaps.size(), 1u);
}

TEST(Icon, CollectionReferencesAreFollowedAndLoopsEnd)
{
    const kit::IconSpec star = kit::MakeIcon32(kSize, [](int x, int y) { return x == y ? 0xFFFF0000u : 0u; });
    const kit::IconEntrySpec own{9, star, 0}, toOwn{7, std::nullopt, 9}, loopA{1, std::nullopt, 2},
        loopB{2, std::nullopt, 1}, dangling{3, std::nullopt, 99};
    const auto icons = ReadRecord<model::IconCollection>(
        [&](auto& w) { kit::WriteIconCollection(w, {own, toOwn, loopA, loopB, dangling}); });
    ASSERT_NE(icons.IconFor(9), nullptr);
    EXPECT_TRUE(icons.IconFor(9)->Image(kSize, kSize));
    EXPECT_EQ(icons.IconFor(7), icons.IconFor(9));
    for (uint32_t key : {1u, 2u, 3u, 99u})
        EXPECT_EQ(icons.IconFor(key), nullptr) << key;
    EXPECT_TRUE(icons.Contains(3));
    EXPECT_FALSE(icons.Contains(99));
}
