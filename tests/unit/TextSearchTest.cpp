// Searching a text and the notebook's pages as the Lister's search does, and
// reading the words out of RTF for it.
#include <gtest/gtest.h>

#include "components/RtfPlainText.h"
#include "model/PageTree.h"
#include "tests/unit/Helpers.h"
#include "components/TextSearch.h"
#include "components/VisibleText.h"

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

TEST(TextSearch, FindsOnlyWhatTheLinkPassesLeaveInViewAndSelectsItInTheWholeText)
{
    constexpr SearchFlags kPlain{}, kCase{true, false, false}, kWords{false, true, false}, kBack{false, false, true};
    // A reader sees "See Intro and here, Next; ab ending."
    const std::u16string_view text =
        u"See page12<Intro> and bookmark<Mark>here, Page3|a|b<Next>; abookmark<x>b endbookmark<q>ing.";
    const components::VisibleText visible(text, components::LinkPassHiddenRanges(text));
    // -1: none
    const std::tuple<std::u16string_view, size_t, SearchFlags, long, size_t> cases[] = {
        {u"bookmark", 0, kPlain, -1, 0},     {u"page1", 0, kPlain, -1, 0},      {u"Mark", 0, kPlain, -1, 0},
        {u"3|a", 0, kPlain, -1, 0},          {u"<", 0, kPlain, -1, 0},          {u">", 0, kPlain, -1, 0},
        {u"intro", 0, kPlain, 11, 5},        {u"Intro", 0, kCase, 11, 5},       {u"INTRO", 0, kCase, -1, 0},
        {u"next", 0, kWords, 52, 4},         {u"here", 37, kPlain, -1, 0},      {u"See Intro and here", 0, kPlain, 0, 40},
        {u"ab", 0, kWords, 59, 13},          {u"ab", 60, kPlain, -1, 0},        {u"ab", 72, kBack, 59, 13},
        {u"ab", 71, kBack, -1, 0},           {u"intro", 91, kBack, 11, 5},      {u"intro", 15, kBack, -1, 0},
        {u"end", 0, kPlain, 73, 3},          {u"end", 0, kWords, -1, 0},        {u"ending", 0, kWords, 73, 17},
    };
    for (const auto& [pattern, from, flags, start, length] : cases) {
        const auto match = visible.Find(pattern, from, flags);
        EXPECT_EQ(match ? static_cast<long>(match->start) : -1, start)
            << Narrow(std::u16string(pattern)) << " from " << from;
        if (match) {
            EXPECT_EQ(match->length, length) << Narrow(std::u16string(pattern));
        }
    }
    // Hidden ranges in any order, overlapping, empty or past the end; a
    // pass whose every range another pass overlaps has no lone range.
    const std::vector<components::HiddenRanges> passes = {{{8, 20}, {2, 5}}, {{7, 7}, {4, 6}}};
    EXPECT_EQ(components::LoneRanges(passes, 10), (std::vector<std::optional<size_t>>{0, std::nullopt}));
    const components::VisibleText digits(u"0123456789", passes);
    EXPECT_EQ(Narrow(digits.Text()), "0167");
    EXPECT_EQ(digits.FromWhole(5), 2u);
    EXPECT_EQ(digits.FromWhole(7), 3u);
    EXPECT_EQ(digits.FromWhole(100), 4u);
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
    spec.pages[4].text = u"{\\rtf1{\\fonttbl{\\f0 needle;}}\\f0 plain a bookmark<needle> page1|needle|<x>}";
    spec.pages[5].text = u"needle outside";
    const model::CBook book = Loaded(spec);
    const model::PageTree tree(book);
    const components::PageOrder order(tree);
    auto next = [&](uint32_t from, SearchFlags flags, std::u16string_view pattern = u"needle") {
        const model::CPage* page = order.NextWithMatch(from ? book.FindPage(from) : nullptr, pattern, flags);
        return page ? page->Id() : 0u;
    };
    EXPECT_EQ(next(0, {}), 4u) << "from the top";
    EXPECT_EQ(next(4, {}), 2u) << "the RTF page shows no needle: its font table, a bookmark, a link's head";
    EXPECT_EQ(next(2, {}), 4u) << "round the end";
    EXPECT_EQ(next(4, {false, false, true}), 2u) << "backwards, round the start";
    EXPECT_EQ(next(0, {false, false, true}), 2u);
    EXPECT_EQ(next(2, {}, u"zebra"), 2u) << "the page itself comes last";
    EXPECT_EQ(next(2, {}, u"outside"), 0u) << "pages outside the tree are not searched";
    EXPECT_EQ(next(5, {}, u"plain"), 5u);
}
