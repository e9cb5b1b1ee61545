// RTF made 7-bit for the rich text control.
#include "components/RtfText.h"

#include <gtest/gtest.h>

using components::SevenBitRtf;

TEST(SevenBitRtf, CharactersBeyondAsciiBecomeEscapesWithTheFallbacksUcAsksFor)
{
    EXPECT_EQ(SevenBitRtf(u"{\\rtf1 plain}"), "{\\rtf1 plain}");
    EXPECT_EQ(SevenBitRtf(u"{\\rtf1 é}"), "{\\rtf1 \\u233?}");
    EXPECT_EQ(SevenBitRtf(u"Яd"), "\\u1071?d");
    // Above 0x7FFF the number is negative; surrogate halves go one by one.
    EXPECT_EQ(SevenBitRtf(u"\uFF01"), "\\u-255?");
    EXPECT_EQ(SevenBitRtf(u"😀"), "\\u-10179?\\u-8704?");
    // A character straight after a control word ends it without a space.
    EXPECT_EQ(SevenBitRtf(u"\\bЖ"), "\\b\\u1046?");

    EXPECT_EQ(SevenBitRtf(u"{\\uc0 Ж}Ж"), "{\\uc0 \\u1046 }\\u1046?");
    EXPECT_EQ(SevenBitRtf(u"\\uc2 Ж{\\uc1 Ж}Ж"), "\\uc2 \\u1046??{\\uc1 \\u1046?}\\u1046??");
    EXPECT_EQ(SevenBitRtf(u"}}Ж"), "}}\\u1046?") << "unbalanced braces keep the outer count";

    // Escapes and binary data of the source stay as they are.
    EXPECT_EQ(SevenBitRtf(u"\\'e9\\\\\\{\\u1046?"), "\\'e9\\\\\\{\\u1046?");
    EXPECT_EQ(SevenBitRtf(u"\\bin3 \u00FF\u0080Aé"), std::string("\\bin3 \xFF\x80" "A\\u233?"));
    EXPECT_EQ(SevenBitRtf(u"\\fi-360 x"), "\\fi-360 x");
}
