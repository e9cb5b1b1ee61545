// The words of the information page: the heading from the module's product
// version, and the line naming the version that wrote the document.
#include <gtest/gtest.h>

#include "core/panes/CaretPlace.h"
#include "core/panes/InformationText.h"
#include "model/Records.h"
#include "tests/unit/Helpers.h"

using testing_helpers::Narrow;
using namespace testing_helpers;

TEST(InformationText, ProductVersionSplitsAndTheDocumentLineJoinsBothMinorNumbers)
{
    const std::tuple<std::u16string_view, const char*, const char*> cases[] = {
        {u"1, 2, 3, 45", "1.23", "45"}, {u"1.0.0.1", "1.00", "1"}, {u"7.5", "7", "5"},
        {u"2.1.5", "2.1", "5"},         {u"12", "12", "12"},       {u"", "", ""},
    };
    for (const auto& [product, version, build] : cases) {
        const core::ProductVersion split = core::SplitProductVersion(product);
        EXPECT_EQ(Narrow(split.version), version) << Narrow(std::u16string(product));
        EXPECT_EQ(Narrow(split.build), build) << Narrow(std::u16string(product));
    }
    EXPECT_EQ(Narrow(core::HeadingTitle(u"1, 0, 0, 1", "Dec  6 2026")), "Vorn View 1.00 build 1 [Dec  6 2026]");

    // The document line writes both minor numbers together.
    model::CArchiveVersion version;
    version.major = 2;
    version.minor = 1;
    version.release = 5;
    version.build = 300;
    const std::u16string text = core::InformationText({u"Title", u"Description"}, version);
    EXPECT_EQ(Narrow(text), "Title\nDescription\n\nThe document created by Vornbook 2.15 build 300 This is the text "
                           "about version Vorn View. Select node on tree pane for data viewing.\n\n");
}

// Where a shown page puts its caret: the flags first, the end before the
// start, else the stored place (an HTML page's own for both HTML kinds).
TEST(PageCaret, FlagsFirstThenTheStoredPlace)
{
    struct Case {
        uint32_t kind, flags;
        bool atEnd;
        uint32_t position;
    };
    const Case cases[] = {
        {model::kPlainText, 0, false, 7},          {model::kRichText, 0, false, 7},
        {model::kHtml, 0, false, 9},               {model::kWebArchive, 0, false, 9},
        {model::kPlainText, model::kCaretAtEnd, true, 0}, {model::kPlainText, model::kCaretAtStart, false, 0},
        {model::kPlainText, model::kCaretAtEnd | model::kCaretAtStart, true, 0},
    };
    for (const Case& c : cases) {
        kit::PageSpec page = Page(1, 1, c.kind, u"page", u"some text");
        page.flags = c.flags;
        page.caretPosition = 7;
        page.htmlCaretPosition = 9;
        const model::CBook book = Loaded(BookOf({page}));
        const core::CaretPlace place = core::PageCaret(*book.FindPage(1));
        EXPECT_EQ(place.atEnd, c.atEnd) << c.kind << " " << c.flags;
        EXPECT_EQ(place.position, c.position) << c.kind << " " << c.flags;
    }
}
