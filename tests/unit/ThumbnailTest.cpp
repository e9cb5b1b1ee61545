// What a notebook's thumbnail card says and how large it is drawn.
#include <gtest/gtest.h>

#include "core/thumbnail/CardContent.h"
#include "core/thumbnail/CardLayout.h"
#include "docfile/ByteSource.h"
#include "tests/unit/Helpers.h"

using kit::Page;
using testing_helpers::Narrow;

namespace {

// Counts what the reader takes.
class CountingSource final : public docfile::ByteSource {
public:
    explicit CountingSource(const std::vector<uint8_t>& bytes) : inner_(bytes.data(), bytes.size()) {}
    size_t Read(void* dst, size_t n) override
    {
        const size_t got = inner_.Read(dst, n);
        taken += got;
        return got;
    }
    uint64_t Remaining() const override { return inner_.Remaining(); }
    size_t taken = 0;

private:
    docfile::MemorySource inner_;
};

std::optional<core::CardContent> Card(const std::vector<uint8_t>& bytes, std::function<bool()> expired = [] { return false; })
{
    CountingSource source(bytes);
    return core::ReadCardContent(source, expired);
}

std::vector<std::string> Lines(const core::CardContent& card)
{
    std::vector<std::string> lines;
    for (const std::u16string& line : card.lines)
        lines.push_back(Narrow(line));
    return lines;
}

}  // namespace

TEST(CardContent, TheRootTitleThePageCountAndTheFirstTextPageOutsideTheRecycleBin)
{
    const kit::PageSpec root = Page(1, 1, 4, u"Notes");
    struct Case {
        const char* what;
        std::vector<kit::PageSpec> pages;
        std::vector<std::string> lines;
    } cases[] = {
        {"plain", {root, Page(3, 1, 4, u"Folder"), Page(4, 3, 0, u"A", u"first\r\n\r\n\tsecond  \rthird")},
         {"first", " second", "third"}},
        {"rich", {root, Page(4, 1, 2, u"A", u"{\\rtf1 Hello\\par World}")}, {"Hello", "World"}},
        {"markup hidden", {root, Page(4, 1, 0, u"A", u"bookmark<top>See page2<Intro>.")}, {"See Intro."}},
        {"a rich root", {Page(1, 1, 2, u"Notes", u"{\\rtf1 Root}"), Page(4, 1, 0, u"A", u"a")}, {"Root"}},
        {"binned and blank pages skipped",
         {root, Page(5, 1, 5, u"Bin"), Page(6, 5, 4, u"Old"), Page(7, 6, 0, u"Gone", u"deleted"),
          Page(8, 1, 3, u"Web", u"<p>html</p>"), Page(9, 1, 0, u"Empty", u" \r\n"), Page(10, 1, 0, u"B", u"kept")},
         {"kept"}},
        {"no text", {root, Page(3, 1, 4, u"Folder")}, {}},
    };
    for (const Case& c : cases)
        for (const kit::DocumentOptions& options : {kit::DocumentOptions{.packed = true}, kit::DocumentOptions{.packed = false},
                                                    kit::DocumentOptions{.schemas = {.book = 12, .options = 12}}}) {
            const std::optional<core::CardContent> card = Card(kit::WriteDocument(kit::BookOf(c.pages), options));
            ASSERT_TRUE(card) << c.what;
            EXPECT_EQ(Narrow(card->title), "Notes") << c.what;
            EXPECT_EQ(card->pageCount, c.pages.size()) << c.what;
            EXPECT_EQ(Lines(*card), c.lines) << c.what << " at schema " << options.schemas.book;
        }
}

TEST(CardContent, NothingForProtectedBrokenOrSlowNotebooksAndNoReadingPastTheFirstTextPage)
{
    const std::u16string longText(200000, u'x');
    std::vector<kit::PageSpec> pages = {Page(1, 1, 4, u"Notes"), Page(2, 1, 0, u"A", u"first"),
                                        Page(3, 1, 0, u"Long", longText)};
    const std::vector<uint8_t> plain = kit::WriteDocument(kit::BookOf(pages), {.packed = false});
    CountingSource source(plain);
    ASSERT_TRUE(core::ReadCardContent(source, [] { return false; }));
    EXPECT_LT(source.taken, 10000u) << "of " << plain.size();
    int asked = 0;
    const std::vector<uint8_t> longFirst =
        kit::WriteDocument(kit::BookOf({pages[0], Page(3, 1, 3, u"Long", longText), pages[1]}), {.packed = false});
    EXPECT_TRUE(Card(longFirst));
    EXPECT_FALSE(Card(longFirst, [&] { return ++asked > 1; })) << "time ran out inside a page";

    EXPECT_FALSE(Card(kit::WriteDocument(kit::BookOf(pages), {.password = u"secret"})));
    EXPECT_FALSE(Card({plain.begin(), plain.begin() + 60}));
    EXPECT_FALSE(Card(kit::WriteDocument(kit::BookOf(pages), {.packedLength = 0x7FFFFFFF})));
    EXPECT_FALSE(Card(plain, [] { return true; }));
}

TEST(CardContent, FirstLinesAreNonBlankCutToTheirLengthAndNeverHalfACharacter)
{
    const std::u16string many = u"1\n2\n3\n4";
    EXPECT_EQ(core::FirstLines(many, 3, 10), (std::vector<std::u16string>{u"1", u"2", u"3"}));
    EXPECT_EQ(core::FirstLines(u"abcdef\r\n\r\n  \r\nxy  ", 5, 4), (std::vector<std::u16string>{u"abcd", u"xy"}));
    EXPECT_EQ(core::FirstLines(u"ab\U0001F600c", 5, 3), (std::vector<std::u16string>{u"ab"}));
    EXPECT_EQ(core::FirstLines(u"a\tb\x01", 5, 10), (std::vector<std::u16string>{u"a b"}));
}

TEST(CardLayout, UprightThreeByFourNeverLargerThanAskedAndScaledWithItsHeight)
{
    const std::tuple<int, int, std::optional<core::CardLayout>> cases[] = {
        {200, 200, core::CardLayout{150, 200, 9, 20, 12, 11}},
        {90, 200, core::CardLayout{90, 120, 5, 12, 7, 6}},
        {4, 4, core::CardLayout{3, 4, 1, 1, 1, 1}},
        {1, 100, std::nullopt},
        {0, 100, std::nullopt},
        {100, -1, std::nullopt},
        {2147483647, 2147483647, core::CardLayout{1536, 2048, 96, 204, 128, 113}},
    };
    for (const auto& [width, height, expected] : cases)
        EXPECT_EQ(core::LayOutCard(width, height), expected) << width << "x" << height;
}
