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

using docfile::LoadArchive;
using kit::ArchiveWriter;
using testing_helpers::ErrorReading;
using testing_helpers::ReadBytes;

TEST(BookOptionsRead, OlderSchemasKeepDefaults)
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
        ArchiveWriter w;
        kit::WriteBookOptions(w, spec, s);
        model::CBookOptions options;
        ReadBytes(w.Bytes(), [&](LoadArchive& ar) {
            options.Read(ar);
            EXPECT_EQ(ar.Remaining(), 0u) << s;
        });
        EXPECT_EQ(options.value1, s >= 4 ? 11u : 1u) << s;
        EXPECT_EQ(options.optionalBlock, s >= 5 ? 1u : 0u) << s;
        EXPECT_EQ(options.historySwitch, s >= 7 ? 1u : 0u) << s;
        EXPECT_EQ(options.value2, s >= 8 ? 22u : 0u) << s;
        EXPECT_EQ(options.text1, s >= 9 ? u"one" : u"") << s;
        EXPECT_EQ(options.text2, s >= 11 ? u"two" : u"") << s;
        EXPECT_EQ(options.historyLimit, s >= 12 ? 3u : 25u) << s;
        EXPECT_EQ(options.value4, s >= 14 ? 44 : -1) << s;
        EXPECT_EQ(options.value5, s >= 14 ? 55u : 0x808080u) << s;
        EXPECT_EQ(options.value3, s >= 15 ? 33u : 6u) << s;
        EXPECT_EQ(options.FoldersFirst(), s < 16) << s;
        EXPECT_EQ(options.expansionPolicy, s >= 17 ? 2u : 0u) << s;
    }
}

namespace {

std::vector<kit::MetaInfoSpec> HistoryOf(std::initializer_list<double> dates)
{
    std::vector<kit::MetaInfoSpec> history;
    for (double date : dates)
        history.push_back({u"PC", u"", u"user", {0, date}});
    return history;
}

model::MetaHistory ReadHistory(const std::vector<kit::MetaInfoSpec>& specs)
{
    ArchiveWriter w;
    kit::WriteMetaHistory(w, specs);
    model::MetaHistory history;
    ReadBytes(w.Bytes(), [&](LoadArchive& ar) { history.Read(ar); });
    return history;
}

}  // namespace

TEST(MetaHistory, ReadsEntriesAndTrimsToTheNewest)
{
    model::MetaHistory history = ReadHistory(HistoryOf({5, 1, 9, 3, 7, 2}));
    ASSERT_EQ(history.Count(), 6u);
    EXPECT_EQ(history.At(0).computer, u"PC");
    EXPECT_TRUE(history.At(0).loaded);
    history.Trim(6);
    EXPECT_EQ(history.At(0).time.date, 5);  // nothing to trim: order kept
    history.Trim(3);
    ASSERT_EQ(history.Count(), 3u);
    EXPECT_EQ(history.At(0).time.date, 5);
    EXPECT_EQ(history.At(1).time.date, 7);
    EXPECT_EQ(history.At(2).time.date, 9);
}

TEST(MetaHistory, RecordingASaveKeepsReadEntriesAndOneNewOne)
{
    model::MetaHistory history = ReadHistory(HistoryOf({1, 2}));
    history.RecordSave();
    history.RecordSave();
    ASSERT_EQ(history.Count(), 3u);
    EXPECT_FALSE(history.At(2).loaded);
    EXPECT_EQ(ReadHistory({}).Count(), 0u);
}

TEST(ExtraInfoRead, FieldsAndDataBlocks)
{
    kit::ExtraInfoSpec spec;
    spec.type = u"Custom";
    spec.ownerPage = -1;
    spec.first.year = 2001;
    spec.second.milliseconds = 999;
    spec.data = {1, 2, 3};
    kit::ExtraInfoSpec empty;
    empty.ownerPage = 4;
    ArchiveWriter w;
    kit::WriteExtraInfoList(w, {spec, empty});
    model::ExtraInfoList list;
    ReadBytes(w.Bytes(), [&](LoadArchive& ar) {
        list.Read(ar);
        EXPECT_EQ(ar.Remaining(), 0u);
    });
    ASSERT_EQ(list.Count(), 2u);
    EXPECT_EQ(list.At(0).type, u"Custom");
    EXPECT_EQ(list.At(0).time1[0], 2001);
    EXPECT_EQ(list.At(0).time2[7], 999);
    EXPECT_EQ(list.At(0).data, (std::vector<uint8_t>{1, 2, 3}));
    EXPECT_TRUE(list.At(1).data.empty());
    EXPECT_EQ(list.CountMatching(model::kAttachedFileType, 4), 1u);
}

