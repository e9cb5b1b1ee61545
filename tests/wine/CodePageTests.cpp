// The system's code page conversions, and the rich edit control reading
// page RTF as the portable word reader does.
#include "components/RichTextStream_win.h"
#include "components/RtfPlainText.h"
#include "platform/CodePage.h"

#include <gtest/gtest.h>

#include <richedit.h>

#include <algorithm>

namespace wine_tests {
namespace {

// The system writes some characters as the bytes of others (in code page
// 932 U+2014 as those of U+2015): they count as lost.
TEST(CodePages, ExactConversionsReadBackAsTheSameText)
{
    const std::tuple<unsigned, std::u16string_view, bool> cases[] = {
        {932, u"日本\uFF5E", true}, {932, u"\u2014", false}, {932, u"\u00A5", false}, {932, u"\u203E", false},
        {932, u"\u2016", false},    {932, u"\u2212", false}, {932, u"\u301C", false}, {1258, u"a\u0301n\u00E0", true},
    };
    for (const auto& [codePage, text, kept] : cases) {
        const std::optional<std::string> bytes = platform::WideToAnsiExact(text, codePage);
        EXPECT_EQ(bytes.has_value(), kept) << codePage << " " << platform::WideToUtf8(text);
        if (bytes) {
            EXPECT_EQ(platform::NarrowToWide(*bytes, codePage), text);
        }
    }
}

// What the control shows of a page is what search reads in it: fonts of
// other scripts, two-byte characters, bytes read from narrow text.
TEST(CodePages, TheControlShowsRtfAsTheWordReaderReadsIt)
{
    LoadLibraryW(L"msftedit.dll");
    HWND edit = CreateWindowExW(0, MSFTEDIT_CLASS, L"", WS_POPUP | ES_MULTILINE, 0, 0, 400, 300, nullptr, nullptr,
                                nullptr, nullptr);
    ASSERT_NE(edit, nullptr);
    const std::u16string_view pages[] = {
        u"{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0\\fcharset0 Arial;}{\\f1\\fcharset204 Arial;}}"
        u"\\f1\\'cf\\'f0\\'e8\\'e2\\'e5\\'f2 \u00EC\u00E8\u00F0\\f0  caf\u00E9\\par}",
        u"{\\rtf1\\ansi{\\fonttbl{\\f0\\fcharset0 Arial;}{\\f2\\fcharset128 MS Mincho;}}"
        u"\\f2\\'93\\'fa\\'96\\'7b\\'8c\\'ea \u201C\u00FA\\f0  x\\u1046\u00C6 y\\par}",
    };
    for (std::u16string_view page : pages) {
        ASSERT_TRUE(components::StreamInRtf(edit, page));
        std::u16string words = components::RtfToPlainText(page);
        std::replace(words.begin(), words.end(), u'\n', u'\r');
        EXPECT_EQ(components::PositionText(edit) + u"\r", words) << platform::WideToUtf8(words);
    }
    DestroyWindow(edit);
}

}  // namespace
}  // namespace wine_tests
