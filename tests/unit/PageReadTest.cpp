#include <gtest/gtest.h>

#include "model/Page.h"
#include "tests/kit/Cipher.h"
#include "tests/kit/RecordWriters.h"
#include "tests/unit/Helpers.h"

using kit::PageSpec;
using kit::PageText;
using kit::TextStore;
using model::CPage;
using testing_helpers::ReadBytes;

namespace {

CPage ReadPage(const PageSpec& spec, uint16_t schema)
{
    kit::ArchiveWriter w;
    kit::WritePage(w, spec, schema);
    CPage page;
    ReadBytes(w.Bytes(), [&](docfile::LoadArchive& ar) {
        page.Read(ar);
        EXPECT_EQ(ar.Remaining(), 0u) << "schema " << schema << " left bytes unread";
    });
    return page;
}

PageSpec RichSpec()
{
    PageSpec p;
    p.id = 7;
    p.parentId = 3;
    p.kind = 2;
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
    p.flags = 0x1081;
    p.labelId = 4;
    return p;
}

}  // namespace

TEST(PageRead, EverySchemaReadsTheFieldsItCarries)
{
    const PageSpec spec = RichSpec();
    for (uint16_t s = 0; s <= 23; ++s) {
        SCOPED_TRACE(testing::Message() << "schema " << s);
        const CPage page = ReadPage(spec, s);
        EXPECT_EQ(page.Id(), 7u);
        EXPECT_EQ(page.ParentId(), 3u);
        EXPECT_EQ(page.Kind(), 2u);
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
        EXPECT_EQ(page.HtmlCaret(), s >= 15 ? 44u : 0u);
        EXPECT_EQ(page.SortText(), s >= 16 ? u"sort me" : u"");
        EXPECT_EQ(page.ChildrenDescending(), s >= 18);
        EXPECT_EQ(page.LabelId(), s >= 20 ? 4u : 0u);
        if (s >= 14) {
            EXPECT_EQ(page.Modified().date, 45001.5);
        }
        // Colour: from 13; the switch of 13..16 sets bit 0x80; 17 and 18
        // carry neither switch nor flags; 19 on has the stored flags.
        EXPECT_EQ(page.Colour(), s >= 13 ? 0x000000FFu : 0xFF0000FFu);
        EXPECT_EQ(page.HasFlag(model::kOwnColour), (s >= 13 && s < 17) || s >= 19);
        EXPECT_EQ(page.Flags() & 0x1, s >= 19 ? 1u : 0u);
        EXPECT_TRUE(page.Expanded());
    }
}

TEST(PageRead, FolderFlagOfOldSchemasMakesAFlaggedFolderThatStartsClosed)
{
    PageSpec spec = RichSpec();
    spec.kind = 0;
    spec.folderFlag = 1;
    const CPage old = ReadPage(spec, 8);
    EXPECT_EQ(old.Kind(), model::kFlaggedFolder);
    EXPECT_TRUE(old.IsFolder());
    EXPECT_FALSE(old.Expanded());
    EXPECT_EQ(ReadPage(spec, 9).Kind(), 0u);  // no folder flag from schema 9

    spec.kind = 5;
    EXPECT_FALSE(ReadPage(spec, 23).Expanded());
}

TEST(PageRead, WebArchiveFlagConvertsOnlySchemas19To21)
{
    PageSpec spec = RichSpec();
    spec.kind = 0;
    spec.flags = 0x1004;
    const CPage converted = ReadPage(spec, 20);
    EXPECT_EQ(converted.Kind(), model::kWebArchive);
    EXPECT_EQ(converted.Flags(), 0x1000u);
    const CPage kept = ReadPage(spec, 22);
    EXPECT_EQ(kept.Kind(), 0u);
    EXPECT_EQ(kept.Flags(), 0x1004u);
}

TEST(PageRead, ColourSwitchDecidesWhetherTheColourIsInForce)
{
    PageSpec spec = RichSpec();
    spec.pageColour = 0x00123456;
    spec.colourSwitch = 0;
    const CPage off = ReadPage(spec, 15);
    EXPECT_FALSE(off.ColourInForce());
    EXPECT_EQ(off.Colour(), 0xFF123456u);
    EXPECT_FALSE(off.HasFlag(model::kOwnColour));
    spec.colourSwitch = 1;
    const CPage on = ReadPage(spec, 15);
    EXPECT_TRUE(on.ColourInForce());
    EXPECT_EQ(on.ColourValue(), 0x123456u);
    EXPECT_TRUE(on.HasFlag(model::kOwnColour));
}

TEST(PageRead, TextStoresOfEverySchema)
{
    PageSpec spec;
    spec.title = PageText(u"narrow caf\u00e9", TextStore::Narrow);
    spec.text = PageText(u"packed text packed text packed", TextStore::Jb01);
    spec.tipText = PageText(u"raw tip", TextStore::RawNarrow);
    const CPage page = ReadPage(spec, 12);
    EXPECT_EQ(page.Title(), u"narrow caf\u00e9");
    EXPECT_EQ(page.Text(), u"packed text packed text packed");
    EXPECT_EQ(page.TipText(), u"raw tip");

    PageSpec compressed;
    compressed.title = PageText(u"compressed title", TextStore::Jb01);
    compressed.text = PageText(u"raw", TextStore::RawNarrow);
    const CPage four = ReadPage(compressed, 4);
    EXPECT_EQ(four.Title(), u"compressed title");
    EXPECT_EQ(four.Text(), u"raw");
}

TEST(PageRead, ContentBlocksOfSchema23)
{
    PageSpec spec;
    spec.content = std::vector<uint8_t>{0x41, 0x00, 0x42, 0x00};
    EXPECT_EQ(ReadPage(spec, 23).Text(), u"AB");
    spec.content = std::vector<uint8_t>{0x41, 0x00, 0x00, 0x00, 0x43, 0x00, 0x44};
    const CPage page = ReadPage(spec, 23);
    EXPECT_EQ(page.Text(), u"A");
    EXPECT_EQ(page.TextSize(), 2u);
    EXPECT_EQ(page.Content().block.size(), 7u);

    PageSpec hi;
    hi.text = u"Hi";
    const CPage old = ReadPage(hi, 22);
    EXPECT_EQ(old.Content().block, (std::vector<uint8_t>{0x48, 0, 0x69, 0, 0, 0}));
    EXPECT_EQ(old.Content().codePage, 1200u);
    hi.text = u"";
    EXPECT_TRUE(ReadPage(hi, 22).Content().block.empty());
}

TEST(PageRead, KindTestsAndCaretPosition)
{
    PageSpec spec = RichSpec();
    for (uint32_t kind = 0; kind <= 7; ++kind) {
        spec.kind = kind;
        const CPage page = ReadPage(spec, 23);
        EXPECT_EQ(page.IsFolder(), kind >= 4 && kind <= 6) << kind;
        EXPECT_EQ(page.IsHtmlType(), kind == 1 || kind == 3) << kind;
        EXPECT_EQ(page.DisplayCaretPosition(), page.IsHtmlType() ? 44u : 12u) << kind;
    }
}

TEST(PageRead, DecipherTransformsTitleAndText)
{
    PageSpec spec;
    spec.title = PageText(kit::Transform(u"Secret", u"pw"));
    spec.text = PageText(kit::Transform(u"Body text", u"pw"));
    CPage page = ReadPage(spec, 23);
    EXPECT_FALSE(page.Decipher(u""));
    EXPECT_TRUE(page.Decipher(u"pw"));
    EXPECT_EQ(page.Title(), u"Secret");
    EXPECT_EQ(page.Text(), u"Body text");
}
