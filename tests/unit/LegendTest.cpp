#include <gtest/gtest.h>

#include "model/Legend.h"
#include "tests/kit/RecordWriters.h"
#include "tests/unit/Helpers.h"

using testing_helpers::ReadRecord;

namespace {

constexpr uint32_t kColourInForce = 0x1;
constexpr uint32_t kBold = 0x10;

kit::LegendItemSpec Item(std::u16string name, int32_t id, uint32_t flags = 0, uint32_t colour = 0)
{
    return kit::LegendItemSpec{colour, flags, id, std::move(name), {}, 77};
}

model::CLegend ReadLegend(const kit::LegendSpec& spec, uint16_t itemSchema = 2)
{
    kit::Schemas schemas;
    schemas.legendItem = itemSchema;
    return ReadRecord<model::CLegend>([&](auto& w) { kit::WriteLegend(w, spec, schemas); });
}

}  // namespace

TEST(Legend, ItemsSortByNameCaseSensitively)
{
    kit::LegendSpec spec;
    spec.items = {Item(u"b", 1), Item(u"B", 2, kColourInForce | kBold, 0x0000FF), Item(u"a", 3), Item(u"a", 2)};
    spec.groups = {{5, u"Group"}};
    const model::CLegend legend = ReadLegend(spec);
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
    EXPECT_EQ(ReadLegend(spec, 1).ItemFor(1)->value, 0u);  // item schema 1 has no value
    ASSERT_EQ(legend.Groups().size(), 1u);
    EXPECT_EQ(legend.Groups()[0]->name, u"Group");
    EXPECT_EQ(legend.Groups()[0]->value, 5u);
}

TEST(Legend, MissingOrForeignTagEndsTheLegendWithoutGroups)
{
    kit::LegendSpec spec;
    spec.items = {Item(u"only", 1)};
    spec.withTag = false;
    EXPECT_TRUE(ReadLegend(spec).Groups().empty());
    EXPECT_EQ(ReadLegend(spec).Count(), 1u);
    const auto foreign = ReadRecord<model::CLegend>([](auto& w) { w.Long(0), w.NewClassTag("CPage", 23); }, false);
    EXPECT_TRUE(foreign.Groups().empty());
}
