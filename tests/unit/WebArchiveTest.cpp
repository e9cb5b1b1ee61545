#include "text/WebArchive.h"

#include <gtest/gtest.h>

namespace {

constexpr std::string_view kArchive =
    "MIME-Version: 1.0\r\n"
    "Content-Type: multipart/related;\r\n"
    "\tboundary=\"--=b1\"; type=\"text/html\"\r\n"
    "\r\n"
    "preamble\r\n"
    "----=b1\r\n"
    "Content-Type: text/html; charset=\"Windows-1251\"\r\n"
    "Content-Transfer-Encoding: quoted-printable\r\n"
    "Content-Location: http://example.org/page.htm\r\n"
    "\r\n"
    "<p>=C0=\r\nb=3D=ZZ</p>\r\n"
    "----=b1\r\n"
    "Content-Type: image/png\r\n"
    "Content-Transfer-Encoding: base64\r\n"
    "Content-ID: <pic@x>\r\n"
    "\r\n"
    "UE5H\r\nAA==\r\n"
    "----=b1--\r\n"
    "epilogue\r\n";

TEST(WebArchive, PartsAreSplitDecodedAndFoundByName)
{
    const std::vector<text::ArchivePart> parts = text::ReadWebArchive(kArchive);
    ASSERT_EQ(parts.size(), 2u);
    const text::ArchivePart* html = text::HtmlPart(parts);
    ASSERT_TRUE(html);
    EXPECT_EQ(html->charset, "windows-1251");
    EXPECT_EQ(html->body, "<p>\xC0" "b==ZZ</p>");  // a soft break joins, a broken escape stays
    EXPECT_EQ(parts[1].type, "image/png");
    EXPECT_EQ(parts[1].body, std::string("PNG\0", 4));
    EXPECT_EQ(text::PartNamed(parts, "CID:pic@x"), &parts[1]);
    EXPECT_EQ(text::PartNamed(parts, "http://example.org/page.htm"), html);
    EXPECT_EQ(text::PartNamed(parts, "cid:"), nullptr);
    EXPECT_EQ(text::ReadWebArchive(kArchive, 1).size(), 1u);
    // Not multipart: the whole file is one part of its own type.
    EXPECT_EQ(text::ReadWebArchive("Content-Type: text/html\n\n<b>x</b>")[0].body, "<b>x</b>");
}

TEST(WebArchive, MultipartsNestedTooDeepStayOnePart)
{
    std::string archive = "<p>inner</p>";
    for (char boundary = 'a'; boundary < 'g'; ++boundary)
        archive = std::string("Content-Type: multipart/mixed; boundary=") + boundary + "\n\n--" + boundary + "\n" +
                  archive + "\n--" + boundary + "--\n";
    const std::vector<text::ArchivePart> parts = text::ReadWebArchive(archive);
    ASSERT_EQ(parts.size(), 1u);
    EXPECT_EQ(parts[0].type, "multipart/mixed");
}

TEST(WebArchive, CharsetsNameTheirCodePages)
{
    const struct {
        std::string_view charset;
        unsigned codePage;
    } cases[] = {{"utf-8", 0},       {" UTF8 ", 0},         {"windows-1252", 1252}, {"windows-873", 7},
                 {"iso-8859-5", 28595}, {"iso-8859-0", 7},   {"iso-8859-5x", 7},     {"koi8-r", 20866},
                 {"Shift_JIS", 932}, {"", 7}};
    for (const auto& c : cases)
        EXPECT_EQ(text::CharsetCodePage(c.charset, 7), c.codePage) << c.charset;
}

}  // namespace
