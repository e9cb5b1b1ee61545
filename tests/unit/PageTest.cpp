#include <gtest/gtest.h>

#include "model/Page.h"
#include "tests/kit/RecordWriters.h"
#include "tests/unit/Helpers.h"

using kit::PageSpec;
using model::CPage;

namespace {

testing_helpers::PageRecord ReadPage(const PageSpec& spec, uint16_t schema = 23)
{
    return testing_helpers::ReadRecord<testing_helpers::PageRecord>([&](auto& w) { kit::WritePage(w, spec, schema); });
}

// Fields with values other than their defaults.
const PageSpec kRich{.id = 7, .parentId = 3, .kind = model::kRichText, .title = u"T\u00edtulo",
    .text = u"{\\rtf1 body}", .caretPosition = 12, .expanded = 1, .tipText = u"tip", .sortWeight = 100,
    .auxValue = -7, .pageColour = 0x000000FF, .colourSwitch = 1, .htmlCaretPosition = 44, .sortText = u"sort me",
    .flags = model::kNewPageFlag | model::kOwnColour | model::kCaretAtEnd, .labelId = 4};

}  // namespace

// ReadPage insists on every byte being read, so a field read from the wrong
// schema on shows at that schema; the values of the newest are in the dump.
TEST(Page, EverySchemaTakesItsBytesAndKeepsDefaultsForWhatItLacks)
{
    for (uint16_t s = 0; s <= 23; ++s) {
        SCOPED_TRACE(testing::Message() << "schema " << s);
        const auto record = ReadPage(kRich, s);
        const CPage& page = record.page;
        EXPECT_EQ(page.Title(), u"T\u00edtulo");
        EXPECT_EQ(page.Text(), u"{\\rtf1 body}");
        EXPECT_EQ(page.SortWeight(), s >= 8 ? 100u : 32768u);
        EXPECT_EQ(page.AuxValue(), s >= 11 ? -7 : -1);
        EXPECT_EQ(page.TipText(), s >= 3 ? u"tip" : u"");
        EXPECT_EQ(page.SortText(), s >= 16 ? u"sort me" : u"");
        // Colour from 13; the switch of 13..16 sets the own-colour flag; 17
        // and 18 carry neither switch nor flags; 19 on has the stored flags.
        EXPECT_EQ(page.Colour(), s >= 13 ? 0x000000FFu : 0xFF0000FFu);
        EXPECT_EQ(page.HasFlag(model::kOwnColour), (s >= 13 && s < 17) || s >= 19);
        std::vector<uint8_t> cut = testing_helpers::Written([&](auto& w) { kit::WritePage(w, kRich, s); });
        cut.pop_back();
        EXPECT_EQ(testing_helpers::ErrorReading(cut, [](auto& ar) { testing_helpers::PageRecord().Read(ar); }),
                  testing_helpers::kEndOfFile) << "a page one byte short";
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
    const std::tuple<const PageSpec&, uint16_t, uint32_t, uint32_t, bool> cases[] = {
        {flagged, 8, model::kFlaggedFolder, model::kNewPageFlag, false},
        {flagged, 9, model::kPlainText, model::kNewPageFlag, true},
        {webArchive, 21, model::kWebArchive, model::kNewPageFlag, true},
        {webArchive, 22, model::kPlainText, model::kNewPageFlag | model::kLegacyWebArchive, true},
        {switchedOff, 16, model::kRichText, model::kNewPageFlag, true},
        {bin, 23, model::kRecycleBin, kRich.flags, false},
    };
    for (const auto& [spec, schema, kind, flags, expanded] : cases) {
        const auto record = ReadPage(spec, schema);
        const CPage& page = record.page;
        EXPECT_EQ(page.Kind(), kind) << schema;
        EXPECT_EQ(page.Flags(), flags) << schema;
        EXPECT_EQ(page.Expanded(), expanded) << schema;
    }
}

TEST(Page, ContentBlocks)
{
    const auto cut = ReadPage({.content = std::vector<uint8_t>{0x41, 0x00, 0x00, 0x00, 0x43, 0x00, 0x44}});
    EXPECT_EQ(cut.page.Text(), u"A");  // up to the first NUL unit
    EXPECT_EQ(cut.page.TextSize(), 2u);
    // No NUL; an odd last byte is no unit.
    EXPECT_EQ(ReadPage({.content = std::vector<uint8_t>{0x41, 0x00, 0x42, 0x00, 0x43}}).page.Text(), u"AB");
    // Older schemas make the block from the text.
    const auto hi = ReadPage({.text = u"Hi"}, 22);
    EXPECT_EQ(std::vector<uint8_t>(hi.page.Content().block.begin(), hi.page.Content().block.end()),
              (std::vector<uint8_t>{0x48, 0, 0x69, 0, 0, 0}));
    EXPECT_EQ(hi.page.Content().codePage, 1200u);
    EXPECT_TRUE(ReadPage({.text = u""}, 22).page.Content().block.empty());
}

TEST(Page, TheCaretShownIsTheHtmlOneForHtmlKinds)
{
    PageSpec spec = kRich;
    for (uint32_t kind : {model::kPlainText, model::kWebArchive, model::kRichText, model::kHtml, model::kFolder}) {
        spec.kind = kind;
        const bool html = kind == model::kWebArchive || kind == model::kHtml;
        EXPECT_EQ(ReadPage(spec).page.DisplayCaretPosition(), html ? 44u : 12u) << kind;
    }
}
