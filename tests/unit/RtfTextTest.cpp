// RTF made 7-bit for the rich text control, the words of RTF, and the code
// pages both read its bytes in.
#include "richtext/PlainText.h"
#include "richtext/RtfReader.h"
#include "tests/unit/Helpers.h"
#include "text/RtfText.h"
#include "text/RtfText.h"

#include <gtest/gtest.h>

#include <random>

using text::SevenBitRtf;
using namespace testing_helpers;

namespace {

class RtfText : public ::testing::Test {
protected:
    void TearDown() override { platform::SetAnsiCodePage(0); }
};

std::string Words(std::u16string_view rtf) { return Narrow(richtext::PlainText(richtext::ReadRtf(rtf))); }

// Bytes as the units of the same number, as the control reads them.
std::u16string Widened(const std::string& bytes)
{
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    return std::u16string(data, data + bytes.size());
}

constexpr std::u16string_view kFonts =
    u"{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}{\\f1\\fnil\\fcharset204 Arial CYR;}"
    u"{\\f2\\fnil\\fcharset128 MS Mincho;}}";

TEST_F(RtfText, SevenBitRtfWritesBytesAsEscapesAndOtherCharactersAsTheFallbacksUcAsksFor)
{
    EXPECT_EQ(SevenBitRtf(u"{\\rtf1 plain}"), "{\\rtf1 plain}");
    // Read from narrow text (here 1252): the bytes they were, for the font's code page.
    EXPECT_EQ(SevenBitRtf(u"{\\rtf1 é\u20AC}"), "{\\rtf1 \\'e9\\'80}");
    EXPECT_EQ(SevenBitRtf(u"Яd"), "\\u1071?d");
    // Above 0x7FFF the number is negative; surrogate halves go one by one.
    EXPECT_EQ(SevenBitRtf(u"\uFF01"), "\\u-255?");
    EXPECT_EQ(SevenBitRtf(u"😀"), "\\u-10179?\\u-8704?");
    // A character straight after a control word ends it without a space.
    EXPECT_EQ(SevenBitRtf(u"\\bЖ"), "\\b\\u1046?");

    EXPECT_EQ(SevenBitRtf(u"{\\uc0 Ж}Ж"), "{\\uc0 \\u1046 }\\u1046?");
    EXPECT_EQ(SevenBitRtf(u"\\uc2 Ж{\\uc1 Ж}Ж"), "\\uc2 \\u1046??{\\uc1 \\u1046?}\\u1046??");
    EXPECT_EQ(SevenBitRtf(u"}}Ж"), "}}\\u1046?") << "unbalanced braces keep the outer count";
    EXPECT_EQ(SevenBitRtf(u"{\\uc-1 Ж}"), "{\\uc-1 \\u1046 }") << "a negative count is none";
    // A fallback of the source stays one character; a symbol is ASCII.
    EXPECT_EQ(SevenBitRtf(u"\\u1046Ж\\u1046 Ж"), "\\u1046?\\u1046 ?");
    EXPECT_EQ(SevenBitRtf(u"\\Ж\\é"), "\\u1046?\\'e9");

    // Escapes and binary data of the source stay as they are.
    EXPECT_EQ(SevenBitRtf(u"\\'e9\\\\\\{\\u1046?"), "\\'e9\\\\\\{\\u1046?");
    EXPECT_EQ(SevenBitRtf(u"\\bin3 \u00FF\u0080AЖ"), std::string("\\bin3 \xFF\x80" "A\\u1046?"));
    EXPECT_EQ(SevenBitRtf(u"\\bin-3 ЖЖ"), "\\bin-3 \\u1046?\\u1046?");
    EXPECT_EQ(SevenBitRtf(u"\\fi-360 x"), "\\fi-360 x");
    EXPECT_EQ(SevenBitRtf(u"Ж\\"), "\\u1046?\\") << "a backslash at the end stays alone";

    platform::SetAnsiCodePage(932);
    EXPECT_EQ(SevenBitRtf(u"日é"), "\\'93\\'fa\\u233?");
    EXPECT_EQ(SevenBitRtf(u"日Жé", 1251), "\\u26085?\\'c6\\u233?") << "the code page given counts";
}

TEST_F(RtfText, WordsAreReadInTheCodePageOfTheirFont)
{
    struct Case {
        int charset;  // of font 1 in a font table before the text; -1: the text has its own
        std::u16string_view text;
        const char* words;
        unsigned narrowCodePage = 1252;
    };
    const Case cases[] = {
        {204, u"\\f1\\'cf\\'f0\\'e8\\'e2\\'e5\\'f2 \\f0 caf\\'e9}", "Привет café"},
        {161, u"\\f1\\'e3\\'e5\\'e9\\'e1}", "γεια"},
        {177, u"\\f1\\'f9\\'ec\\'e5\\'ed \\'f2\\'e5\\'ec\\'ed}", "שלום עולם"},
        {178, u"\\f1\\'d3\\'e1\\'c7\\'e3}", "سلام"},
        {222, u"\\f1\\'ca\\'c7\\'d1\\'ca\\'b4\\'d5}", "สวัสดี"},
        {134, u"\\f1\\'d6\\'d0\\'ce\\'c4}", "中文"},
        {129, u"\\f1\\'c7\\'d1\\'b1\\'db}", "한글"},
        {136, u"\\f1\\'a4\\'a4\\'a4\\'e5}", "中文"},
        {238, u"\\f1\\'a3\\'f3d\\'9f}", "Łódź"},
        {163, u"\\f1 Vi\\'ea\\'f2t n\\'e0}", "Vi\u00EA\u0323t n\u00E0"},
        {162, u"\\f1\\'fe\\'f0}\\'fe", "şğþ"},
        {186, u"\\f1\\'e0\\'e8}", "ąč"},
        {2, u"\\f1\\'b7}", "\u00B7"},
        // Double-byte: a trail byte may be an escape, a letter or an escaped symbol.
        {128, u"\\f1\\'93\\'fa\\'96\\'7b \\'83e\\'83X\\'83g \\'95\\\\\\'83\\{}", "日本 テスト 表ボ"},
        {128, u"\\f1\\'93 x\\'93}", "\uFFFD x\uFFFD"},  // a lead byte alone is no character
        // \cpgN names the code page itself; a set that names none falls back
        // to \ansicpgN, then to the narrow code page.
        {-1, u"{\\rtf1\\ansi{\\fonttbl{\\f1\\fcharset0\\cpg1251 B;}}\\f1\\'cf}", "П"},
        {-1, u"{\\rtf1\\ansi\\ansicpg1253{\\fonttbl{\\f1\\fcharset1 B;}}\\f1\\'e3}", "γ"},
        {99, u"\\f1\\'e9}", "é"},
        {-1, u"{\\rtf1\\ansi{\\fonttbl\\f0\\fnil A;\\f1\\fnil\\fcharset161 B;}\\'e3\\f1\\'e3}", "γγ", 1253},
        // The font belongs to its group; \deffN chooses it before any \fN and after \plain.
        {204, u"{\\f1\\'cf}\\'cf\\f1\\plain\\'cf}", "ПÏÏ"},
        {204, u"\\f-2\\'e3\\f1\\'e3}", "γг", 1253},  // a font not in the table
        {-1, u"{\\rtf1\\deff1{\\fonttbl{\\f0\\fcharset0 A;}{\\f1\\fcharset204 B;}}\\'cf\\f0\\'cf\\plain\\'cf}", "ПÏП"},
        // Characters read from narrow text (1252 here) are its bytes.
        {204, u"\\f1 \u00CF\u00F0\u0416 \\f0 \u00CF}", "ПрЖ Ï"},
        {128, u"\\f1 \u201C\u00FA\\'96{}}", "日\uFFFD"},
        {-1, u"{\\rtf1{\\fonttbl{\\f1\\fcharset204 B;}}\\f1 \u65E5\u00E9}", "“ъé", 932},
        // \ucN counts the bytes after \uN that stand in for it, in its group.
        {128, u"\\f1{\\uc2\\u26085\\'93\\'fa}\\u26412\\'96\\'7b}", "日本{"},
        {204, u"\\f1\\u1055\\'cf\\uc0\\u1088 \\'f0}", "Прр"},
        // Binary data is skipped by its count.
        {204, u"\\f1 x\\bin2 \\'\\'cf}", "xП"},
    };
    for (const Case& c : cases) {
        platform::SetAnsiCodePage(c.narrowCodePage);
        const std::string fonts =
            "{\\rtf1\\ansi{\\fonttbl{\\f0\\fcharset0 A;}{\\f1\\fcharset" + std::to_string(c.charset) + " B;}}";
        const std::u16string rtf = (c.charset < 0 ? u"" : platform::Utf8ToWide(fonts)) + std::u16string(c.text);
        EXPECT_EQ(Words(rtf), c.words) << Narrow(rtf);
    }
}

// Old documents hold pages as narrow text: their bytes come back as the
// characters of the narrow code page and are read as bytes of the font's.
TEST_F(RtfText, NarrowPagesOfOldDocumentsReadInTheirFontsCodePage)
{
    struct Case {
        unsigned codePage;
        uint32_t kind;
        std::string narrow;
        std::string words;
    };
    const Case cases[] = {
        {1252, 2, "{\\rtf1\\ansi{\\fonttbl{\\f1\\fcharset204 B;}}\\f1 \xCF\xF0\xE8\xE2\xE5\xF2}", "Привет"},
        {1252, 2, "{\\rtf1\\ansi{\\fonttbl{\\f1\\fcharset128 B;}}\\f1 \x93\xFA\x8C\xEA}", "日語"},
        // A last character that could still have combined is kept.
        {1258, 0, "Vi\xEA\xF2t n\xE0", "Vi\u00EA\u0323t n\u00E0"},
        {1255, 0, "\xF9\xEC\xE5\xED \xF2\xE5\xEC\xED", "שלום עולם"},
    };
    for (const Case& c : cases) {
        platform::SetAnsiCodePage(c.codePage);
        kit::BookSpec spec = BookOf({Page(1, 1, c.kind, u"Page")});
        spec.pages[0].text = {u"", kit::TextStore::Narrow};
        spec.pages[0].text.narrow = c.narrow;
        const std::u16string text = Loaded(spec, {.schemas = {.page = 22}}).FindPage(1)->Text();
        EXPECT_EQ(Narrow(c.kind == 2 ? richtext::PlainText(richtext::ReadRtf(text)) : text), c.words) << c.codePage;
    }
}

// A text any reader makes of the rewritten RTF is the text of the original.
TEST_F(RtfText, SevenBitRtfReadsAsTheSameWords)
{
    const std::u16string_view tricky[] = {
        u"\\é\\Ж", u"{\\uc-1\\u1046 Ж}Ж", u"\\u1046Ж", u"\\uc2\\u1046Жx{\\u1046 ЖЖ}", u"\\uc1\\u1046\\'cfЖ",
        u"\\u1046\\par Ж", u"\\u1046\\\\Ж", u"\\u1046\\'zЖ", u"\\uc\\u1046ЖЖ", u"\\uc-\\u1046ЖЖ", u"\\bin-2 ЖЖ",
        u"\\bin2 ЖЖЖ", u"\\bin99999999999 Ж", u"\\'cЖ", u"\\'Ж", u"\\f1 ÏЖ\\'cf", u"\\f2 \\'93é\\'93\u201C\u00FA",
        u"\\f2\\'83\\\\\\'83\\{\\'83e", u"Ж\\", u"\\u1046\r\nЖ", u"{\\*\\x Ж}Ж", u"\\u1046\\-Ж", u"\\u1046\\~Ж",
        u"\\f2\\'85\\'93日", u"\u0080\\\u0080",
    };
    std::vector<std::u16string> inputs(std::begin(tricky), std::end(tricky));
    // And texts made of the pieces that interact.
    const std::u16string_view pieces[] = {
        u"{", u"}", u"\\uc0 ", u"\\uc1", u"\\uc2 ", u"\\uc-1 ", u"\\u1046", u"\\u-10179?", u"\\'cf", u"\\'82",
        u"\\'a0", u"\\'93", u"\\\\", u"\\{", u"\\é", u"é", u"Ж", u"日", u"\u0082", u"\u201C", u"a", u"?", u" ",
        u"\\par ", u"\\f1 ", u"\\f2 ", u"\\plain ", u"\\bin2 ", u"{\\*\\x ", u"\\-", u"\\'", u"\r\n", u"\\~", u"\\",
    };
    std::mt19937 random(17);
    for (int n = 0; n < 3000; ++n) {
        std::u16string text;
        for (size_t k = random() % 24; k > 0; --k)
            text += pieces[random() % std::size(pieces)];
        inputs.push_back(std::move(text));
    }
    for (unsigned codePage : {1252u, 932u}) {
        platform::SetAnsiCodePage(codePage);
        for (const std::u16string& input : inputs) {
            const std::u16string rtf = std::u16string(kFonts) + input;
            const std::string rewritten = SevenBitRtf(rtf);
            ASSERT_EQ(Words(Widened(rewritten)), Words(rtf)) << codePage << ": " << Narrow(input) << " > " << rewritten;
            const bool ascii = std::all_of(rewritten.begin(), rewritten.end(), [](char b) { return (b & 0x80) == 0; });
            ASSERT_TRUE(ascii || input.find(u"\\bin") != std::u16string::npos) << rewritten;
        }
    }
}

// Characters count as kept only when they read back as themselves.
TEST_F(RtfText, ExactConversionsReadBackAsTheSameText)
{
    const std::tuple<unsigned, std::u16string_view, bool> cases[] = {
        {932, u"日本\uFF5E", true},  {932, u"\u2014", false}, {932, u"\u00A5", false}, {932, u"\u203E", false},
        {932, u"\u2016", false},     {932, u"\u2212", false}, {932, u"\u301C", false}, {1252, u"é\u20AC", true},
        {1258, u"a\u0301", true},     {1255, u"\u05E9\u05C1", true},
    };
    for (const auto& [codePage, text, kept] : cases) {
        const std::optional<std::string> bytes = platform::WideToAnsiExact(text, codePage);
        EXPECT_EQ(bytes.has_value(), kept) << codePage << " " << Narrow(std::u16string(text));
        if (bytes) {
            EXPECT_EQ(platform::NarrowToWide(*bytes, codePage), text);
        }
    }
}

}  // namespace
