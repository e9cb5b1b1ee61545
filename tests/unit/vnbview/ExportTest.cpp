// Export: safe and unique names, file contents per kind, the folder layout,
// links in index.html, and that nothing lands outside the chosen folder.
#include <gtest/gtest.h>

#include <algorithm>

#include "platform/System.h"
#include "tests/unit/vnbview/Support.h"
#include "tools/vnbview/Export.h"
#include "tools/vnbview/FileNames.h"
#include "tools/vnbview/OutputFolder.h"
#include "tools/vnbview/PageFiles.h"

using namespace vnbview_test;

TEST(FileNames, SafeStemsHaveNoSeparatorsReservedCharactersOrDeviceNamesAndFitTheByteLimit)
{
    const size_t kMax = vnbview::kMaxStemBytes;
    std::u16string emoji;
    for (size_t i = 0; i < kMax / 4 + 10; ++i)
        emoji += u"\xD83D\xDE00";
    const std::pair<std::u16string, std::u16string> cases[] = {
        {u"a/b\\c:d*e?f\"g<h>i|j", u"a_b_c_d_e_f_g_h_i_j"},
        {u"tab\there\x7f\x85", u"tab_here__"},
        {u"x\xD800y\xDC00", u"x_y_"},
        {u"..", u"Untitled"},
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
        {u"Cr\u00e8me br\u00fbl\u00e9e", u"Cr\u00e8me br\u00fbl\u00e9e"},
        // Invisible format characters are left out: no name disguises its extension.
        {u"\u202Egnp.exe", u"gnp.exe"},
        {u"\u200Ba\u2066b\uFEFF\U000E0041c\u2069", u"abc"},  // U+E0041 is a tag character
        {u"\u200E CO\u200DN", u"_CON"},
        {std::u16string(kMax, u'\u00e9'), std::u16string(kMax / 2, u'\u00e9')},  // two UTF-8 bytes each
        {emoji, emoji.substr(0, kMax / 4 * 2)},                                  // whole pairs only
        {std::u16string(kMax - 1, u'a') + u" b", std::u16string(kMax - 1, u'a')},  // no blank left at the cut
    };
    for (const auto& [title, stem] : cases)
        EXPECT_EQ(vnbview::SafeStem(title), stem) << fs::path(title).string();
}

TEST(FileNames, NamesInOneFolderStayUniqueAsTheFileSystemFoldsThem)
{
    struct Claim {
        std::u16string stem, extension, name;
    };
    const std::pair<vnbview::NameFold, std::vector<Claim>> folders[] = {
        {platform::ToLower,
         {{u"Note", u"txt", u"Note"}, {u"note", u"rtf", u"note (2)"},  // the folder "note" is taken with the file
          {u"NOTE", u"txt", u"NOTE (3)"}, {u"Note (2)", u"txt", u"Note (2) (2)"},
          {u"Note.txt", u"", u"Note.txt (2)"},  // a folder named like a file
          {u"index.html", u"", u"index.html (2)"}, {u"\u03c3", u"txt", u"\u03c3"}, {u"\u03c2", u"txt", u"\u03c2"},
          {u"\u212a", u"txt", u"\u212a"}, {u"k", u"txt", u"k (2)"}}},  // the Kelvin sign lower-cases to k
        // As Windows compares: the small sigmas meet in one capital, the micro sign and mu in another.
        {platform::ToUpper,
         {{u"\u03c3", u"txt", u"\u03c3"}, {u"\u03c2", u"txt", u"\u03c2 (2)"}, {u"\u00b5", u"txt", u"\u00b5"},
          {u"\u03bc", u"rtf", u"\u03bc (2)"}, {u"\u212a", u"txt", u"\u212a"}, {u"k", u"txt", u"k"},
          {u"index.html", u"", u"index.html (2)"}}},
    };
    for (const auto& [fold, claims] : folders) {
        vnbview::FolderNames names(fold);
        names.Reserve(u"INDEX.HTML");
        for (const Claim& claim : claims)
            EXPECT_EQ(names.Claim(claim.stem, claim.extension), claim.name) << fs::path(claim.stem).string();
    }
}

