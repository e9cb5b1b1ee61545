// The text listings through the tool: the tree, the info summary, dates.
#include <gtest/gtest.h>

#include <limits>

#include "tests/unit/vnbview/Support.h"
#include "tools/vnbview/IndexHtml.h"
#include "tools/vnbview/OleDate.h"

using namespace vnbview_test;

TEST(TreeListing, IndentsTwoSpacesPerLevelAndKeepsControlCharactersOffTheTerminal)
{
    kit::BookSpec book = BookOf({Page(1, 1, 4, u"Root"), Page(2, 1, 0, u"Note"), Page(3, 1, 4, u"Folder"),
                                 Page(4, 3, 0, u"two\nlines\x1b[31m"), Page(9, 9, 0, u"not under the root")});
    book.extraInfo = {kit::ExtraInfoSpec{u"File2VornFileData", 2, {}, {}, {}}};
    TempDir dir;
    const RunResult run = RunTool({"tree", WriteDoc(dir.Path() / "b.vnb", book)});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out,
              "Root\n"
              "  Folder\n"
              "    two\xEF\xBF\xBDlines\xEF\xBF\xBD[31m\n"
              "  Note [Attached Files: 1]\n");
}

TEST(ControlCharacters, ReachNeitherTheTerminalNorTheIndexPage)
{
    const std::string shown = "\xEF\xBF\xBD";
    TempDir dir;
    const std::string path = WriteDoc(dir.Path() / "b.vnb", BookOf({Page(1, 1, 4, u"Root"), Page(2, 1, 0, u"N",
                                                                       u"a\r\nb\rc\td\x1b[2J\x9b\x7f")}));
    // The terminal turns each line end it is sent into CR LF.
    const RunResult onTerminal = RunTool({"cat", path, "2"}, {.typed = std::vector<std::string>{}, .stdoutToTerminal = true});
    EXPECT_EQ(onTerminal.err, "a\r\nb\r\nc\td" + shown + "[2J" + shown + shown);
    EXPECT_EQ(RunTool({"cat", path, "2"}).out, "a\r\nb\rc\td\x1b[2J\xC2\x9B\x7F") << "unchanged into a file";
    EXPECT_EQ(vnbview::HtmlEscape(u"<b>\x1b\n&\x85"), "&lt;b&gt;" + shown + shown + "&amp;" + shown);
}

TEST(Info, SummarisesTheDocument)
{
    kit::BookSpec book = BookOf({Page(1, 1, 4, u"Root"), Page(5, 1, 0, u"No\x07te"), Page(6, 9, 0, u"Lost")});
    book.version = kit::ArchiveVersionSpec{1, 2, 3, 4294967295u};  // minor and release run together
    book.favourites = {5, 0xFFFFFFFF, 77};
    book.history = {kit::MetaInfoSpec{u"PC", u"", u"ada", kit::TimeStamp{0, 46095.4375}},
                    kit::MetaInfoSpec{u"PC", u"", u"bob", kit::TimeStamp{2, 0}}};
    book.legend.items = {Label(0x0080FF, 0x11, 7, u"Urgent"), Label(0x0080FF, 0, -2, u"Plain")};
    book.extraInfo = {kit::ExtraInfoSpec{u"File2VornFileData", 5, {}, {}, {}}, kit::ExtraInfoSpec{u"Print", 1, {}, {}, {}}};
    TempDir dir;
    const RunResult run = RunTool({"info", WriteDoc(dir.Path() / "notes.vnb", book)});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out,
              "file: notes.vnb\n"
              "schema: 17\n"
              "packed: yes\n"
              "written by: Vornbook 1.23 build 4294967295\n"
              "pages: 3\n"
              "pages outside the tree: 1\n"
              "protected: no\n"
              "root: 1 Root\n"
              "recycle bin: none\n"
              "favourites: 3\n"
              "  5 No\xEF\xBF\xBDte\n"
              "  (separator)\n"
              "  77 (no such page)\n"
              "labels: 2\n"
              "  -2 Plain\n"
              "  7 Urgent colour #ff8000 bold\n"
              "attachments: 1\n"
              "extra info records: 2\n"
              "history: 2\n"
              "  2026-03-14T10:30:00 PC ada\n"
              "  null PC bob\n");
}

TEST(OleDates, ConvertOnTheGregorianCalendarWithinTheDateRange)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const std::pair<double, const char*> cases[] = {
        {0.0, "1899-12-30T00:00:00"},
        {46095.4375, "2026-03-14T10:30:00"},
        {60.0, "1900-02-28T00:00:00"},
        {61.0, "1900-03-01T00:00:00"},
        {45351.0, "2024-02-29T00:00:00"},
        {-1.25, "1899-12-29T06:00:00"},  // negative: the fraction still counts forward
        {1.5 + 1.0 / 86400000, "1899-12-31T12:00:00.001"},
        {0.9999999999, "1899-12-31T00:00:00"},  // rounds into the next day
        {-657434.0, "0100-01-01T00:00:00"},
        {2958465.5, "9999-12-31T12:00:00"},
        {-657435.0, "(none)"},
        {2958466.0, "(none)"},
        {1e300, "(none)"},
        {nan, "(none)"},
        {std::numeric_limits<double>::infinity(), "(none)"},
    };
    for (const auto& [date, iso] : cases)
        EXPECT_EQ(vnbview::OleDateToIso(date).value_or("(none)"), iso) << date;
    EXPECT_EQ(vnbview::TimeText({0, nan}), "invalid date");
    EXPECT_EQ(vnbview::TimeText({1, 46095.0}), "invalid");
    EXPECT_EQ(vnbview::TimeText({7, 46095.0}), "status 7");
}
