// The JSON dump: escaping, numbers that read back exactly, and the
// documented keys and shapes on kit documents.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <sstream>

#include "tests/unit/vnbview/MiniJson.h"
#include "tests/unit/vnbview/Support.h"
#include "tools/vnbview/DumpJson.h"
#include "tools/vnbview/Json.h"

using namespace vnbview_test;
using vnbview::JsonDouble;
using vnbview::JsonString;

TEST(JsonText, EscapesWhatJsonRequiresAndKeepsTheRestAsUtf8)
{
    EXPECT_EQ(JsonString(u"a\"b\\c/"), "\"a\\\"b\\\\c/\"");
    EXPECT_EQ(JsonString(u"\n\r\t\b\f"), "\"\\n\\r\\t\\b\\f\"");
    EXPECT_EQ(JsonString(std::u16string(u"\x01\x1f\x7f", 3)), "\"\\u0001\\u001f\x7f\"");
    EXPECT_EQ(JsonString(std::u16string(1, u'\0')), "\"\\u0000\"");
    EXPECT_EQ(JsonString(u"é€"), "\"\xC3\xA9\xE2\x82\xAC\"");
    EXPECT_EQ(JsonString(u"\xD83D\xDE00"), "\"\xF0\x9F\x98\x80\"");  // a pair is one character
}

TEST(JsonText, LoneSurrogatesStayAsEscapesInsteadOfBrokenUtf8)
{
    EXPECT_EQ(JsonString(u"a\xD800z"), "\"a\\ud800z\"");
    EXPECT_EQ(JsonString(u"\xDC00"), "\"\\udc00\"");
    EXPECT_EQ(JsonString(u"\xDC00\xD800"), "\"\\udc00\\ud800\"");  // wrong order: two lone halves
    EXPECT_EQ(JsonString(u"\xD800"), "\"\\ud800\"");               // high half at the very end
    // A reader gets the same code units back.
    EXPECT_EQ(ParseJson(JsonString(u"x\xDBFF\xD83D\xDE00")).string, u"x\xDBFF\xD83D\xDE00");
}

TEST(JsonNumbers, DoublesReadBackBitForBit)
{
    const double values[] = {0.0, -0.0, 0.1, 1.0 / 3.0, 46095.4375, -657434.25, 1e300, 5e-324, DBL_MAX, -DBL_MIN};
    for (double value : values) {
        const std::string text = JsonDouble(value);
        EXPECT_NO_THROW(ParseJson(text)) << text;
        const double back = std::strtod(text.c_str(), nullptr);
        EXPECT_EQ(std::memcmp(&back, &value, sizeof value), 0) << text;
    }
}

TEST(JsonNumbers, NonFiniteDatesBecomeNull)
{
    EXPECT_EQ(JsonDouble(std::numeric_limits<double>::quiet_NaN()), "null");
    EXPECT_EQ(JsonDouble(std::numeric_limits<double>::infinity()), "null");
    EXPECT_EQ(JsonDouble(-std::numeric_limits<double>::infinity()), "null");
}

namespace {

JsonValue Dump(const kit::BookSpec& written)
{
    model::CBook book;
    LoadBook(book, written);
    std::ostringstream out;
    vnbview::WriteJsonDump(book, out);
    return ParseJson(out.str());
}

kit::BookSpec RichBook()
{
    kit::PageSpec root = Page(1, 1, 4, u"Root");
    kit::PageSpec note = Page(5, 1, 0, u"Note \"one\"\xD800", u"line\r\ntab\t");
    note.flags = 0xFFFFFFFF;
    note.labelId = 7;
    note.auxValue = -1;
    note.created = kit::TimeStamp{0, 46095.4375};
    note.modified = kit::TimeStamp{2, std::numeric_limits<double>::quiet_NaN()};
    note.optionalBlock = {0x00, 0x01, 0xAB, 0xFF};
    note.childrenDescending = 1;
    kit::BookSpec book = BookOf({root, note});
    book.favourites = {5, 0xFFFFFFFF};
    book.options.value4 = -7;
    book.version = kit::ArchiveVersionSpec{3, 4, 1, 200};
    book.legend.items = {Label(0x0000FF, 0x11, 7, u"b"), Label(0, 0, -3, u"B")};
    book.legend.groups = {kit::LegendGroupSpec{9, u"group"}};
    kit::IconSpec icon;
    icon.width = icon.height = 16;
    icon.planes = 1;
    icon.bitsPerPixel = 4;
    icon.bitmaps = {kit::BitmapSpec{1, 16, 1, 0, 16, 2, {}}, kit::BitmapSpec{4, 16, 1, 0, 16, 8, {}}};
    book.icons = {kit::IconEntrySpec{9, std::nullopt, 5}, kit::IconEntrySpec{5, icon, 0}};
    book.extraInfo = {kit::ExtraInfoSpec{u"File2VornFileData", 5, {}, {}, {1, 2, 3}}, kit::ExtraInfoSpec{u"Other", -1, {}, {}, {}}};
    return book;
}

}  // namespace

