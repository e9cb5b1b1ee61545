// The Lister's search through the wide entry point: the shown page, then the
// pages after it in the tree's order, into collapsed folders, one round.
#include "PaneReader.h"
#include "PluginFixture.h"

#include "tests/kit/Document.h"
#include "tools/listerhost/TreeSelect.h"

#include <richedit.h>

namespace wine_tests {
namespace {

constexpr int kFindFirst = 1, kWholeWords = 4, kBackwards = 8;

class Search : public PluginTest {
protected:
    void SetUp() override
    {
        PluginTest::SetUp();
        // The tree: Root, Box (Inside), Alpha, Beta.
        kit::PageSpec inside = Page(4, 3, 0, u"Inside");
        inside.text = u"a hidden Needle here";
        kit::PageSpec alpha = Page(2, 1, 0, u"Alpha");
        alpha.text = u"first needle,\r\nsecond needle";
        kit::PageSpec beta = Page(5, 1, 2, u"Beta");
        beta.text = u"{\\rtf1{\\fonttbl{\\f0 needle;}}\\f0 no match, just needles}";
        Open({Page(3, 1, 4, u"Box"), inside, alpha, beta}, L"Alpha");
    }

    void Open(std::vector<kit::PageSpec> pages, const wchar_t* shown)
    {
        auto& lister = NewLister();
        ASSERT_TRUE(lister.Open(WriteFile(L"search.vnb", kit::WriteDocument(BookUnderRoot(std::move(pages))))));
        host = &lister;
        panes = FindPanes(lister);
        ASSERT_TRUE(listerhost::SelectItemByText(panes.viewer, shown));
    }

    // The page selected in the tree and the selected text, after a search.
    std::pair<std::wstring, std::wstring> Find(const wchar_t* text, int flags, int expected = 0)
    {
        EXPECT_EQ(host->Search(text, flags), expected) << Narrow(text) << " flags " << flags;
        const CHARRANGE range = Selection(panes.text);
        std::wstring selected;
        TEXTRANGEW get{range, nullptr};
        selected.resize(static_cast<size_t>(std::max<LONG>(0, range.cpMax - range.cpMin)) + 1);
        get.lpstrText = selected.data();
        selected.resize(static_cast<size_t>(SendMessageW(panes.text, EM_GETTEXTRANGE, 0, reinterpret_cast<LPARAM>(&get))));
        return {ReadItem(panes.tree, TreeView_GetSelection(panes.tree)).text, selected};
    }

    listerhost::ListerWindow* host = nullptr;
    Panes panes;
};

using Hit = std::pair<std::wstring, std::wstring>;

TEST_F(Search, GoesThroughTheShownPageThenThePagesAfterItRoundTheEnd)
{
    EXPECT_EQ(Find(L"NEEDLE", kFindFirst), (Hit{L"Alpha", L"needle"}));
    EXPECT_EQ(Selection(panes.text).cpMin, 6);
    EXPECT_EQ(Find(L"needle", 0), (Hit{L"Alpha", L"needle"}));
    EXPECT_EQ(Selection(panes.text).cpMin, 21) << "a paragraph end is one position";
    // Beta's only "needle" is its font's name; its "needles" is no whole word.
    EXPECT_EQ(Find(L"needle", kWholeWords), (Hit{L"Inside", L"Needle"})) << "into the collapsed folder";
    EXPECT_EQ(Find(L"needles", 0), (Hit{L"Beta", L"needles"}));
}

TEST_F(Search, ReportsNotFoundAfterOneRoundAndLeavesTheSelection)
{
    ASSERT_EQ(Find(L"second", kFindFirst), (Hit{L"Alpha", L"second"}));
    EXPECT_EQ(Find(L"second", 0, 1), (Hit{L"Alpha", L"second"})) << "the only match is the one selected";
    EXPECT_EQ(plugin.ListSearchText(host->PluginWindow(), "first", kFindFirst), 0) << "the narrow entry searches too";
}

// A reader of Marked sees "See Intro and Target here, Cap." and of Other,
// rich text, "Far target": bookmarks and page-link heads are hidden.
class SearchMarkup : public Search {
protected:
    void SetUp() override
    {
        PluginTest::SetUp();
        kit::PageSpec marked = Page(2, 1, 0, u"Marked");
        marked.text = u"bookmark<Top>See page3<Intro> and bookmark<x>Target here, page1|f|<Cap>.";
        kit::PageSpec other = Page(3, 1, 2, u"Other");
        other.text = u"{\\rtf1 bookmark<needle> page2<Far> target}";
        Open({marked, other}, L"Marked");
    }

    static bool Hidden(HWND edit, LONG start, LONG end) { return FormatOf(edit, start, end).dwEffects & CFE_HIDDEN; }
};

TEST_F(SearchMarkup, FindsOnlyWhatTheReaderSeesInTheShownPageAndInThePagesTheRoundVisits)
{
    // At once: the page-link pass still waits for its timer.
    for (const wchar_t* unseen : {L"bookmark", L"page1", L"page3", L"Top", L"needle", L"|f|", L"<"})
        EXPECT_EQ(Find(unseen, kFindFirst, 1), (Hit{L"Marked", L""})) << Narrow(unseen);
    EXPECT_TRUE(Hidden(panes.text, 17, 23)) << "the search ran the pass the screen was waiting for";
    EXPECT_EQ(Find(L"intro", kFindFirst), (Hit{L"Marked", L"Intro"}));
    EXPECT_EQ(Selection(panes.text).cpMin, 23);
    EXPECT_EQ(Find(L"and target", kWholeWords), (Hit{L"Marked", L"and bookmark<x>Target"}))
        << "what the reader sees side by side is found, the hidden run between selected with it";
    EXPECT_EQ(Find(L"target", 0), (Hit{L"Other", L"target"})) << "a page not shown, searched as it will show";
    EXPECT_EQ(Selection(panes.text).cpMin, 28);
    EXPECT_TRUE(Hidden(panes.text, 17, 23)) << "the page the search moved to got its page links";
    EXPECT_EQ(Find(L"far", kBackwards), (Hit{L"Other", L"Far"}));
    EXPECT_EQ(Find(L"target", kBackwards), (Hit{L"Marked", L"Target"}));
    EXPECT_EQ(Selection(panes.text).cpMin, 45);
}

TEST_F(SearchMarkup, FindsAPageLinkHeadThatStaysInViewBecauseTextWasSelected)
{
    // The delayed pass, due when the search starts, makes no marks while
    // text is selected.
    ASSERT_EQ(host->SendCommand(kHostSelectAll, 0), 0);
    EXPECT_EQ(Find(L"page3", kFindFirst), (Hit{L"Marked", L"page3"}));
    EXPECT_FALSE(Hidden(panes.text, 17, 23));
    EXPECT_EQ(Find(L"bookmark", kFindFirst, 1), (Hit{L"Marked", L"page3"}));
}

}  // namespace
}  // namespace wine_tests