TEST(OutputFolder, WindowsPathsTakeTheirLongForm)
{
    for (const auto& [full, longForm] : std::initializer_list<std::pair<std::u16string, std::u16string>>{
             {u"C:\\out", u"\\\\?\\C:\\out"},
             {u"\\\\server\\share\\out", u"\\\\?\\UNC\\server\\share\\out"},
             {u"\\\\?\\C:\\out", u"\\\\?\\C:\\out"},
             {u"\\\\.\\pipe\\x", u"\\\\.\\pipe\\x"}})
        EXPECT_EQ(vnbview::LongPathForm(full), longForm) << fs::path(full).string();
}

TEST(PageFiles, HtmlDeclaresUtf8InItsHeadElseAfterHtmlElseAfterADoctypeElseFirst)
{
    const std::u16string meta = u"<meta charset=\"utf-8\">";
    const std::pair<std::u16string, std::u16string> cases[] = {
        {u"<!DOCTYPE html><HTML><Head lang=x><title>\u00e9</title></head>",
         u"<!DOCTYPE html><HTML><Head lang=x>" + meta + u"<title>\u00e9</title></head>"},
        {u"<html><header>h</header></html>", u"<html>" + meta + u"<header>h</header></html>"},
        {u"<!doctype html><p>x", u"<!doctype html>" + meta + u"<p>x"},
        {u"x<head>", u"x<head>" + meta},
        {u"<head", meta + u"\n<head"},  // no tag without its end
        {u"plain", meta + u"\nplain"},
    };
    for (const auto& [html, declared] : cases)
        EXPECT_EQ(vnbview::WithUtf8Declaration(html), declared) << fs::path(html).string();
}

namespace {

// Everything below `dir`, as sorted relative paths; folders end in '/'.
std::vector<std::string> Listing(const fs::path& dir)
{
    std::vector<std::string> entries;
    for (const auto& entry : fs::recursive_directory_iterator(dir))
        entries.push_back(fs::relative(entry.path(), dir).string() + (entry.is_directory() ? "/" : ""));
    std::sort(entries.begin(), entries.end());
    return entries;
}

}  // namespace

