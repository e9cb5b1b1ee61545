// The JSON dump: string escapes, numbers that read back exactly, and the
// whole dump of a small book against the text in golden/small.json.
#include <gtest/gtest.h>

#include <cfloat>
#include <cstring>
#include <limits>

#include "tests/unit/vnbview/Support.h"
#include "tools/vnbview/Json.h"

using namespace vnbview_test;

TEST(JsonText, EscapesControlCharactersAndLoneSurrogatesAndWritesTheRestAsUtf8)
{
    const std::pair<std::u16string, std::string> cases[] = {
        {u"a\"b\\c/", R"("a\"b\\c/")"},
        {u"\n\r\t\b\f", R"("\n\r\t\b\f")"},
        {std::u16string(u"\0\x01\x1f\x7f\x9b", 5), R"("\u0000\u0001\u001f\u007f\u009b")"},
        {u"\u00e9\u20ac", "\"\xC3\xA9\xE2\x82\xAC\""},
        {u"\xD83D\xDE00", "\"\xF0\x9F\x98\x80\""},  // a pair is one character
        {u"a\xD800z", R"("a\ud800z")"},
        {u"\xDC00\xD800", R"("\udc00\ud800")"},                  // wrong order: two lone halves
        {u"\xD800", R"("\ud800")"},                              // high half at the very end
        {u"\xDBFF\xD83D\xDE00", "\"\\udbff\xF0\x9F\x98\x80\""},  // a lone half, then a pair
    };
    for (const auto& [text, json] : cases)
        EXPECT_EQ(vnbview::JsonString(text), json) << json;
}

TEST(JsonNumbers, DoublesReadBackBitForBitAndNonFiniteOnesAreNull)
{
    const double values[] = {0.0, -0.0, 0.1, 1.0 / 3.0, 46095.4375, -657434.25, 1e300, 5e-324, DBL_MAX, -DBL_MIN};
    for (double value : values) {
        const std::string text = vnbview::JsonDouble(value);
        const double back = std::strtod(text.c_str(), nullptr);
        EXPECT_EQ(std::memcmp(&back, &value, sizeof value), 0) << text;
    }
    for (double value : {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
                         -std::numeric_limits<double>::infinity()})
        EXPECT_EQ(vnbview::JsonDouble(value), "null");
}

namespace {

// Every record kind once, with values that tell signed from unsigned
// fields, text that needs escapes, a NaN date and icons out of key order.
kit::BookSpec GoldenBook()
{
    kit::PageSpec note = Page(5, 1, 0, u"Note \"one\"\xD800", u"line\r\ntab\t");
    note.flags = 0xFFFFFFFF;
    note.labelId = 7;
    note.auxValue = -1;
    note.created = kit::TimeStamp{0, 46095.4375};
    note.modified = kit::TimeStamp{2, std::numeric_limits<double>::quiet_NaN()};
    note.optionalBlock = {0x00, 0x01, 0xAB, 0xFF};
    note.childrenDescending = 1;
    note.tipText = kit::PageText(u"tip");
    note.auxText1 = kit::PageText(u"aux");
    note.sortText = u"sort";
    note.expanded = 2, note.childSortKey = 3, note.sortWeight = 4, note.caretPosition = 5, note.htmlCaretPosition = 6;
    note.backgroundColour = 7, note.pageColour = 8, note.revision = 9, note.optionalValue = 10;
    note.leadingValue = 11, note.codePage = 1252;
    kit::BookSpec book = BookOf({Page(1, 1, 4, u"Root"), note});
    book.favourites = {5, 0xFFFFFFFF};
    book.saveCounter = 4;
    book.currentPage = 5;
    book.bookText2 = u"text2";
    // leading, dropped, dropped, value1, optional block, dropped, history switch, value2, texts, history limit,
    // value4, value5, value3, flags, expansion policy
    book.options = {2, 0, 0, 11, 12, 0, 13, 14, u"t1", u"t2", 15, -7, 16, 17, 1, 18};
    book.version = kit::ArchiveVersionSpec{3, 4, 1, 200};
    book.history = {kit::MetaInfoSpec{u"PC", u"", u"ada", kit::TimeStamp{0, 46095.4375}}};
    book.legend.items = {Label(0x0000FF, 0x11, 7, u"b"), Label(0, 0, -3, u"B")};
    book.legend.groups = {kit::LegendGroupSpec{9, u"group"}};
    const kit::IconSpec icon{16, 16, 1, 4, {kit::BitmapSpec{1, 16, 1, 0, 16, 2, {}}, kit::BitmapSpec{4, 16, 1, 0, 16, 8, {}}}};
    book.icons = {kit::IconEntrySpec{9, std::nullopt, 5}, kit::IconEntrySpec{5, icon, 0}};
    book.extraInfo = {kit::ExtraInfoSpec{u"File2VornFileData", 5, {}, {}, {1, 2, 3}},
                      kit::ExtraInfoSpec{u"Other", -1, {}, {}, {}}};
    return book;
}

}  // namespace

TEST(JsonDump, ASmallBookDumpsAsTheExpectedText)
{
    TempDir dir;
    const RunResult run = RunTool({"dump", "--json", WriteDoc(dir.Path() / "small.vnb", GoldenBook())});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, "");
    const std::string expected = ReadFile(VNBVIEW_GOLDEN_DIR "/small.json");
    EXPECT_EQ(run.out, expected);
    if (run.out != expected)  // to compare by hand, and to replace the file once checked
        std::ofstream("small.actual.json", std::ios::binary) << run.out;
}
