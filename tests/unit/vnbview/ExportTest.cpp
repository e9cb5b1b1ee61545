// Export: safe and unique names, the folder layout, file contents per kind,
// links in index.html, and that nothing lands outside the chosen folder.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/unit/vnbview/Support.h"
#include "tools/vnbview/Export.h"
#include "tools/vnbview/FileNames.h"
#include "tools/vnbview/PageFiles.h"

using namespace vnbview_test;
using vnbview::SafeStem;

TEST(FileNames, SafeStemsHaveNoSeparatorsReservedCharactersOrDeviceNames)
{
    const std::pair<std::u16string, std::u16string> cases[] = {
        {u"a/b\\c:d*e?f\"g<h>i|j", u"a_b_c_d_e_f_g_h_i_j"},
        {u"tab\there\x7f\x85", u"tab_here__"},
        {u"x\xD800y\xDC00", u"x_y_"},
        {u"..", u"Untitled"},
        {u".", u"Untitled"},
        {u"", u"Untitled"},
        {u"   ", u"Untitled"},
        {u"../../etc/passwd", u"_._.._etc_passwd"},
        {u".hidden", u"_hidden"},
        {u"  name. . ", u"name"},
        {u"CON", u"_CON"},
        {u"con.txt", u"_con.txt"},
        {u"nul ", u"_nul"},
        {u"Lpt1", u"_Lpt1"},
        {u"COM\u00b9", u"_COM\u00b9"},
        {u"COM10", u"COM10"},
        {u"CONSOLE", u"CONSOLE"},
        {u"Crème brûlée", u"Crème brûlée"},
    };
    for (const auto& [title, stem] : cases)
        EXPECT_EQ(SafeStem(title), stem) << Utf8(title);
}

TEST(FileNames, LongTitlesAreCutAtCharacterBoundariesWithinTheByteLimit)
{
    const std::u16string accents(100, u'\u00e9');  // two UTF-8 bytes each
    EXPECT_EQ(SafeStem(accents), std::u16string(vnbview::kMaxStemBytes / 2, u'\u00e9'));
    std::u16string emoji;
    for (int i = 0; i < 30; ++i)
        emoji += u"\xD83D\xDE00";
    const std::u16string cut = SafeStem(emoji);
    EXPECT_EQ(cut.size(), vnbview::kMaxStemBytes / 4 * 2);  // whole pairs only
    EXPECT_EQ(SafeStem(std::u16string(79, u'a') + u" b"), std::u16string(79, u'a'));  // no trailing blank after the cut
}

TEST(FileNames, NamesInOneFolderStayUniqueIgnoringCase)
{
    vnbview::FolderNames names;
    names.Reserve(u"index.html");
    EXPECT_EQ(names.Claim(u"Note", u"txt"), u"Note");
    EXPECT_EQ(names.Claim(u"note", u"rtf"), u"note (2)");  // the folder "note" is taken with the file
    EXPECT_EQ(names.Claim(u"NOTE", u"txt"), u"NOTE (3)");
    EXPECT_EQ(names.Claim(u"Note (2)", u"txt"), u"Note (2) (2)");
    EXPECT_EQ(names.Claim(u"Note.txt", u""), u"Note.txt (2)");  // a folder named like a file
    EXPECT_EQ(names.Claim(u"INDEX.HTML", u""), u"INDEX.HTML (2)");
}

TEST(PageFiles, RichTextBecomesEightBitRtf)
{
    EXPECT_EQ(vnbview::RtfBytes(u"{\\rtf1 \u00e9\u20ac\xD83D\xDE00}"), "{\\rtf1 \\u233?\\u8364?\\u-10179?\\u-8704?}");
}

TEST(PageFiles, HtmlGetsAUtf8DeclarationInTheRightPlace)
{
    const std::string bom = "\xEF\xBB\xBF";
    const std::string meta = "<meta charset=\"utf-8\">";
    EXPECT_EQ(vnbview::HtmlBytes(u"<!DOCTYPE html><HTML><Head lang=x><title>\u00e9</title></head>"),
              bom + "<!DOCTYPE html><HTML><Head lang=x>" + meta + "<title>\xC3\xA9</title></head>");
    EXPECT_EQ(vnbview::HtmlBytes(u"<html><header>h</header></html>"), bom + "<html>" + meta + "<header>h</header></html>");
    EXPECT_EQ(vnbview::HtmlBytes(u"<!doctype html><p>x"), bom + "<!doctype html>" + meta + "<p>x");
    EXPECT_EQ(vnbview::HtmlBytes(u"plain"), bom + meta + "\nplain");
}

TEST(PageFiles, WebArchivesGoBackThroughTheCodePageUnlessThatWouldLoseText)
{
    EXPECT_EQ(vnbview::WebArchiveBytes(u"caf\u00e9", 1252), "caf\xE9");
    EXPECT_EQ(vnbview::WebArchiveBytes(u"\u0416", 1251), "\xC6");
    EXPECT_EQ(vnbview::WebArchiveBytes(u"caf\u00e9 \u8a9e", 1252), "caf\xC3\xA9 \xE8\xAA\x9E");
}