TEST(ExtraInfoRead, HugeDataSizeKeepsWhatArrivedWithoutAllocatingTheClaim)
{
    ArchiveWriter w;
    w.Long(1);
    w.ClassTag("CExtraInfo", 1);
    w.String(u"File2VornFileData");
    w.Long(3);
    w.Zeros(32);
    w.Dword(0xFFFFFFF0);
    w.Raw(std::string_view("abc"));
    model::ExtraInfoList list;
    ReadBytes(w.Bytes(), [&](LoadArchive& ar) { list.Read(ar); });
    ASSERT_EQ(list.Count(), 1u);
    EXPECT_EQ(list.At(0).data.size(), 3u);
}

namespace {

model::CIcon ReadIcon(const kit::IconSpec& spec)
{
    ArchiveWriter w;
    kit::WriteIcon(w, spec);
    model::CIcon icon;
    ReadBytes(w.Bytes(), [&](LoadArchive& ar) { icon.Read(ar); });
    return icon;
}

}  // namespace

TEST(IconRead, CopiesArePaddedTo32BitRowsAndImagesTakeTheirFirstBytes)
{
    kit::IconSpec spec;
    spec.width = spec.height = 16;
    spec.planes = 1;
    spec.bitsPerPixel = 4;
    kit::BitmapSpec mask{1, 16, 1, 0, 16, 2, std::vector<uint8_t>(32, 0xAA)};
    kit::BitmapSpec colour{4, 16, 1, 0, 16, 8, std::vector<uint8_t>(128, 0x5C)};
    spec.bitmaps = {mask, colour};
    const model::CIcon icon = ReadIcon(spec);
    ASSERT_EQ(icon.bitmaps.size(), 2u);
    EXPECT_EQ(icon.bitmaps[0].paddedSize, 64u);
    EXPECT_EQ(icon.bitmaps[1].paddedSize, 128u);
    EXPECT_EQ(icon.bitmaps[0].At(31), 0xAA);
    EXPECT_EQ(icon.bitmaps[0].At(32), 0x00);
    const auto image = icon.Image(-1, -1);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->andBits, std::vector<uint8_t>(32, 0xAA));
    EXPECT_EQ(image->xorBits, std::vector<uint8_t>(128, 0x5C));

    kit::IconSpec empty = spec;
    empty.bitsPerPixel = 0;
    EXPECT_FALSE(ReadIcon(empty).Image(16, 16));
    kit::IconSpec oneBitmap = spec;
    oneBitmap.bitmaps.pop_back();
    EXPECT_FALSE(ReadIcon(oneBitmap).Image(16, 16));
    kit::IconSpec tooShort = spec;
    tooShort.bitmaps[1].height = 4;  // 32 colour bytes where 128 are needed
    EXPECT_FALSE(ReadIcon(tooShort).Image(16, 16));
}

TEST(IconRead, ImplausibleBitmapSizesAllocateNothingExtra)
{
    kit::IconSpec spec;
    spec.width = spec.height = 16;
    spec.planes = 1;
    spec.bitsPerPixel = 32;
    // A bitmap claiming 60000 x 60000 at 32 bits but storing no bytes.
    spec.bitmaps = {kit::BitmapSpec{32, 60000, 1, 0, 60000, 0, {}}, kit::BitmapSpec{1, 0, 1, 0, 16, 2, {}}};
    const model::CIcon icon = ReadIcon(spec);
    ASSERT_EQ(icon.bitmaps.size(), 1u);  // the zero-height bitmap is not kept
    EXPECT_EQ(icon.bitmaps[0].paddedSize, 60000ull * 60000 * 4);
    EXPECT_TRUE(icon.bitmaps[0].bits.empty());

    ArchiveWriter w;
    w.ClassTag("CIcon", 1);
    w.Long(16);
    w.Long(16);
    w.Byte(1);
    w.Byte(4);
    w.Long(1);
    w.Word(4);
    w.Long(100000);  // height x widthBytes far beyond the input
    w.Word(1);
    w.Long(0);
    w.Long(16);
    w.Long(100000);
    EXPECT_EQ(ErrorReading(w.Bytes(), [](LoadArchive& ar) { model::CIcon().Read(ar); }),
              u"An attempt was made to access an unnamed file past its end.");
}

