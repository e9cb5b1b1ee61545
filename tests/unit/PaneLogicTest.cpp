// The rich text pane's portable arithmetic: RTF made 7-bit for the control,
// and the font command's records.
#include "components/FontChoice.h"
#include "components/RtfText.h"

#include <gtest/gtest.h>

namespace pane_tests {
namespace {

using components::SevenBitRtf;

TEST(SevenBitRtf, CharactersBeyondAsciiBecomeEscapesWithOneFallback)
{
    EXPECT_EQ(SevenBitRtf(u"{\\rtf1 plain}"), "{\\rtf1 plain}");
    EXPECT_EQ(SevenBitRtf(u"{\\rtf1 é}"), "{\\rtf1 \\u233?}");
    EXPECT_EQ(SevenBitRtf(u"Яd"), "\\u1071?d");
    // Above 0x7FFF the number is negative; surrogate halves go one by one.
    EXPECT_EQ(SevenBitRtf(u"\uFF01"), "\\u-255?");
    EXPECT_EQ(SevenBitRtf(u"😀"), "\\u-10179?\\u-8704?");
    // A character straight after a control word ends it without a space.
    EXPECT_EQ(SevenBitRtf(u"\\bЖ"), "\\b\\u1046?");
}

TEST(SevenBitRtf, TheFallbackCountFollowsUcInItsGroup)
{
    EXPECT_EQ(SevenBitRtf(u"{\\uc0 Ж}Ж"), "{\\uc0 \\u1046 }\\u1046?");
    EXPECT_EQ(SevenBitRtf(u"\\uc2 Ж{\\uc1 Ж}Ж"), "\\uc2 \\u1046??{\\uc1 \\u1046?}\\u1046??");
    EXPECT_EQ(SevenBitRtf(u"}}Ж"), "}}\\u1046?") << "unbalanced braces keep the outer count";
}

TEST(SevenBitRtf, EscapesAndBinaryDataOfTheSourceStayAsTheyAre)
{
    EXPECT_EQ(SevenBitRtf(u"\\'e9\\\\\\{\\u1046?"), "\\'e9\\\\\\{\\u1046?");
    EXPECT_EQ(SevenBitRtf(u"\\bin3 \u00FF\u0080Aé"), std::string("\\bin3 \xFF\x80" "A\\u233?"));
    EXPECT_EQ(SevenBitRtf(u"\\fi-360 x"), "\\fi-360 x");
}

TEST(FontChoice, TheFirstChoiceMakesTheRecordChoosableKeepingItsMembers)
{
    components::CharFormatRecord stored;
    stored.height = 240;
    stored.faceName = components::MakeFaceName(u"Georgia");
    EXPECT_TRUE(components::MakeChoosable(stored));
    EXPECT_EQ(stored.size, 92u);
    EXPECT_EQ(stored.mask, 0xA800000Fu);
    EXPECT_EQ(stored.height, 240);
    EXPECT_EQ(components::FaceNameText(stored.faceName), u"Georgia");
    EXPECT_FALSE(components::MakeChoosable(stored)) << "only once";

    components::CharFormatRecord shown = components::WithColour(stored, 0x123456);
    EXPECT_EQ(shown.mask, 0xE800000Fu);
    EXPECT_EQ(shown.textColor, 0x123456u);
}

TEST(FontChoice, TheDialogsAnswerBecomesTheStoredFormat)
{
    components::LogFontRecord chosen;
    chosen.weight = 700;
    chosen.italic = 1;
    chosen.strikeOut = 1;
    chosen.charSet = 204;
    chosen.pitchAndFamily = 0x22;
    chosen.faceName = components::MakeFaceName(u"DejaVu Serif");
    components::CharFormatRecord format = components::FormatFromFontChoice(chosen, 115, 0x00FF00);
    EXPECT_EQ(format.size, 92u);
    EXPECT_EQ(format.mask, 0xE800000Fu);
    EXPECT_EQ(format.effects, components::kCfmBold | components::kCfmItalic | components::kCfmStrikeOut);
    EXPECT_EQ(format.height, 230) << "11.5 points in twips";
    EXPECT_EQ(format.offset, 0);
    EXPECT_EQ(format.textColor, 0x00FF00u);
    EXPECT_EQ(format.charSet, 204);
    EXPECT_EQ(format.pitchAndFamily, 0x22);
    EXPECT_EQ(components::FaceNameText(format.faceName), u"DejaVu Serif");

    for (int weight : {600, 800, 900, 400}) {
        chosen.weight = weight;
        EXPECT_EQ(components::FormatFromFontChoice(chosen, 100, 0).effects & components::kCfmBold, 0u) << weight;
    }
}

}  // namespace
}  // namespace pane_tests
