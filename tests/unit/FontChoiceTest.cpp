// The font command's records: what the dialog is given and what it answers.
#include "components/FontChoice.h"

#include <gtest/gtest.h>

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
