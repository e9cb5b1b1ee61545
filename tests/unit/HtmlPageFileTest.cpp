#include <gtest/gtest.h>

#include "platform/CodePage.h"
#include "text/HtmlPageFile.h"

using text::PageFileBytes;
using text::PageFileKind;

namespace {

TEST(HtmlPageFile, HtmlPagesAreUtf8WithAByteOrderMarkWhateverTheCodePage)
{
    const std::u16string page = u"<meta charset=\"windows-1252\"><p>Привет, 日本 😀 café</p>";
    for (unsigned codePage : {1252u, 1251u, 932u}) {
        const std::string bytes = PageFileBytes(PageFileKind::Html, page, codePage);
        ASSERT_EQ(bytes.substr(0, 3), "\xEF\xBB\xBF") << codePage;
        EXPECT_EQ(platform::Utf8ToWide(bytes.substr(3)), page) << codePage;
    }
    EXPECT_EQ(text::PageFileExtension(PageFileKind::Html), u".htm");
    EXPECT_EQ(text::PageFileExtension(PageFileKind::WebArchive), u".mht");
}

TEST(HtmlPageFile, WebArchivesKeepTheirCodePagesBytesAndReferToWhatItLacks)
{
    struct Case {
        unsigned codePage;
        std::u16string text;
        std::string bytes;
    };
    const Case cases[] = {
        {1252, u"MIME-Version: 1.0\r\n\r\ncafé €", "MIME-Version: 1.0\r\n\r\ncaf\xE9 \x80"},
        {1251, u"<p>Привет</p>", "<p>\xCF\xF0\xE8\xE2\xE5\xF2</p>"},
        {932, u"日本", "\x93\xFA\x96\x7B"},
        {1252, u"<p>Привет é</p>", "<p>&#1055;&#1088;&#1080;&#1074;&#1077;&#1090; \xE9</p>"},
        // No look-alike stands in for a letter: "ā" is not "a".
        {1252, u"ā", "&#257;"},
        // A character beyond the first plane is one reference, not two.
        {1251, u"😀Ж", "&#128512;\xC6"},
        {1251, u"\U00010000\U0010FFFF", "&#65536;&#1114111;"},
        // Halves of pairs standing alone are one reference each.
        {1251, u"\xDC00\xDC00\xD83D\xE000\xD83D", "&#56320;&#56320;&#55357;&#57344;&#55357;"},
        {1252, u"\u0080", "&#128;"},
    };
    platform::SetAnsiCodePage(1251);  // the code page given counts, not the current one
    for (const Case& c : cases)
        EXPECT_EQ(PageFileBytes(PageFileKind::WebArchive, c.text, c.codePage), c.bytes) << c.codePage;
    platform::SetAnsiCodePage(0);
}

}  // namespace
