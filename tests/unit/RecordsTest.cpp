// The book's smaller records, each read back from what the kit wrote.
#include <gtest/gtest.h>

#include "model/BookOptions.h"
#include "model/ExtraInfo.h"
#include "model/Icon.h"
#include "model/Legend.h"
#include "model/MetaHistory.h"
#include "model/Refs.h"
#include "tests/kit/Icons.h"
#include "tests/kit/RecordWriters.h"
#include "tests/unit/Helpers.h"

using namespace testing_helpers;

TEST(BookOptions, OlderSchemasKeepDefaults)
{
    const kit::BookOptionsSpec spec{.value1 = 11, .optionalBlockOption = 1, .historySwitch = 1, .value2 = 22,
        .text1 = u"one", .text2 = u"two", .historyLimit = 3, .value4 = 44, .value5 = 55, .value3 = 33,
        .optionFlags = 0, .expansionPolicy = 2};
    for (uint16_t s = 0; s <= 17; ++s) {
        SCOPED_TRACE(testing::Message() << "options schema " << s);
        const auto options = ReadRecord<model::CBookOptions>([&](auto& w) { kit::WriteBookOptions(w, spec, s); });
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

TEST(ExtraInfo, FieldsAndDataBlocks)
{
    const kit::ExtraInfoSpec custom{.type = u"Custom", .first = {.year = 2001}, .second = {.milliseconds = 999},
                                    .data = {1, 2, 3}};
    const auto list = ReadRecord<model::ExtraInfoList>(
        [&](auto& w) { kit::WriteExtraInfoList(w, {custom, kit::ExtraInfoSpec{.ownerPage = 4}}); });
    ASSERT_EQ(list.Count(), 2u);
    EXPECT_EQ(list.At(0).type, u"Custom");
    EXPECT_EQ(list.At(0).ownerPage, -1);
    EXPECT_EQ(list.At(0).time1[0], 2001);
    EXPECT_EQ(list.At(0).time2[7], 999);
    EXPECT_EQ(list.At(0).data, (std::vector<uint8_t>{1, 2, 3}));
    EXPECT_TRUE(list.At(1).data.empty());
    EXPECT_EQ(list.CountMatching(model::kAttachedFileType, 4), 1u);
}

TEST(LegacyReferences, AreSteppedOverExactly)
{
    for (size_t count : {0u, 2u}) {
        const auto bytes = Written([&](auto& w) { kit::WriteRefs(w, std::vector<kit::RefSpec>(count)), w.Dword(0xC0FFEE); });
        ReadBytes(bytes, [](docfile::LoadArchive& ar) {
            model::SkipLegacyReferences(ar);
            EXPECT_EQ(ar.ReadDword(), 0xC0FFEEu) << "the next field";
        });
    }
    EXPECT_EQ(ErrorReading(Written([](auto& w) { w.Long(1), w.NewClassTag("CIcon", 1); }),
                           [](auto& ar) { model::SkipLegacyReferences(ar); }),
              kUnexpected);
}

TEST(MetaHistory, TrimKeepsTheNewestInOrderOfTimeAndASaveAddsOneEntry)
{
    const auto historyOf = [](std::initializer_list<double> dates) {
        std::vector<kit::MetaInfoSpec> specs;
        for (double date : dates)
            specs.push_back({u"PC", u"", u"user", {0, date}});
        return ReadRecord<model::MetaHistory>([&](auto& w) { kit::WriteMetaHistory(w, specs); });
    };
    const auto dates = [](const model::MetaHistory& history) {
        std::vector<double> out;
        for (size_t i = 0; i < history.Count(); ++i)
            out.push_back(history.At(i).time.date);
        return out;
    };
    model::MetaHistory history = historyOf({5, 1, 9, 3, 7, 2});
    EXPECT_EQ(history.At(0).computer, u"PC");
    EXPECT_TRUE(history.At(0).loaded);
    history.Trim(6);
    EXPECT_EQ(dates(history), (std::vector<double>{5, 1, 9, 3, 7, 2}));  // nothing to trim: order kept
    history.Trim(3);
    EXPECT_EQ(dates(history), (std::vector<double>{5, 7, 9}));
    history.RecordSave();
    history.RecordSave();
    ASSERT_EQ(history.Count(), 4u);
    EXPECT_FALSE(history.At(3).loaded);
    EXPECT_EQ(historyOf({}).Count(), 0u);
}

TEST(Legend, ItemsSortByNameCaseSensitivelyAndTheTagMayBeMissing)
{
    constexpr uint32_t kColourInForce = 0x1, kBold = 0x10;
    const auto item = [](std::u16string name, int32_t id, uint32_t flags = 0, uint32_t colour = 0) {
        return kit::LegendItemSpec{colour, flags, id, std::move(name), {}, 77};
    };
    kit::LegendSpec spec{{item(u"b", 1), item(u"B", 2, kColourInForce | kBold, 0x0000FF), item(u"a", 3), item(u"a", 2)},
                         {{5, u"Group"}}};
    const auto read = [&](uint16_t itemSchema) {
        return ReadRecord<model::CLegend>([&](auto& w) { kit::WriteLegend(w, spec, {.legendItem = itemSchema}); });
    };
    const model::CLegend legend = read(2);
    ASSERT_EQ(legend.Count(), 4u);
    EXPECT_EQ(legend.At(0)->name, u"B");
    EXPECT_EQ(legend.At(1)->id, 3);  // equal names keep their order
    EXPECT_EQ(legend.At(3)->name, u"b");
    EXPECT_EQ(legend.At(4), nullptr);
    EXPECT_EQ(legend.ItemFor(2)->name, u"B");  // first in name order
    EXPECT_TRUE(legend.ItemFor(2)->Bold());
    EXPECT_EQ(legend.ItemFor(2)->Colour(), 0x0000FFu);
    EXPECT_EQ(legend.ItemFor(1)->Colour(), 0xFFFFFFu);  // colour not in force
    EXPECT_EQ(legend.ItemFor(1)->value, 77u);
    EXPECT_EQ(read(1).ItemFor(1)->value, 0u);  // item schema 1 has no value
    ASSERT_EQ(legend.Groups().size(), 1u);
    EXPECT_EQ(legend.Groups()[0]->name, u"Group");
    EXPECT_EQ(legend.Groups()[0]->value, 5u);

    // A missing or foreign tag ends the legend without groups.
    spec.withTag = false;
    EXPECT_TRUE(read(2).Groups().empty());
    EXPECT_EQ(read(2).Count(), 4u);
    const auto foreign = ReadRecord<model::CLegend>([](auto& w) { w.Long(0), w.NewClassTag("CPage", 23); }, false);
    EXPECT_TRUE(foreign.Groups().empty());
}

TEST(Icon, CopiesArePaddedTo32BitRowsAndImagesTakeTheirFirstBytes)
{
    const auto readIcon = [](const kit::IconSpec& spec) {
        return ReadRecord<model::CIcon>([&](auto& w) { kit::WriteIcon(w, spec); });
    };
    const kit::IconSpec spec{16, 16, 1, 4,
                             {{1, 16, 1, 0, 16, 2, std::vector<uint8_t>(32, 0xAA)},
                              {4, 16, 1, 0, 16, 8, std::vector<uint8_t>(128, 0x5C)}}};
    const model::CIcon icon = readIcon(spec);
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
    tooShort.bitmaps[1].height = 4;    // 32 colour bytes where 128 are needed
    zeroHeight.bitmaps[0].height = 0;  // such a bitmap is not kept
    for (const kit::IconSpec& broken : {empty, oneBitmap, tooShort, zeroHeight})
        EXPECT_FALSE(readIcon(broken).Image(16, 16));
    EXPECT_EQ(readIcon(zeroHeight).bitmaps.size(), 1u);
}

TEST(Icon, CollectionReferencesAreFollowedAndLoopsEnd)
{
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
