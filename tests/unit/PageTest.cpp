#include <gtest/gtest.h>

#include "model/Page.h"
#include "tests/kit/RecordWriters.h"
#include "tests/unit/Helpers.h"

using kit::PageSpec;
using kit::PageText;
using kit::TextStore;
using model::CPage;

namespace {

CPage ReadPage(const PageSpec& spec, uint16_t schema = 23)
{
    return testing_helpers::ReadRecord<CPage>([&](auto& w) { kit::WritePage(w, spec, schema); });
}

// Every field set to something other than its default.
const PageSpec kRich{.id = 7, .parentId = 3, .kind = model::kRichText, .title = u"T\u00edtulo",
    .text = u"{\\rtf1 body}", .created = {0, 45000.25}, .backgroundColour = 0x00ABCDEF, .caretPosition = 12,
    .expanded = 1, .auxText1 = u"aux", .tipText = u"tip", .revision = 9, .sortWeight = 100, .optionalValue = 5,
    .optionalBlock = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}, .auxValue = -7, .childSortKey = 7,
    .pageColour = 0x000000FF, .colourSwitch = 1, .modified = {0, 45001.5}, .htmlCaretPosition = 44,
    .sortText = u"sort me", .childrenDescending = 1,
    .flags = model::kNewPageFlag | model::kOwnColour | model::kCaretAtEnd, .labelId = 4};

}  // namespace

TEST(Page, EverySchemaReadsTheFieldsItCarries)
{
    for (uint16_t s = 0; s <= 23; ++s) {
        SCOPED_TRACE(testing::Message() << "schema " << s);
        const CPage page = ReadPage(kRich, s);
        EXPECT_EQ(page.Id(), 7u);
        EXPECT_EQ(page.ParentId(), 3u);
        EXPECT_EQ(page.Kind(), model::kRichText);
        EXPECT_EQ(page.Title(), u"T\u00edtulo");
        EXPECT_EQ(page.Text(), u"{\\rtf1 body}");
        EXPECT_EQ(page.Created().date, 45000.25);
        EXPECT_EQ(page.Background(), 0x00ABCDEFu);
        EXPECT_EQ(page.Caret(), 12u);
        EXPECT_EQ(page.AuxText(), u"aux");
        EXPECT_EQ(page.TipText(), s >= 3 ? u"tip" : u"");
        EXPECT_EQ(page.Revision(), s >= 3 ? 9u : 0u);
        EXPECT_EQ(page.SortWeight(), s >= 8 ? 100u : 32768u);
        EXPECT_EQ(page.OptionalValue(), s >= 10 ? 5u : 0u);
        EXPECT_EQ(page.OptionalBlock()[15], s >= 10 ? 16 : 0);
        EXPECT_EQ(page.AuxValue(), s >= 11 ? -7 : -1);
        EXPECT_EQ(page.ChildSortKey(), s >= 12 ? 7u : 0u);
        EXPECT_EQ(page.Modified().date == 45001.5, s >= 14);
        EXPECT_EQ(page.HtmlCaret(), s >= 15 ? 44u : 0u);
        EXPECT_EQ(page.SortText(), s >= 16 ? u"sort me" : u"");
        EXPECT_EQ(page.ChildrenDescending(), s >= 18);
        EXPECT_EQ(page.LabelId(), s >= 20 ? 4u : 0u);
        // Colour from 13; the switch of 13..16 sets the own-colour flag; 17
        // and 18 carry neither switch nor flags; 19 on has the stored flags.
        EXPECT_EQ(page.Colour(), s >= 13 ? 0x000000FFu : 0xFF0000FFu);
        EXPECT_EQ(page.HasFlag(model::kOwnColour), (s >= 13 && s < 17) || s >= 19);
        EXPECT_EQ(page.HasFlag(model::kCaretAtEnd), s >= 19);
        EXPECT_TRUE(page.Expanded());
    }
}

