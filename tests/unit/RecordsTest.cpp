// The book's smaller records, each read back from what the kit wrote.
#include <gtest/gtest.h>

#include "model/BookOptions.h"
#include "model/Icon.h"
#include "model/Legend.h"
#include "tests/kit/Icons.h"
#include "tests/kit/RecordWriters.h"
#include "tests/unit/Helpers.h"

using namespace testing_helpers;

// Every byte must be read (ReadRecord checks), so a field read from the
// wrong schema on shows at that schema.
TEST(BookOptions, EverySchemaTakesItsBytesAndOlderOnesKeepDefaults)
{
    const kit::BookOptionsSpec spec{.value1 = 11, .historyLimit = 3, .optionFlags = 0, .expansionPolicy = 2};
    for (uint16_t s = 0; s <= 17; ++s) {
        const auto options = ReadRecord<model::CBookOptions>([&](auto& w) { kit::WriteBookOptions(w, spec, s); });
        EXPECT_EQ(options.historyLimit, s >= 12 ? 3u : 25u) << s;
        EXPECT_EQ(options.FoldersFirst(), s < 16) << s;
    }
}

// Items sort by name, case-sensitively (the dump shows it), equal names
// keeping their order; the legend's own tag may be missing or foreign.
TEST(Legend, EqualNamesKeepTheirOrderAndTheTagMayBeMissing)
{
    const auto item = [](std::u16string name, int32_t id) { return kit::LegendItemSpec{0, 0, id, std::move(name), {}, 77}; };
    kit::LegendSpec spec{{item(u"b", 1), item(u"a", 3), item(u"a", 1)}, {{5, u"Group"}}};
    const auto read = [&](uint16_t itemSchema) {
        return ReadRecord<model::CLegend>([&](auto& w) { kit::WriteLegend(w, spec, {.legendItem = itemSchema}); });
    };
    const model::CLegend legend = read(2);
    ASSERT_EQ(legend.Count(), 3u);
    EXPECT_EQ(legend.At(0)->id, 3);
    EXPECT_EQ(legend.At(3), nullptr);
    EXPECT_EQ(legend.ItemFor(1), legend.At(1));  // the first in name order
    EXPECT_EQ(read(1).Groups().size(), 1u);  // item schema 1 has no value
    spec.withTag = false;
    EXPECT_TRUE(read(2).Groups().empty());
    const auto foreign = ReadRecord<model::CLegend>([](auto& w) { w.Long(0), w.NewClassTag("CPage", 23); }, false);
    EXPECT_TRUE(foreign.Groups().empty());
}

TEST(Icon, CopiesArePaddedImagesTakeTheirFirstBytesAndReferencesAreFollowed)
{
    const auto readIcon = [](const kit::IconSpec& spec) {
        return ReadRecord<model::CIcon>([&](auto& w) { kit::WriteIcon(w, spec); });
    };
    const kit::IconSpec spec{16, 16, 1, 4,
                             {{1, 16, 1, 0, 16, 2, std::vector<uint8_t>(32, 0xAA)},
                              {4, 16, 1, 0, 16, 8, std::vector<uint8_t>(128, 0x5C)}}};
    const model::CIcon icon = readIcon(spec);
    EXPECT_EQ(icon.bitmaps.at(0).At(32), 0x00);  // padding
    const auto image = icon.Image(-1, -1);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->andBits, std::vector<uint8_t>(32, 0xAA));
    EXPECT_EQ(image->xorBits, std::vector<uint8_t>(128, 0x5C));

    kit::IconSpec empty = spec, oneBitmap = spec, tooShort = spec, zeroHeight = spec;
    empty.bitsPerPixel = 0;
    oneBitmap.bitmaps.pop_back();
    tooShort.bitmaps[1].height = 4;    // 32 colour bytes where 128 are needed
    zeroHeight.bitmaps[0].height = 0;  // such a bitmap is not kept
    for (const kit::IconSpec& broken : {empty, oneBitmap, tooShort, zeroHeight})
        EXPECT_FALSE(readIcon(broken).Image(16, 16));
    EXPECT_EQ(readIcon(zeroHeight).bitmaps.size(), 1u);
    std::vector<uint8_t> cut = Written([&](auto& w) { kit::WriteIcon(w, spec); });
    cut.pop_back();  // the bits claim one byte more than remains
    EXPECT_EQ(ErrorReading(cut, [](docfile::LoadArchive& ar) { model::CIcon().Read(ar); }), kEndOfFile);

    // References in a collection are followed and loops end.
    const kit::IconSpec star = kit::MakeIcon32(16, [](int x, int y) { return x == y ? 0xFFFF0000u : 0u; });
    const auto icons = ReadRecord<model::IconCollection>([&](auto& w) {
        kit::WriteIconCollection(w, {{9, star, 0}, {7, std::nullopt, 9}, {1, std::nullopt, 2}, {2, std::nullopt, 1},
                                     {3, std::nullopt, 99}});
    });
    ASSERT_NE(icons.IconFor(9), nullptr);
    EXPECT_TRUE(icons.IconFor(9)->Image(16, 16));
    EXPECT_EQ(icons.IconFor(7), icons.IconFor(9));
    for (uint32_t key : {1u, 2u, 3u, 99u})
        EXPECT_EQ(icons.IconFor(key), nullptr) << key;
    EXPECT_TRUE(icons.Contains(3));
    EXPECT_FALSE(icons.Contains(99));
}