namespace {

std::string PercentDecode(const std::string& url)
{
    std::string out;
    for (size_t i = 0; i < url.size(); ++i) {
        if (url[i] == '%' && i + 2 < url.size()) {
            out += static_cast<char>(std::stoi(url.substr(i + 1, 2), nullptr, 16));
            i += 2;
        } else {
            out += url[i];
        }
    }
    return out;
}

// Everything below `dir`, as relative paths.
std::vector<std::string> Listing(const fs::path& dir)
{
    std::vector<std::string> entries;
    for (const auto& entry : fs::recursive_directory_iterator(dir))
        entries.push_back(fs::relative(entry.path(), dir).string() + (entry.is_directory() ? "/" : ""));
    std::sort(entries.begin(), entries.end());
    return entries;
}

kit::BookSpec ExportBookSpec()
{
    kit::PageSpec web = Page(8, 1, 1, u"Web", u"MIME-Version: 1.0\r\n");
    return BookOf({
        Page(1, 1, 4, u"Root"),
        Page(2, 1, 0, u"Note", u"text \u00e9"),
        Page(3, 2, 0, u"Child", u"child"),
        Page(4, 1, 0, u"note", u"same name"),
        Page(5, 1, 0, u"../../escape", u"x"),
        Page(6, 1, 2, u"Rich", u"{\\rtf1 \u00e9}"),
        Page(7, 1, 3, u"Page", u"<html><head></head><body>\u00e9</body></html>"),
        web,
        Page(9, 1, 4, u"Empty"),
        Page(10, 1, 4, u"CON"),
    });
}

}  // namespace

TEST(Export, MirrorsTheTreeWithOneFilePerPageInsideTheFolder)
{
    TempDir temp;
    const fs::path dir = temp.Path() / "out";
    model::CBook book;
    LoadBook(book, ExportBookSpec());
    const vnbview::ExportResult result = vnbview::ExportBook(book, dir, u"book.vnb", 1252);
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_EQ(result.files, 7u);
    EXPECT_EQ(Listing(dir), (std::vector<std::string>{
                                "Root/", "Root/Empty/", "Root/Note.txt", "Root/Note/", "Root/Note/Child.txt",
                                "Root/Page.htm", "Root/Rich.rtf", "Root/Web.mht", "Root/_._.._escape.txt", "Root/_CON/",
                                "Root/note (2).txt", "index.html"}));
    // Nothing next to the export folder.
    for (const std::string& entry : Listing(temp.Path()))
        EXPECT_TRUE(entry.starts_with("out/")) << entry;

    EXPECT_EQ(ReadFile(dir / "Root/Note.txt"), "text \xC3\xA9");
    EXPECT_EQ(ReadFile(dir / "Root/Rich.rtf"), "{\\rtf1 \\u233?}");
    EXPECT_TRUE(ReadFile(dir / "Root/Page.htm").starts_with("\xEF\xBB\xBF<html><head><meta charset=\"utf-8\"></head>"));
    EXPECT_EQ(ReadFile(dir / "Root/Web.mht"), "MIME-Version: 1.0\r\n");
}

TEST(Export, IndexLinksEveryNodeToWhatWasWritten)
{
    TempDir temp;
    const fs::path dir = temp.Path() / "out";
    model::CBook book;
    LoadBook(book, ExportBookSpec());
    ASSERT_TRUE(vnbview::ExportBook(book, dir, u"<book>.vnb", 1252).ok);
    const std::string index = ReadFile(dir / "index.html");
    EXPECT_NE(index.find("<title>&lt;book&gt;.vnb</title>"), std::string::npos);
    EXPECT_NE(index.find(">../../escape</a>"), std::string::npos);

    size_t links = 0;
    for (size_t at = index.find("href=\""); at != std::string::npos; at = index.find("href=\"", at + 1), ++links) {
        const size_t start = at + 6;
        const std::string target = PercentDecode(index.substr(start, index.find('"', start) - start));
        for (const fs::path& segment : fs::path(target))
            EXPECT_TRUE(segment != ".." && segment != ".") << target;
        EXPECT_TRUE(fs::exists(dir / target)) << target;
    }
    EXPECT_EQ(links, 10u);  // every page of the tree
    // Nesting: the child's list sits inside the Note item.
    EXPECT_NE(index.find("Note</a><ul>\n<li><a href=\"Root/Note/Child.txt\">Child</a></li>\n</ul>\n</li>"), std::string::npos);
}

TEST(Export, RefusesAFolderThatAlreadyHoldsSomething)
{
    TempDir temp;
    WriteBytes(temp.Path() / "keep.txt", {'k'});
    model::CBook book;
    LoadBook(book, ExportBookSpec());
    const vnbview::ExportResult result = vnbview::ExportBook(book, temp.Path(), u"b.vnb", 1252);
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.usage);
    EXPECT_EQ(Listing(temp.Path()), std::vector<std::string>{"keep.txt"});

    const fs::path path = WriteDoc(temp.Path() / "b.vnb", ExportBookSpec());
    EXPECT_EQ(RunTool({"export", path.string(), temp.Path().string()}).exitCode, 1);
    EXPECT_EQ(RunTool({"export", path.string(), (temp.Path() / "keep.txt").string()}).exitCode, 1);
}

TEST(Export, DeepAndCyclicTreesEndAndStayWithinPathLimits)
{
    std::vector<kit::PageSpec> pages = {Page(1, 1, 4, u"Root")};
    for (uint32_t id = 2; id < 60; ++id)
        pages.push_back(Page(id, id - 1, 0, std::u16string(60, u'n'), u"t"));
    pages.push_back(Page(2, 59, 0, u"loop", u"t"));  // a second page 2 under page 59
    TempDir temp;
    model::CBook book;
    LoadBook(book, BookOf(pages));
    const vnbview::ExportResult result = vnbview::ExportBook(book, temp.Path() / "out", u"b.vnb", 1252);
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_EQ(result.files, 59u);
    size_t deepest = 0;
    for (auto it = fs::recursive_directory_iterator(temp.Path() / "out"); it != fs::recursive_directory_iterator(); ++it)
        deepest = std::max(deepest, static_cast<size_t>(it.depth()));
    EXPECT_EQ(deepest, vnbview::kMaxFolderDepth);  // files sit in the deepest folder
}