TEST(IconCollectionRead, ReferencesAreFollowedAndLoopsEnd)
{
    const kit::IconSpec star = kit::MakeIcon32(16, [](int x, int y) { return x == y ? 0xFFFF0000u : 0u; });
    kit::IconEntrySpec own{9, star, 0}, toOwn{7, std::nullopt, 9}, loopA{1, std::nullopt, 2},
        loopB{2, std::nullopt, 1}, dangling{3, std::nullopt, 99};
    ArchiveWriter w;
    kit::WriteIconCollection(w, {own, toOwn, loopA, loopB, dangling});
    model::IconCollection icons;
    ReadBytes(w.Bytes(), [&](LoadArchive& ar) { icons.Read(ar); });
    ASSERT_NE(icons.IconFor(9), nullptr);
    EXPECT_EQ(icons.IconFor(7), icons.IconFor(9));
    EXPECT_EQ(icons.IconFor(1), nullptr);
    EXPECT_EQ(icons.IconFor(2), nullptr);
    EXPECT_EQ(icons.IconFor(3), nullptr);
    EXPECT_TRUE(icons.Contains(3));
    EXPECT_FALSE(icons.Contains(99));
    EXPECT_TRUE(icons.IconFor(9)->Image(16, 16));
}

namespace {

model::CLegend ReadLegend(const kit::LegendSpec& spec, uint16_t itemSchema = 2)
{
    ArchiveWriter w;
    kit::Schemas schemas;
    schemas.legendItem = itemSchema;
    kit::WriteLegend(w, spec, schemas);
    model::CLegend legend;
    ReadBytes(w.Bytes(), [&](LoadArchive& ar) { legend.Read(ar); });
    return legend;
}

kit::LegendItemSpec Item(std::u16string name, int32_t id, uint32_t flags = 0, uint32_t colour = 0)
{
    kit::LegendItemSpec item;
    item.name = std::move(name);
    item.id = id;
    item.flags = flags;
    item.colour = colour;
    item.value = 77;
    return item;
}

}  // namespace

TEST(LegendRead, ItemsSortByNameCaseSensitively)
{
    kit::LegendSpec spec;
    spec.items = {Item(u"b", 1), Item(u"B", 2, 0x11, 0x0000FF), Item(u"a", 3), Item(u"a", 2)};
    spec.groups = {{5, u"Group"}};
    const model::CLegend legend = ReadLegend(spec);
    ASSERT_EQ(legend.Count(), 4u);
    EXPECT_EQ(legend.At(0)->name, u"B");
    EXPECT_EQ(legend.At(1)->name, u"a");
    EXPECT_EQ(legend.At(3)->name, u"b");
    EXPECT_EQ(legend.At(4), nullptr);
    EXPECT_EQ(legend.ItemFor(2)->name, u"B");  // first in name order
    EXPECT_TRUE(legend.ItemFor(2)->Bold());
    EXPECT_EQ(legend.ItemFor(2)->Colour(), 0x0000FFu);
    EXPECT_EQ(legend.ItemFor(1)->Colour(), 0xFFFFFFu);  // colour not in force
    EXPECT_EQ(legend.ItemFor(1)->value, 77u);
    ASSERT_EQ(legend.Groups().size(), 1u);
    EXPECT_EQ(legend.Groups()[0]->name, u"Group");
    EXPECT_EQ(legend.Groups()[0]->value, 5u);
    EXPECT_EQ(ReadLegend(spec, 1).ItemFor(1)->value, 0u);
}

TEST(LegendRead, MissingOrForeignTagEndsTheLegendWithoutGroups)
{
    kit::LegendSpec spec;
    spec.items = {Item(u"only", 1)};
    spec.withTag = false;
    const model::CLegend atEnd = ReadLegend(spec);
    EXPECT_EQ(atEnd.Count(), 1u);
    EXPECT_TRUE(atEnd.Groups().empty());

    ArchiveWriter w;
    w.Long(0);
    w.NewClassTag("CPage", 23);
    model::CLegend legend;
    ReadBytes(w.Bytes(), [&](LoadArchive& ar) { EXPECT_NO_THROW(legend.Read(ar)); });
    EXPECT_TRUE(legend.Groups().empty());
}

TEST(LegacyReferences, AreSteppedOverExactly)
{
    for (size_t count : {0u, 2u}) {
        ArchiveWriter w;
        kit::WriteRefs(w, std::vector<kit::RefSpec>(count));
        w.Dword(0xC0FFEE);
        ReadBytes(w.Bytes(), [](LoadArchive& ar) {
            model::SkipLegacyReferences(ar);
            EXPECT_EQ(ar.ReadDword(), 0xC0FFEEu);
        });
    }
    ArchiveWriter wrong;
    wrong.Long(1);
    wrong.NewClassTag("CIcon", 1);
    EXPECT_EQ(ErrorReading(wrong.Bytes(), [](LoadArchive& ar) { model::SkipLegacyReferences(ar); }),
              u"C:\\notes\\book.vnb contained an unexpected object.");
}