TEST(Export, MirrorsTheTreeInsideTheFolderWithAnIndexOfLinks)
{
    TempDir source, temp;
    const std::string doc = WriteDoc(source.Path() / "<book>.vnb",
                                     BookOf({
                                         Page(1, 1, 4, u"Root"),
                                         Page(2, 1, 0, u"Note", u"text \u00e9 <b> see page6<the rich page>"),
                                         Page(3, 2, 0, u"Child", u"child"),
                                         Page(4, 1, 0, u"note", u"same name"),
                                         Page(5, 1, 0, u"../../escape", u"x"),
                                         Page(6, 1, 2, u"Rich", u"{\\rtf1 \u00e9{\\uc0 \u0416}\\\u0416\\bin1 \u00ff{\\b page9<folder>}{\\pict\\wmetafile8 0100}}"),
                                         Page(7, 1, 3, u"Page", u"<html><head></head><body>\u00e9</body></html>"),
                                         Page(8, 1, 1, u"Web", u"MIME-Version: 1.0\r\n\u00e9 \u0416"),
                                         Page(9, 1, 4, u"Empty"),
                                         Page(10, 1, 4, u"CON"),
                                     }));
    const fs::path dir = temp.Path() / "out";
    const RunResult run = RunTool({"export", doc, dir.string()});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(Listing(temp.Path()),
              (std::vector<std::string>{"out/", "out/Root/", "out/Root/Empty/", "out/Root/Note.html", "out/Root/Note.txt",
                                        "out/Root/Note/", "out/Root/Note/Child.html", "out/Root/Note/Child.txt",
                                        "out/Root/Page.htm", "out/Root/Rich.html", "out/Root/Rich.picture1.wmf",
                                        "out/Root/Rich.rtf", "out/Root/Web.mht", "out/Root/_._.._escape.html",
                                        "out/Root/_._.._escape.txt", "out/Root/_CON/", "out/Root/note (2).html",
                                        "out/Root/note (2).txt", "out/index.html"}));
    EXPECT_EQ(ReadFile(dir / "Root/Note.txt"), "text \xC3\xA9 <b> see page6<the rich page>");
    // Rich text and web archives as the viewer encodes them: bytes of the code page stay bytes.
    EXPECT_EQ(ReadFile(dir / "Root/Rich.rtf"),
              "{\\rtf1 \\'e9{\\uc0 \\u1046 }\\u1046?\\bin1 \xFF{\\b page9<folder>}{\\pict\\wmetafile8 0100}}");
    EXPECT_EQ(ReadFile(dir / "Root/Rich.picture1.wmf"), std::string("\x01\x00", 2));
    // Rich and plain text as HTML pages: escaped, page links leading to the
    // exported page or folder, a link back to the index.
    const std::string note = ReadFile(dir / "Root/Note.html"), rich = ReadFile(dir / "Root/Rich.html");
    for (const auto& [html, piece] : std::initializer_list<std::pair<std::string, std::string>>{
             {note, "<a href=\"../index.html\">"},
             {note, ">text \xC3\xA9 &lt;b&gt; see </span><a href=\"../Root/Rich.html\"><span class=\"c0\">the rich page</span></a></p>"},
             {rich, "<a href=\"../Root/Empty/\"><span class=\"c1\">folder</span></a>"},
             {rich, ".c1{font-size:12pt;font-weight:bold;}"},
             {rich, "href=\"Rich.picture1.wmf\">wmf picture</a>"}})
        EXPECT_NE(html.find(piece), std::string::npos) << piece << "\n" << html;
    EXPECT_TRUE(ReadFile(dir / "Root/Page.htm").starts_with("\xEF\xBB\xBF<html><head><meta charset=\"utf-8\"></head>"));
    EXPECT_EQ(ReadFile(dir / "Root/Web.mht"), "MIME-Version: 1.0\r\n\xE9 &#1046;");

    // Every node links to what was written for it, its place in the tree kept.
    EXPECT_EQ(ReadFile(dir / "index.html"), ReadFile(VNBVIEW_GOLDEN_DIR "/index.html"));
}

TEST(Export, RefusesAFolderThatAlreadyHoldsSomething)
{
    TempDir temp;
    const std::string doc = WriteDoc(temp.Path() / "b.vnb", SmallBook());
    for (const std::string& target : {temp.Path().string(), doc}) {
        const RunResult run = RunTool({"export", doc, target});
        EXPECT_EQ(run.exitCode, 1) << target;
        EXPECT_EQ(run.err, "vnbview: export folder must be new or empty: " + target + "\n");
    }
    EXPECT_EQ(Listing(temp.Path()), std::vector<std::string>{"b.vnb"});
}

TEST(Export, DeepAndCyclicTreesEndAndStayWithinPathLimits)
{
    std::vector<kit::PageSpec> pages = {Page(1, 1, 4, u"Root")};
    for (uint32_t id = 2; id < 60; ++id)
        pages.push_back(Page(id, id - 1, 0, std::u16string(60, u'n'), u"t"));
    pages.push_back(Page(2, 59, 0, u"loop", u"t"));  // a second page 2 under page 59
    TempDir temp;
    const fs::path dir = temp.Path() / "out";
    ASSERT_EQ(RunTool({"export", WriteDoc(temp.Path() / "b.vnb", BookOf(pages)), dir.string()}).exitCode, 0);
    size_t files = 0, deepest = 0;
    for (auto it = fs::recursive_directory_iterator(dir); it != fs::recursive_directory_iterator(); ++it) {
        files += it->is_regular_file() && it->path().extension() == ".txt";
        deepest = std::max(deepest, static_cast<size_t>(it.depth()));
    }
    EXPECT_EQ(files, 59u);
    EXPECT_EQ(deepest, vnbview::kMaxFolderDepth);  // files sit in the deepest folder
}