TEST(Page, OldFlagsConvertOnlyInTheSchemasThatHadThem)
{
    PageSpec flagged = kRich, webArchive = kRich, switchedOff = kRich, bin = kRich;
    flagged.kind = webArchive.kind = model::kPlainText;
    flagged.folderFlag = 1;  // schemas below 9: a flagged folder, shown closed
    webArchive.flags = model::kNewPageFlag | model::kLegacyWebArchive;  // 19..21
    switchedOff.pageColour = 0x00123456;
    switchedOff.colourSwitch = 0;  // 13..16: the colour is not in force
    bin.kind = model::kRecycleBin;
    const struct Case {
        const PageSpec& spec;
        uint16_t schema;
        uint32_t kind, flags;
        bool expanded;
    } cases[] = {
        {flagged, 8, model::kFlaggedFolder, model::kNewPageFlag, false},
        {flagged, 9, model::kPlainText, model::kNewPageFlag, true},
        {webArchive, 21, model::kWebArchive, model::kNewPageFlag, true},
        {webArchive, 22, model::kPlainText, model::kNewPageFlag | model::kLegacyWebArchive, true},
        {switchedOff, 16, model::kRichText, model::kNewPageFlag, true},
        {bin, 23, model::kRecycleBin, kRich.flags, false},
    };
    for (const Case& c : cases) {
        const CPage page = ReadPage(c.spec, c.schema);
        EXPECT_EQ(page.Kind(), c.kind) << c.schema;
        EXPECT_EQ(page.Flags(), c.flags) << c.schema;
        EXPECT_EQ(page.Expanded(), c.expanded) << c.schema;
    }
    const CPage off = ReadPage(switchedOff, 16);
    EXPECT_FALSE(off.ColourInForce());
    EXPECT_EQ(off.Colour(), 0xFF123456u);
}

TEST(Page, TextStoresAndContentBlocks)
{
    const PageSpec twelve{.title = PageText(u"narrow caf\u00e9", TextStore::Narrow),
                          .text = PageText(u"packed text packed text packed", TextStore::Jb01),
                          .tipText = PageText(u"raw tip", TextStore::RawNarrow)};
    const CPage page = ReadPage(twelve, 12);
    EXPECT_EQ(page.Title(), u"narrow caf\u00e9");
    EXPECT_EQ(page.Text(), u"packed text packed text packed");
    EXPECT_EQ(page.TipText(), u"raw tip");
    const CPage four = ReadPage({.title = PageText(u"compressed", TextStore::Jb01),
                                 .text = PageText(u"raw", TextStore::RawNarrow)}, 4);
    EXPECT_EQ(four.Title(), u"compressed");
    EXPECT_EQ(four.Text(), u"raw");

    const CPage cut = ReadPage({.content = std::vector<uint8_t>{0x41, 0x00, 0x00, 0x00, 0x43, 0x00, 0x44}});
    EXPECT_EQ(cut.Text(), u"A");  // up to the first NUL unit
    EXPECT_EQ(cut.TextSize(), 2u);
    EXPECT_EQ(cut.Content().block.size(), 7u);
    // No NUL; an odd last byte is no unit.
    EXPECT_EQ(ReadPage({.content = std::vector<uint8_t>{0x41, 0x00, 0x42, 0x00, 0x43}}).Text(), u"AB");
    // Older schemas make the block from the text.
    EXPECT_EQ(ReadPage({.text = u"Hi"}, 22).Content().block, (std::vector<uint8_t>{0x48, 0, 0x69, 0, 0, 0}));
    EXPECT_EQ(ReadPage({.text = u"Hi"}, 22).Content().codePage, 1200u);
    EXPECT_TRUE(ReadPage({.text = u""}, 22).Content().block.empty());
}

TEST(Page, KindsAndTheCaretShown)
{
    PageSpec spec = kRich;
    for (uint32_t kind = model::kPlainText; kind <= model::kFlaggedFolder + 1; ++kind) {
        spec.kind = kind;
        const CPage page = ReadPage(spec);
        EXPECT_EQ(page.IsFolder(), kind >= model::kFolder && kind <= model::kFlaggedFolder) << kind;
        EXPECT_EQ(page.IsHtmlType(), kind == model::kWebArchive || kind == model::kHtml) << kind;
        EXPECT_EQ(page.DisplayCaretPosition(), page.IsHtmlType() ? 44u : 12u) << kind;
    }
}
