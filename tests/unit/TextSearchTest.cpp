// Searching a text and the notebook's pages as the Lister's search does, and
// reading the words out of RTF for it.
#include <gtest/gtest.h>

#include "components/RtfPlainText.h"
#include "model/PageTree.h"
#include "tests/unit/Helpers.h"
#include "components/TextSearch.h"

using namespace testing_helpers;
using components::SearchFlags;

TEST(TextSearch, FindsFromAPositionWithCaseWordsAndDirection)
{
    constexpr SearchFlags kPlain{}, kCase{true, false, false}, kWords{false, true, false}, kBack{false, false, true},
        kBackWords{false, true, true};
    const std::u16string_view text = u"Tea, tEA time; teapot. Чай и ЧАЙ";
    // -1: none
    const std::tuple<std::u16string_view, size_t, SearchFlags, long> cases[] = {
        {u"tea", 0, kPlain, 0},       {u"tea", 1, kPlain, 5},      {u"TEA", 0, kCase, -1},
        {u"tEA", 0, kCase, 5},        {u"tea", 6, kWords, -1},     {u"tea", 6, kPlain, 15},
        {u"tea", 32, kBack, 15},      {u"tea", 17, kBack, 5},      {u"tea", 17, kBackWords, 5},
        {u"tea", 7, kBack, 0},        {u"tea", 2, kBack, -1},      {u"чай", 0, kPlain, 23},
        {u"чай", 24, kPlain, 29},     {u"ЧАЙ", 0, kCase, 29},      {u"", 0, kPlain, -1},
        {u"teapot. Чай и ЧАЙ!", 0, kPlain, -1}, {u"time", 100, kPlain, -1}, {u"time", 100, kBack, 9},
    };
    for (const auto& [pattern, from, flags, start] : cases) {
        const auto match = components::FindText(text, pattern, from, flags);
        EXPECT_EQ(match ? static_cast<long>(match->start) : -1, start)
            << Narrow(std::u16string(pattern)) << " from " << from;
        if (match) {
            EXPECT_EQ(match->length, pattern.size());
        }
    }
}

TEST(TextSearch, RichTextIsSearchedInItsWordsNeverInItsMarkup)
{
    const std::tuple<std::u16string_view, const char*> cases[] = {
        {u"{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red255\\green0\\blue0;}\\f0 Hello\\par World}",
         "Hello\nWorld"},
        {u"{\\rtf1 caf\\'e9 \\u8364?\\uc2\\u8364??x {\\uc0\\u937 y}}", "caf\xC3\xA9 \xE2\x82\xAC\xE2\x82\xACx \xCE\xA9y"},
        {u"{\\rtf1 a{\\*\\unknown hidden}b{\\pict\\pngblip 89504e47}c\\tab d\\~e\\{\\}\\\\}", "abc\td\xC2\xA0" "e{}\\"},
        {u"{\\rtf1 x\\bin4 {}\\\\y}", "xy"},
        {u"{\\rtf1{\\field{\\*\\fldinst HYPERLINK \"http://a\"}{\\fldrslt link}}}", "link"},
        {u"}}}{{{{\\", ""},
    };
    for (const auto& [rtf, text] : cases)
        EXPECT_EQ(Narrow(components::RtfToPlainText(rtf)), text) << Narrow(std::u16string(rtf));
}

TEST(TextSearch, PagesFollowTheTreeOrderRoundTheEndAndBack)
{
    // The tree: Root, Folder (b, a), Zebra; page 9 is outside it.
    kit::BookSpec spec = BookOf({Page(1, 1, 4, u"Root"), Page(2, 1, 0, u"Zebra"), Page(3, 1, 4, u"Folder"),
                                 Page(4, 3, 0, u"b"), Page(5, 3, 2, u"a"), Page(9, 9, 0, u"outside")});
    spec.pages[2].childrenDescending = 1;
    spec.pages[1].text = u"needle in zebra";
    spec.pages[3].text = u"needle in b";
    spec.pages[4].text = u"{\\rtf1{\\fonttbl{\\f0 needle;}}\\f0 plain a}";
    spec.pages[5].text = u"needle outside";
    const model::CBook book = Loaded(spec);
    const model::PageTree tree(book);
    const components::PageOrder order(tree);
    auto next = [&](uint32_t from, SearchFlags flags, std::u16string_view pattern = u"needle") {
        const model::CPage* page = order.NextWithMatch(from ? book.FindPage(from) : nullptr, pattern, flags);
        return page ? page->Id() : 0u;
    };
    EXPECT_EQ(next(0, {}), 4u) << "from the top";
    EXPECT_EQ(next(4, {}), 2u) << "the RTF page's font table holds no text";
    EXPECT_EQ(next(2, {}), 4u) << "round the end";
    EXPECT_EQ(next(4, {false, false, true}), 2u) << "backwards, round the start";
    EXPECT_EQ(next(0, {false, false, true}), 2u);
    EXPECT_EQ(next(2, {}, u"zebra"), 2u) << "the page itself comes last";
    EXPECT_EQ(next(2, {}, u"outside"), 0u) << "pages outside the tree are not searched";
    EXPECT_EQ(next(5, {}, u"plain"), 5u);
}
