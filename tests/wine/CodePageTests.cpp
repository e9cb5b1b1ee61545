// The rich edit control reads page RTF as the portable word reader does.
#include "frontends/win32/panes/RichTextStream_win.h"
#include "platform/CodePage.h"
#include "richtext/PlainText.h"
#include "richtext/RtfReader.h"

#include <gtest/gtest.h>

#include <richedit.h>

#include <algorithm>

namespace wine_tests {
namespace {

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
        ASSERT_TRUE(viewer::StreamInRtf(edit, page));
        std::u16string words = richtext::PlainText(richtext::ReadRtf(page));
        std::replace(words.begin(), words.end(), u'\n', u'\r');
        EXPECT_EQ(viewer::PositionText(edit) + u"\r", words) << platform::WideToUtf8(words);
    }
    DestroyWindow(edit);
}

}  // namespace
}  // namespace wine_tests
