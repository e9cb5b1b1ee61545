#include <gtest/gtest.h>

#include "model/Page.h"
#include "tests/kit/RecordWriters.h"
#include "tests/unit/Helpers.h"

using kit::PageSpec;
using kit::PageText;
using kit::TextStore;
using model::CPage;

namespace {

constexpr uint16_t kNewestSchema = 23;

CPage ReadPage(const PageSpec& spec, uint16_t schema = kNewestSchema)
{
    kit::ArchiveWriter w;
    kit::WritePage(w, spec, schema);
    CPage page;
    testing_helpers::ReadBytes(w.Bytes(), [&](docfile::LoadArchive& ar) {
        page.Read(ar);
        EXPECT_EQ(ar.Remaining(), 0u) << "schema " << schema << " left bytes unread";
    });
    return page;
}

// Every field set to something other than its default.
PageSpec RichSpec()
{
    PageSpec p;
    p.id = 7;
    p.parentId = 3;
    p.kind = model::kRichText;
    p.title = u"T\u00edtulo";
    p.text = u"{\\rtf1 body}";
    p.created = {0, 45000.25};
    p.backgroundColour = 0x00ABCDEF;
    p.caretPosition = 12;
    p.expanded = 1;
    p.auxText1 = u"aux";
    p.tipText = u"tip";
    p.revision = 9;
    p.sortWeight = 100;
    p.optionalValue = 5;
    p.optionalBlock = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};
    p.auxValue = -7;
    p.childSortKey = 7;
    p.pageColour = 0x000000FF;
    p.colourSwitch = 1;
    p.modified = {0, 45001.5};
    p.htmlCaretPosition = 44;
    p.sortText = u"sort me";
    p.childrenDescending = 1;
    p.flags = model::kNewPageFlag | model::kOwnColour | model::kCaretAtEnd;
    p.labelId = 4;
    return p;
}

}  // namespace

TEST(Page, EverySchemaReadsTheFieldsItCarries)
{
    const PageSpec spec = RichSpec();
    for (uint16_t s = 0; s <= kNewestSchema; ++s) {
        SCOPED_TRACE(testing::Message() << "schema " << s);
        const CPage page = ReadPage(spec, s);
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
    PageSpec flagged = RichSpec();
    flagged.kind = model::kPlainText;
    flagged.folderFlag = 1;  // schemas below 9: a flagged folder, shown closed
    PageSpec webArchive = RichSpec();
    webArchive.kind = model::kPlainText;
    webArchive.flags = model::kNewPageFlag | model::kLegacyWebArchive;  // 19..21
    PageSpec switchedOff = RichSpec();
    switchedOff.pageColour = 0x00123456;
    switchedOff.colourSwitch = 0;  // 13..16: the colour is not in force
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
    PageSpec bin = RichSpec();
    bin.kind = model::kRecycleBin;
    EXPECT_FALSE(ReadPage(bin).Expanded());
}

TEST(Page, TextStoresOfEverySchema)
{
    PageSpec twelve;
    twelve.title = PageText(u"narrow caf\u00e9", TextStore::Narrow);
    twelve.text = PageText(u"packed text packed text packed", TextStore::Jb01);
    twelve.tipText = PageText(u"raw tip", TextStore::RawNarrow);
    const CPage page = ReadPage(twelve, 12);
    EXPECT_EQ(page.Title(), u"narrow caf\u00e9");
    EXPECT_EQ(page.Text(), u"packed text packed text packed");
    EXPECT_EQ(page.TipText(), u"raw tip");

    PageSpec four;
    four.title = PageText(u"compressed title", TextStore::Jb01);
    four.text = PageText(u"raw", TextStore::RawNarrow);
    EXPECT_EQ(ReadPage(four, 4).Title(), u"compressed title");
    EXPECT_EQ(ReadPage(four, 4).Text(), u"raw");
}

TEST(Page, ContentBlocks)
{
    PageSpec spec;
    spec.content = std::vector<uint8_t>{0x41, 0x00, 0x00, 0x00, 0x43, 0x00, 0x44};
    const CPage cut = ReadPage(spec);
    EXPECT_EQ(cut.Text(), u"A");  // up to the first NUL unit
    EXPECT_EQ(cut.TextSize(), 2u);
    EXPECT_EQ(cut.Content().block.size(), 7u);
    spec.content = std::vector<uint8_t>{0x41, 0x00, 0x42, 0x00, 0x43};
    EXPECT_EQ(ReadPage(spec).Text(), u"AB");  // no NUL; an odd last byte is no unit

    PageSpec old;
    old.text = u"Hi";  // older schemas make the block from the text
    EXPECT_EQ(ReadPage(old, 22).Content().block, (std::vector<uint8_t>{0x48, 0, 0x69, 0, 0, 0}));
    EXPECT_EQ(ReadPage(old, 22).Content().codePage, 1200u);
    old.text = u"";
    EXPECT_TRUE(ReadPage(old, 22).Content().block.empty());
}

TEST(Page, KindsAndTheCaretShown)
{
    PageSpec spec = RichSpec();
    for (uint32_t kind = model::kPlainText; kind <= model::kFlaggedFolder + 1; ++kind) {
        spec.kind = kind;
        const CPage page = ReadPage(spec);
        EXPECT_EQ(page.IsFolder(), kind >= model::kFolder && kind <= model::kFlaggedFolder) << kind;
        EXPECT_EQ(page.IsHtmlType(), kind == model::kWebArchive || kind == model::kHtml) << kind;
        EXPECT_EQ(page.DisplayCaretPosition(), page.IsHtmlType() ? 44u : 12u) << kind;
    }
}