TEST(Export, PagesOutsideTheTreeGoIntoAFolderOfTheirOwn)
{
    // A missing parent and a second top-level page.
    const kit::BookSpec book = BookOf({Page(1, 1, 4, u"Root"), Page(2, 1, 0, u"Note", u"n"),
                                       Page(5, 9, 0, u"Lost", u"l"), Page(6, 6, 0, u"Top", u"t")});
    TempDir temp;
    const fs::path dir = temp.Path() / "out";
    const RunResult run = RunTool({"export", WriteDoc(temp.Path() / "b.vnb", book), dir.string()});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, "vnbview: 2 pages are not in the tree; they are in the folder \"Not in the tree\"\n");
    EXPECT_EQ(ReadFile(dir / "Not in the tree" / "Lost.txt"), "l");
    EXPECT_EQ(ReadFile(dir / "Not in the tree" / "Top.txt"), "t");
    EXPECT_NE(ReadFile(dir / "index.html").find("Not%20in%20the%20tree/Lost.html"), std::string::npos);
}

TEST(Export, WriteFailuresExitFourNamingTheFileAndTheSystemsReason)
{
    TempDir temp;
    std::vector<kit::PageSpec> many = {Page(1, 1, 4, u"Root")};
    for (uint32_t id = 2; id < 200; ++id)
        many.push_back(Page(id, 1, 0, u"Page", u"p"));
    const std::string smallPages = WriteDoc(temp.Path() / "many.vnb", BookOf(many));
    const std::string bigPage = WriteDoc(temp.Path() / "big.vnb",
                                         BookOf({Page(1, 1, 4, u"Root"), Page(2, 1, 0, u"Big", std::u16string(20000, u'x'))}));
    WriteBytes(temp.Path() / "file", {'x'});
    const std::string t = temp.Path().string();
    const struct {
        std::vector<std::string> args;
        RunSetup setup;
        std::string err;
    } cases[] = {
        {{"export", bigPage, t + "/file/out"}, {}, "cannot create " + t + "/file/out: Not a directory"},
        // As root a read-only folder is no obstacle: a file size limit stands in for a full disk.
        {{"export", bigPage, t + "/a"}, {.fileSizeLimit = 8192}, "cannot write " + t + "/a/Root/Big.txt: File too large"},
        {{"export", smallPages, t + "/b"}, {.fileSizeLimit = 8192}, "cannot write " + t + "/b/index.html: File too large"},
        {{"tree", smallPages}, {.stdoutPath = "/dev/full"}, "cannot write to standard output"},
        {{"--help"}, {.stdoutPath = "/dev/full"}, "cannot write to standard output"},
    };
    for (const auto& c : cases) {
        const RunResult run = RunTool(c.args, c.setup);
        EXPECT_EQ(run.exitCode, 4) << c.err;
        EXPECT_EQ(run.err, "vnbview: " + c.err + "\n");
    }
}

TEST(Export, MakesOnlyNewNamesAndFollowsNoLinkPlantedThere)
{
    TempDir temp;
    const fs::path elsewhere = temp.Path() / "elsewhere";
    fs::create_directory(elsewhere);
    fs::create_symlink(elsewhere / "victim", temp.Path() / "Note.txt");  // leads nowhere yet
    fs::create_directory_symlink(elsewhere, temp.Path() / "Sub");
    std::error_code error;
    const vnbview::OutputFolder folder = vnbview::OutputFolder::Open(temp.Path(), error);
    ASSERT_FALSE(error);
    for (const char16_t* name : {u"Note.txt", u"Sub", u"elsewhere"}) {
        std::error_code fileError, folderError;
        folder.MakeFile(name, fileError);
        folder.MakeFolder(name, folderError);
        EXPECT_EQ(fileError, std::errc::file_exists);
        EXPECT_EQ(folderError, std::errc::file_exists);
    }
    EXPECT_TRUE(fs::is_empty(elsewhere));

    vnbview::NewFile file = folder.MakeFolder(u"New", error).MakeFile(u"f.txt", error);
    ASSERT_FALSE(error);
    EXPECT_FALSE(file.Write("data"));
    EXPECT_FALSE(file.Close());
    EXPECT_EQ(ReadFile(temp.Path() / "New" / "f.txt"), "data");
}
