// Searching a text and the notebook's pages as the Lister's search does, and
// reading the words out of RTF for it.
#include <gtest/gtest.h>

#include "core/search/SearchRound.h"
#include "core/search/TextSearch.h"
#include "core/search/VisibleText.h"
#include "richtext/PlainText.h"
#include "richtext/RtfReader.h"
#include "tests/unit/Helpers.h"

#include <map>

using namespace testing_helpers;
using core::SearchFlags;

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
        {text, 0, kPlain, 0},         {u"tea", 3, kBack, 0},       {u"ea", 0, kWords, -1},
    };
    for (const auto& [pattern, from, flags, start] : cases) {
        const auto match = core::FindText(text, pattern, from, flags);
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
    const core::VisibleText visible(text, core::LinkPassHiddenRanges(text));
    // -1: none
    const std::tuple<std::u16string_view, size_t, SearchFlags, long, size_t> cases[] = {
        {u"bookmark", 0, kPlain, -1, 0},     {u"page1", 0, kPlain, -1, 0},      {u"Mark", 0, kPlain, -1, 0},
        {u"3|a", 0, kPlain, -1, 0},          {u"<", 0, kPlain, -1, 0},          {u">", 0, kPlain, -1, 0},
        {u"intro", 0, kPlain, 11, 5},        {u"Intro", 0, kCase, 11, 5},       {u"INTRO", 0, kCase, -1, 0},
        {u"next", 0, kWords, 52, 4},         {u"here", 37, kPlain, -1, 0},      {u"See Intro and here", 0, kPlain, 0, 40},
        {u"ab", 0, kWords, 59, 13},          {u"ab", 60, kPlain, -1, 0},        {u"ab", 72, kBack, 59, 13},
        {u"ab", 71, kBack, -1, 0},           {u"intro", 91, kBack, 11, 5},      {u"intro", 15, kBack, -1, 0},
        {u"end", 0, kPlain, 73, 3},          {u"end", 0, kWords, -1, 0},        {u"ending", 0, kWords, 73, 17},
        {u"ing.", 91, kBack, 87, 4},
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
    const std::vector<core::HiddenRanges> passes = {{{8, 20}, {2, 5}, {0, 1}}, {{7, 7}, {4, 6}}};
    EXPECT_EQ(core::LoneRanges(passes, 10), (std::vector<std::optional<size_t>>{0, std::nullopt}));
    const core::VisibleText digits(u"0123456789", passes);
    EXPECT_EQ(Narrow(digits.Text()), "167");
    EXPECT_EQ(digits.FromWhole(0), 0u);
    EXPECT_EQ(digits.FromWhole(5), 1u);
    EXPECT_EQ(digits.FromWhole(7), 2u);
    EXPECT_EQ(digits.FromWhole(100), 3u);
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
        EXPECT_EQ(Narrow(richtext::PlainText(richtext::ReadRtf(rtf))), text) << Narrow(std::u16string(rtf));
}

// The round as a front end drives it: the pages it shows and the text it
// selects. A page shows its text as the order reads it unless `shows` says
// otherwise; the HTML page shows in a browser.
class ShownBook final : public core::SearchView {
public:
    explicit ShownBook(const model::CBook& book) : book_(book) {}
    const model::CPage* ShownPage() const override { return shown_; }
    std::optional<core::VisibleText> ShownText() override
    {
        if (!shown_ || shown_->Kind() == model::kHtml)
            return std::nullopt;
        const auto other = shows.find(shown_->Id());
        text_ = other != shows.end() ? other->second : core::SearchableText(*shown_);
        return core::VisibleText(text_, core::LinkPassHiddenRanges(text_));
    }
    core::TextRange Selection() const override { return selection; }
    void Select(const core::TextMatch& match) override { selection = {match.start, match.start + match.length}; }
    void ShowPage(const model::CPage& page) override
    {
        Show(page.Id());
        log += std::to_string(page.Id());
    }
    void Show(uint32_t id)
    {
        shown_ = book_.FindPage(id);
        selection = {};
    }

    std::map<uint32_t, std::u16string> shows;
    core::TextRange selection;
    std::string log;  // the pages shown

private:
    const model::CBook& book_;
    const model::CPage* shown_ = nullptr;
    std::u16string text_;
};

TEST(TextSearch, TheRoundGoesFromTheShownPageThroughTheTreeOrderAndEndsInThePartNotSeen)
{
    using namespace core;
    constexpr int kTop = kSearchFindFirst, kBack = kSearchBackwards;
    // The tree: Root (a text page), Box (Web, Rich, Changed), Alpha, Zebra; Outside is not
    // in it. Web shows in a browser; Rich holds no "needle" a reader sees (a
    // font's name, a bookmark and a link's head); Rich and Changed show other
    // words than they hold.
    kit::BookSpec spec = BookOf({Page(1, 1, 0, u"Root", u"top"), Page(2, 1, 0, u"Alpha", u"needle one two needle"),
                                 Page(3, 1, 4, u"Box"), Page(4, 3, 0, u"Changed", u"needle one changed both"),
                                 Page(5, 3, 2, u"Rich", u"{\\rtf1{\\fonttbl{\\f0 needle;}}\\f0 bookmark<needle> page1|needle|<x> both}"),
                                 Page(6, 3, 3, u"Web", u"<p>needle web</p>"), Page(7, 1, 0, u"Zebra", u"zebra Needles Needle"),
                                 Page(9, 9, 0, u"Outside", u"needle outside")});
    spec.pages[2].childrenDescending = 1;
    const model::CBook book = Loaded(spec);
    BookSearch search(book);
    // Shown page (0: none) and selection; pattern, flags; found, the page
    // shown then, its selection, the pages shown on the way.
    const std::tuple<uint32_t, TextRange, std::u16string_view, int, bool, uint32_t, TextRange, const char*> cases[] = {
        {2, {15, 21}, u"needle", kTop, true, 2, {0, 6}, ""},
        {2, {0, 6}, u"needle", kTop | kBack, true, 2, {15, 21}, ""},
        {2, {0, 6}, u"needle", 0, true, 2, {15, 21}, ""},
        {2, {15, 21}, u"needle", kBack, true, 2, {0, 6}, ""},
        {2, {15, 21}, u"needle", 0, true, 7, {6, 12}, "7"},
        {2, {15, 21}, u"needle", kSearchMatchCase, true, 6, {}, "6"},  // round the end, found in the browser
        {7, {}, u"needle", kTop | kSearchWholeWords, true, 7, {14, 20}, ""},
        {6, {}, u"needle", 0, true, 2, {0, 6}, "42"},  // Changed passed over
        {2, {0, 6}, u"needle", kBack, true, 6, {}, "46"},
        {7, {6, 12}, u"needle", kBack, true, 2, {15, 21}, "2"},
        {6, {}, u"zebra", kBack, true, 7, {0, 5}, "7"},  // round the start
        {0, {}, u"needle", 0, true, 6, {}, "6"},
        {0, {}, u"needle", kBack, true, 7, {14, 20}, "7"},
        // The first page last, in the part not searched yet.
        {2, {15, 21}, u"two", 0, true, 2, {11, 14}, ""},
        {2, {11, 14}, u"two", 0, false, 2, {11, 14}, ""},
        {2, {0, 6}, u"two", kBack, true, 2, {11, 14}, ""},
        {2, {11, 14}, u"two", kBack, false, 2, {11, 14}, ""},
        {2, {15, 21}, u"one", 0, true, 2, {7, 10}, "42"},  // shown again after Changed
        {4, {}, u"changed", kTop, false, 4, {}, ""},
        {0, {}, u"changed", 0, false, 4, {}, "4"},  // passed over once
        {0, {}, u"both", 0, false, 4, {}, "54"},
        {6, {}, u"web", kTop, true, 6, {}, ""},
        {0, {}, u"o", 0, true, 1, {1, 2}, "1"},  // the first page first
        {6, {}, u"web", 0, false, 6, {}, ""},
        {2, {}, u"", kTop, false, 2, {}, ""},
        {2, {}, u"outside", kTop, false, 2, {}, ""},
    };
    for (const auto& [shown, selection, pattern, flags, found, shownAfter, selectionAfter, log] : cases) {
        ShownBook view(book);
        view.shows[4] = view.shows[5] = u"altered";
        if (shown)
            view.Show(shown);
        view.selection = selection;
        const std::string name = Narrow(std::u16string(pattern)) + " from " + std::to_string(shown) + " flags " +
                                 std::to_string(flags);
        EXPECT_EQ(search.Find(view, pattern, flags), found) << name;
        EXPECT_EQ(view.ShownPage() ? view.ShownPage()->Id() : 0u, shownAfter) << name;
        EXPECT_EQ(view.selection.start, selectionAfter.start) << name;
        EXPECT_EQ(view.selection.end, selectionAfter.end) << name;
        EXPECT_EQ(view.log, log) << name;
    }
}