TEST(JsonDump, TopLevelAndPageKeysAreExactlyTheDocumentedOnes)
{
    const JsonValue dump = Dump(RichBook());
    EXPECT_EQ(dump.Keys(), (std::vector<std::string>{"schema", "packed", "version", "protected", "save_counter",
                                                      "current_page", "book_text2", "favourites", "options", "history",
                                                      "root", "recycle_bin", "pages", "legend", "icons", "extra_info"}));
    EXPECT_EQ(dump["version"].Keys(), (std::vector<std::string>{"major", "minor", "release", "build"}));
    EXPECT_EQ(dump["options"].Keys(),
              (std::vector<std::string>{"history_switch", "optional_block", "value1", "value2", "expansion_policy", "flags",
                                        "value3", "history_limit", "text1", "text2", "value4", "value5"}));
    EXPECT_EQ(dump["pages"][0].Keys(),
              (std::vector<std::string>{"id", "parent", "kind", "title", "text", "flags", "label", "tip", "expanded",
                                        "sort_key", "descending", "sort_weight", "sort_text", "caret", "html_caret",
                                        "background", "colour", "revision", "aux_text", "aux_value", "optional_value",
                                        "optional_block", "created", "modified", "content", "attachments"}));
    EXPECT_EQ(dump["pages"][0]["content"].Keys(), (std::vector<std::string>{"leading", "code_page", "size"}));
    EXPECT_EQ(dump["history"].type, JsonValue::Type::Array);
}

TEST(JsonDump, SignedFieldsAreSignedAndUnsignedFieldsNeverNegative)
{
    const JsonValue dump = Dump(RichBook());
    EXPECT_EQ(dump["favourites"][1].numberText, "-1");  // the separator
    EXPECT_EQ(dump["options"]["value4"].numberText, "-7");
    const JsonValue& note = dump["pages"][1];
    EXPECT_EQ(note["flags"].numberText, "4294967295");
    EXPECT_EQ(note["aux_value"].numberText, "-1");
    EXPECT_EQ(note["colour"].numberText, "4278190335");  // 0xFF0000FF, state byte included
    EXPECT_EQ(note["optional_block"].string, u"0001abff000000000000000000000000");
    EXPECT_TRUE(note["descending"].boolean);
    EXPECT_EQ(dump["extra_info"][1]["page"].numberText, "-1");
    EXPECT_EQ(dump["legend"]["items"][1]["id"].numberText, "7");
    EXPECT_EQ(dump["legend"]["items"][0]["id"].numberText, "-3");
}

TEST(JsonDump, TextsTimesAndCountsComeThroughUnchanged)
{
    const JsonValue dump = Dump(RichBook());
    const JsonValue& note = dump["pages"][1];
    EXPECT_EQ(note["title"].string, u"Note \"one\"\xD800");
    EXPECT_EQ(note["text"].string, u"line\r\ntab\t");
    EXPECT_EQ(note["created"]["date"].number, 46095.4375);
    EXPECT_EQ(note["modified"]["status"].number, 2);
    EXPECT_EQ(note["modified"]["date"].type, JsonValue::Type::Null);  // NaN
    EXPECT_EQ(note["content"]["size"].number, 22);                   // 10 units and a NUL
    EXPECT_EQ(note["attachments"].number, 1);
    EXPECT_EQ(dump["extra_info"][0]["size"].number, 3);
    EXPECT_EQ(dump["root"].number, 1);
    EXPECT_EQ(dump["recycle_bin"].numberText, "-1");
}

TEST(JsonDump, LegendIsInNameOrderAndIconsInKeyOrder)
{
    const JsonValue dump = Dump(RichBook());
    const JsonValue& items = dump["legend"]["items"];
    ASSERT_EQ(items.items.size(), 2u);
    EXPECT_EQ(items[0]["name"].string, u"B");
    EXPECT_EQ(items[1]["name"].string, u"b");
    // An empty icon is still an object, with bpp 0.
    EXPECT_EQ(items[0]["icon"]["bpp"].number, 0);
    EXPECT_EQ(items[0]["icon"]["bitmaps"].items.size(), 0u);
    EXPECT_EQ(dump["legend"]["groups"][0]["value"].number, 9);

    const JsonValue& icons = dump["icons"];
    ASSERT_EQ(icons.items.size(), 2u);
    EXPECT_EQ(icons[0].Keys(), (std::vector<std::string>{"key", "icon"}));
    EXPECT_EQ(icons[0]["key"].number, 5);
    const JsonValue& mask = icons[0]["icon"]["bitmaps"][0];
    EXPECT_EQ(mask.Keys(), (std::vector<std::string>{"type", "width", "height", "width_bytes", "planes", "bits_pixel", "size"}));
    EXPECT_EQ(mask["size"].number, 64);  // rows padded to 32 bits
    EXPECT_EQ(icons[1].Keys(), (std::vector<std::string>{"key", "ref"}));
    EXPECT_EQ(icons[1]["ref"].number, 5);
}
