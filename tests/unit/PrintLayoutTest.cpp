// Where printed pages put their header and text, and how text falls into
// lines and pages when it is printed line by line.
#include <gtest/gtest.h>

#include "core/print/PageLayout.h"
#include "core/print/TextPaging.h"
#include "tests/unit/Helpers.h"

using core::Box;

namespace {

// A4 at 600 dpi with a 100-dot strip the printer cannot mark; a 96-dpi
// metafile that reports no paper.
constexpr core::PaperMetrics kA4{600, 600, 4760, 6816, 4960, 7016, 100, 100};
constexpr core::PaperMetrics kMetafile{96, 96, 1280, 1024};

}  // namespace

TEST(PageLayout, MarginsCountFromTheSheetsEdgesAndShrinkToWhatTheDeviceCanDo)
{
    struct Case {
        const char* what;
        core::PaperMetrics paper;
        std::optional<core::Margins> margins;
        int headerHeight;
        Box header, body;
    } cases[] = {
        // 20 mm is 472 dots, 372 of them inside the printable area.
        {"20 mm", kA4, core::Margins{200, 200, 200, 200}, 100, {372, 372, 4388, 472}, {372, 522, 4388, 6444}},
        {"inside the strip", kA4, core::Margins{0, 0, 0, 0}, 0, {}, {0, 0, 4760, 6816}},
        {"negative", kA4, core::Margins{-50, -50, -50, -50}, 0, {}, {0, 0, 4760, 6816}},
        {"crossing", kA4, core::Margins{1500, 2000, 1500, 2000}, 0, {}, {0, 0, 4760, 6816}},
        {"no paper size", kMetafile, core::Margins{100, 100, 100, 100}, 0, {}, {37, 37, 1243, 987}},
        {"none given", kMetafile, std::nullopt, 20, {37, 37, 1243, 57}, {37, 67, 1243, 987}},
        {"no room for a header", kMetafile, core::Margins{100, 100, 100, 2560}, 20, {}, {37, 37, 1243, 57}},
    };
    for (const Case& c : cases) {
        const core::PageLayout layout = core::LayOutPage(c.paper, c.margins, c.headerHeight);
        EXPECT_EQ(layout.header, c.header) << c.what;
        EXPECT_EQ(layout.body, c.body) << c.what;
    }
    EXPECT_EQ(core::ToTwips({96, 48, 192, 960}, 96, 48), (Box{1440, 1440, 2880, 28800}));
    EXPECT_EQ(core::ToTwips({96, 48, 192, 960}, 0, 96), Box{});
}

TEST(TextPaging, LinesBreakAtParagraphEndsAndTheLastSpaceThatFitsAndAlwaysMoveOn)
{
    // Every character one unit wide.
    const core::FitCount fit = [](std::u16string_view text, int width) {
        return std::min(text.size(), static_cast<size_t>(std::max(width, 0)));
    };
    const std::pair<std::u16string_view, int> inputs[] = {
        {u"one two three", 7}, {u"abc def", 3},    {u"abcdefghij", 4}, {u"a\r\n\r\nb\rc\nd", 9},
        {u"", 5},              {u"ab", 0},         {u"a  b", 1},       {u"one two  ", 20},
    };
    const std::vector<std::string> expected[] = {
        {"one two", "three"}, {"abc", "def"}, {"abcd", "efgh", "ij"}, {"a", "", "b", "c", "d"},
        {""},                 {"a", "b"},     {"a", "b"},             {"one two"},
    };
    for (size_t i = 0; i < std::size(inputs); ++i) {
        const auto [text, width] = inputs[i];
        std::vector<std::string> lines;
        for (const core::TextLine& line : core::WrapText(text, width, fit))
            lines.push_back(testing_helpers::Narrow(std::u16string(text.substr(line.start, line.length))));
        EXPECT_EQ(lines, expected[i]) << testing_helpers::Narrow(std::u16string(text));
    }

    EXPECT_EQ(core::PageFirstLines(25, 10, 100), (std::vector<size_t>{0, 10, 20}));
    EXPECT_EQ(core::PageFirstLines(20, 10, 109), (std::vector<size_t>{0, 10}));
    EXPECT_EQ(core::PageFirstLines(0, 10, 100), (std::vector<size_t>{0}));
    EXPECT_EQ(core::PageFirstLines(3, 10, 5), (std::vector<size_t>{0, 1, 2})) << "a page shorter than a line";
    EXPECT_EQ(core::PageFirstLines(2, 0, 100), (std::vector<size_t>{0, 1}));
}
