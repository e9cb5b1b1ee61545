// The text listings: tree order and indentation, the info summary, dates.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <sstream>

#include "tests/unit/vnbview/Support.h"
#include "tools/vnbview/Info.h"
#include "tools/vnbview/OleDate.h"
#include "tools/vnbview/Tree.h"

using namespace vnbview_test;

namespace {

std::string TreeOf(const kit::BookSpec& written)
{
    model::CBook book;
    LoadBook(book, written);
    std::ostringstream out;
    vnbview::WriteTree(book, out);
    return out.str();
}

}  // namespace

TEST(TreeListing, ShowsTheRootsSubtreeInViewerOrderWithTwoSpacesPerLevel)
{
    kit::BookSpec book = BookOf({
        Page(1, 1, 4, u"Root"),
        Page(7, 5, 0, u"old"),  // children may come before their parents
        Page(3, 1, 0, u"beta"),
        Page(5, 1, 5, u"Bin"),
        Page(2, 1, 0, u" Alpha"),
        Page(4, 1, 4, u"Folder"),
        Page(9, 9, 0, u"second top-level page"),  // not under the root: not shown
        Page(6, 4, 0, u"zeta"),
    });
    book.extraInfo = {kit::ExtraInfoSpec{u"File2VornFileData", 2, {}, {}, {}},
                      kit::ExtraInfoSpec{u"file2vornfiledata", 3, {}, {}, {}}};
    // Folders first, the bin last, titles compared folded and trimmed.
    EXPECT_EQ(TreeOf(book),
              "Root\n"
              "  Folder\n"
              "    zeta\n"
              "   Alpha [Attached Files: 1]\n"
              "  beta\n"
              "  Bin\n"
              "    old\n");
}

TEST(TreeListing, DescendingKeyOfTheParentReversesItsChildrenOnly)
{
    kit::PageSpec root = Page(1, 1, 4, u"Root");
    root.childSortKey = 7;  // sort weight, larger first
    root.childrenDescending = 1;
    kit::PageSpec heavy = Page(2, 1, 0, u"heavy");
    heavy.sortWeight = 10;
    kit::PageSpec light = Page(3, 1, 0, u"light");
    light.sortWeight = 1;
    EXPECT_EQ(TreeOf(BookOf({root, heavy, light})), "Root\n  light\n  heavy\n");
}

TEST(TreeListing, ControlCharactersInTitlesCannotBreakLinesOrReachTheTerminal)
{
    const std::string tree = TreeOf(BookOf({Page(1, 1, 4, u"Root"), Page(2, 1, 0, u"two\nlines\x1b[31m")}));
    EXPECT_EQ(tree, "Root\n  two\xEF\xBF\xBDlines\xEF\xBF\xBD[31m\n");
}

TEST(TreeListing, CyclicParentLinksEnd)
{
    // Page 2 appears twice; the second copy hangs below page 3, which hangs
    // below the first copy: a loop through identifiers.
    const std::string tree = TreeOf(BookOf({Page(1, 1, 4, u"Root"), Page(2, 1, 4, u"A"), Page(3, 2, 4, u"B"), Page(2, 3, 4, u"C")}));
    EXPECT_EQ(tree, "Root\n  A\n    B\n      C\n");
}

TEST(TreeListing, BookWithoutRootPrintsNothing)
{
    EXPECT_EQ(TreeOf(BookOf({Page(2, 2, 0, u"only id 2 is top-level")})), "");
}

TEST(Info, WriterVersionRunsMinorAndReleaseTogether)
{
    EXPECT_EQ(vnbview::WriterVersionText({3, 4, 1, 200}), "Vornbook 3.41 build 200");
    EXPECT_EQ(vnbview::WriterVersionText({2, 1, 5, 300}), "Vornbook 2.15 build 300");
    EXPECT_EQ(vnbview::WriterVersionText({1, 2, 3, 4294967295u}), "Vornbook 1.23 build 4294967295");
}

TEST(Info, SummarisesTheDocument)
{
    kit::BookSpec written = BookOf({Page(1, 1, 4, u"Root"), Page(5, 1, 0, u"Note")});
    written.favourites = {5, 0xFFFFFFFF, 77};
    written.history = {kit::MetaInfoSpec{u"PC", u"", u"ada", kit::TimeStamp{0, 46095.4375}},
                    kit::MetaInfoSpec{u"PC", u"", u"bob", kit::TimeStamp{2, 0}}};
    written.legend.items = {Label(0x0000FF, 0x11, 7, u"Urgent")};
    written.extraInfo = {kit::ExtraInfoSpec{u"File2VornFileData", 5, {}, {}, {}}, kit::ExtraInfoSpec{u"Print", 1, {}, {}, {}}};
    model::CBook book;
    LoadBook(book, written);
    std::ostringstream out;
    vnbview::WriteInfo(book, u"notes.vnb", out);
    EXPECT_EQ(out.str(),
              "file: notes.vnb\n"
              "schema: 17\n"
              "packed: yes\n"
              "written by: Vornbook 6.12 build 418\n"
              "pages: 2\n"
              "protected: no\n"
              "root: 1 Root\n"
              "recycle bin: none\n"
              "favourites: 3\n"
              "  5 Note\n"
              "  (separator)\n"
              "  77 (no such page)\n"
              "labels: 1\n"
              "  7 Urgent colour #ff0000 bold\n"
              "attachments: 1\n"
              "extra info records: 2\n"
              "history: 2\n"
              "  2026-03-14T10:30:00 PC ada\n"
              "  null PC bob\n");
}

TEST(OleDates, ConvertOnTheGregorianCalendarFromTheEpoch)
{
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
    };
    for (const auto& [date, iso] : cases)
        EXPECT_EQ(vnbview::OleDateToIso(date).value_or("(none)"), iso) << date;
}

TEST(OleDates, OutOfRangeOrNotANumberIsNotADate)
{
    for (double date : {-657435.0, 2958466.0, 1e300, std::numeric_limits<double>::quiet_NaN(),
                        std::numeric_limits<double>::infinity()})
        EXPECT_FALSE(vnbview::OleDateToIso(date)) << date;
    EXPECT_EQ(vnbview::TimeText({0, std::numeric_limits<double>::quiet_NaN()}), "invalid date");
    EXPECT_EQ(vnbview::TimeText({1, 46095.0}), "invalid");
    EXPECT_EQ(vnbview::TimeText({7, 46095.0}), "status 7");
}
