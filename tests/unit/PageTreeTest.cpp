#include <gtest/gtest.h>

#include "model/PageTree.h"
#include "tests/kit/Icons.h"
#include "tests/unit/Helpers.h"

using kit::BookSpec;
using model::CBook;
using model::PageTree;
using namespace testing_helpers;

namespace {

constexpr size_t kWalkLimit = 1000;

std::string Outline(const CBook& book)
{
    const PageTree tree(book);
    std::string out;
    size_t visited = 0;
    tree.WalkExpanded([&](const model::CPage& page, size_t depth) {
        out += std::string(depth * 2, ' ') + Narrow(model::NodeText(book, page)) + "\n";
        return ++visited < kWalkLimit;
    });
    return out;
}

}  // namespace

TEST(PageTree, WalksEachIdentifiersChildrenOnceAtAnyDepth)
{
    // A second page with id 1 hangs under text page 5, so under it the root's
    // children would repeat forever; 8 and 9 are each other's parent, off the tree.
    EXPECT_EQ(Outline(Loaded(BookOf({Page(1, 1, model::kFolder, u"Root"), Page(5, 1, model::kPlainText, u"Five"),
                                     Page(1, 5, model::kFolder, u"Root again"), Page(8, 9, model::kPlainText, u"loop a"),
                                     Page(9, 8, model::kPlainText, u"loop b")}))),
              "Root\n  Five\n    Root again\n");
    // Page 2 never is the root.
    EXPECT_EQ(Outline(Loaded(BookOf({Page(2, 2, model::kFolder, u"Two"), Page(3, 2, 0, u"Child")}))), "");

    // Two pages share each identifier on every level; shown naively, 40
    // levels would make 2^40 nodes.
    BookSpec doubling = BookOf({Page(1, 1, model::kFolder, u"Root")});
    for (uint32_t level = 0; level < 40; ++level)
        for (const char16_t* title : {u"a", u"b"})
            doubling.pages.push_back(Page(100 + level, level == 0 ? 1 : 99 + level, model::kFolder, title));
    const std::string outline = Outline(Loaded(doubling));
    EXPECT_EQ(std::count(outline.begin(), outline.end(), '\n'), 81);

    // Deep chains do not use the stack.
    constexpr uint32_t kDepth = 200000;
    BookSpec spec = BookOf({Page(1, 1, model::kFolder, u"Root")});
    for (uint32_t id = 2; id <= kDepth; ++id)
        spec.pages.push_back(Page(id, id - 1, model::kFolder, u"n"));
    const CBook book = Loaded(spec, {.packed = false});
    size_t deepest = 0, count = 0;
    PageTree(book).WalkExpanded([&](const model::CPage&, size_t depth) { return deepest = std::max(deepest, depth), ++count; });
    EXPECT_EQ(count, kDepth);
    EXPECT_EQ(deepest, kDepth - 1);
}

TEST(PageTree, NodeTextTipsAndBold)
{
    BookSpec spec = BookOf({Page(1, 1, model::kFolder, u"Root"), Page(5, 1, 0, u"Title"), Page(6, 1, 0, u"Bold one")});
    spec.pages[2].labelId = 3;
    spec.extraInfo = {{.ownerPage = 5}, {.ownerPage = 5}, {.type = u"Other", .ownerPage = 5}};
    spec.legend.items = {{.flags = 0x10, .id = 3}};  // bold
    for (const char16_t* tip : {u"Root tip", u""}) {
        spec.pages[0].tipText = tip;
        const CBook book = Loaded(spec);
        const std::u16string count = u"Document contains 3 attacments";  // every record counts
        EXPECT_EQ(model::InfoTipText(book, *book.FindPage(1), true), *tip ? tip + (u"\r" + count) : count);
        EXPECT_EQ(model::InfoTipText(book, *book.FindPage(1), false), tip);
        EXPECT_TRUE(model::IsBold(book, *book.FindPage(6)));
        EXPECT_FALSE(model::IsBold(book, *book.FindPage(5)));
    }
}

TEST(PageTree, ImagesByKindAndOwnIcons)
{
    constexpr uint32_t kOddKind = 77;
    BookSpec spec = BookOf({Page(1, 1, model::kFolder, u"Root"), Page(2, 1, model::kPlainText, u"txt"),
                            Page(3, 1, model::kWebArchive, u"mht"), Page(4, 1, model::kRichText, u"rtf"),
                            Page(5, 1, model::kHtml, u"htm"), Page(6, 1, model::kRecycleBin, u"bin"),
                            Page(7, 6, model::kPlainText, u"binned"), Page(8, 1, model::kRecycleBin, u"second bin"),
                            Page(9, 1, model::kFlaggedFolder, u"flagged"), Page(10, 1, kOddKind, u"odd"),
                            Page(11, 1, model::kPlainText, u"labelled"), Page(12, 1, model::kPlainText, u"own icon")});
    spec.pages[10].labelId = 4;
    const kit::IconSpec icon = kit::MakeIcon4(16, [](int x, int) { return x % 16; });
    spec.legend.items = {kit::LegendItemSpec{0, 0, 4, u"label", icon, 0}};
    spec.icons = {kit::IconEntrySpec{12, icon, 0}, kit::IconEntrySpec{11, icon, 0}};
    const CBook book = Loaded(spec);
    const std::tuple<uint32_t, bool, int> cases[] = {
        {1, false, model::kImageClosedFolder}, {1, true, model::kImageOpenFolder}, {2, false, model::kImageTextFile},
        {3, false, model::kImageHtmlFile},     {4, false, model::kImageRtfFile},   {5, false, model::kImageHtmlFile},
        {6, false, model::kImageBinFull},      {9, true, model::kImageOpenFolder}, {10, false, model::kImageNone},
        {8, false, model::kImageClosedFolder},  // only the first bin is the bin
    };
    for (const auto& [id, open, image] : cases)
        EXPECT_EQ(model::StandardImage(book, *book.FindPage(id), open), image) << id;
    // The label's icon comes before the page's own entry.
    EXPECT_EQ(model::OwnIcon(book, *book.FindPage(11)), &book.Legend().ItemFor(4)->icon);
    EXPECT_EQ(model::OwnIcon(book, *book.FindPage(12)), book.Icons().IconFor(12));
    EXPECT_EQ(model::OwnIcon(book, *book.FindPage(2)), nullptr);
    const PageTree tree(book);
    EXPECT_TRUE(tree.Look(*book.FindPage(1), true, true, 0).container);
    EXPECT_FALSE(tree.Look(*book.FindPage(2), false, false, 0).container);
}
