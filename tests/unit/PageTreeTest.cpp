#include <gtest/gtest.h>

#include "model/PageTree.h"
#include "tests/kit/Icons.h"
#include "tests/unit/Helpers.h"

using kit::BookSpec;
using model::CBook;
using model::PageTree;
using testing_helpers::BookOf;
using testing_helpers::LoadBook;
using testing_helpers::Narrow;
using testing_helpers::Page;

namespace {

std::string Outline(const PageTree& tree, size_t limit = 1000)
{
    std::string out;
    size_t visited = 0;
    tree.WalkExpanded([&](const model::CPage& page, size_t depth) {
        out += std::string(depth * 2, ' ') + Narrow(model::NodeText(tree.Book(), page)) + "\n";
        return ++visited < limit;
    });
    return out;
}

}  // namespace

TEST(PageTree, ShowsTheRootAndItsDescendantsInViewerOrder)
{
    BookSpec spec = BookOf({Page(1, 1, 4, u"Root"), Page(2, 1, 0, u"Zebra"), Page(3, 1, 4, u"Folder"),
                            Page(4, 3, 0, u"b"), Page(5, 3, 0, u"a"), Page(6, 6, 4, u"Other top level"),
                            Page(7, 2, 0, u"Under a text page")});
    spec.pages[2].childSortKey = 0;
    spec.pages[2].childrenDescending = 1;
    CBook book;
    LoadBook(book, kit::WriteDocument(spec));
    PageTree tree(book);
    EXPECT_EQ(Outline(tree), "Root\n  Folder\n    b\n    a\n  Zebra\n    Under a text page\n");
    EXPECT_TRUE(tree.HasChildren(*book.FindPage(2)));
    EXPECT_FALSE(tree.HasChildren(*book.FindPage(4)));
}

TEST(PageTree, CyclicParentLinksEnd)
{
    // Page 5 is the root's child; a second page with id 1 hangs under 5,
    // so under it the root's children would repeat forever.
    BookSpec spec = BookOf({Page(1, 1, 4, u"Root"), Page(5, 1, 4, u"Five"), Page(1, 5, 4, u"Root again"),
                            Page(8, 8, 0, u"loop a"), Page(9, 8, 0, u"loop b")});
    spec.pages[4].parentId = 8;
    spec.pages[3].parentId = 9;  // 8 and 9 are each other's parent, off the tree
    CBook book;
    LoadBook(book, kit::WriteDocument(spec));
    EXPECT_EQ(Outline(PageTree(book)), "Root\n  Five\n    Root again\n");
}

TEST(PageTree, DuplicateIdentifiersDoNotMultiplyTheTree)
{
    // Two pages share each identifier on every level; shown naively, 40
    // levels would make 2^40 nodes. Each identifier's children appear once.
    BookSpec spec = BookOf({Page(1, 1, 4, u"Root")});
    for (uint32_t level = 0; level < 40; ++level)
        for (int copy = 0; copy < 2; ++copy)
            spec.pages.push_back(Page(100 + level, level == 0 ? 1 : 99 + level, 4, copy ? u"b" : u"a"));
    CBook book;
    LoadBook(book, kit::WriteDocument(spec));
    size_t count = 0;
    PageTree(book).WalkExpanded([&](const model::CPage&, size_t) { return ++count < 1000000; });
    EXPECT_EQ(count, 81u);
}

TEST(PageTree, DeepChainsDoNotUseTheStack)
{
    constexpr uint32_t kDepth = 200000;
    BookSpec spec;
    spec.pages.reserve(kDepth);
    spec.pages.push_back(Page(1, 1, 4, u"Root"));
    for (uint32_t id = 2; id <= kDepth; ++id)
        spec.pages.push_back(Page(id, id - 1, 4, u"n"));
    kit::DocumentOptions plain;
    plain.packed = false;
    CBook book;
    LoadBook(book, kit::WriteDocument(spec, plain));
    size_t deepest = 0, count = 0;
    PageTree(book).WalkExpanded([&](const model::CPage&, size_t depth) {
        deepest = std::max(deepest, depth);
        ++count;
        return true;
    });
    EXPECT_EQ(count, kDepth);
    EXPECT_EQ(deepest, kDepth - 1);
}

TEST(PageTree, NodeTextTipsAndBold)
{
    BookSpec spec = BookOf({Page(1, 1, 4, u"Root"), Page(5, 1, 0, u"Title"), Page(6, 1, 0, u"Bold one")});
    spec.pages[0].tipText = u"Root tip";
    spec.pages[2].labelId = 3;
    kit::ExtraInfoSpec file;
    file.ownerPage = 5;
    kit::ExtraInfoSpec other;
    other.type = u"Other";
    spec.extraInfo = {file, file, other};
    kit::LegendItemSpec bold;
    bold.id = 3;
    bold.flags = 0x10;
    spec.legend.items = {bold};
    CBook book;
    LoadBook(book, kit::WriteDocument(spec));
    EXPECT_EQ(model::NodeText(book, *book.FindPage(5)), u"Title [Attached Files: 2]");
    EXPECT_EQ(model::NodeText(book, *book.FindPage(6)), u"Bold one");
    EXPECT_EQ(model::InfoTipText(book, *book.FindPage(1), true), u"Root tip\rDocument contains 3 attacments");
    EXPECT_EQ(model::InfoTipText(book, *book.FindPage(1), false), u"Root tip");
    EXPECT_TRUE(model::IsBold(book, *book.FindPage(6)));
    EXPECT_FALSE(model::IsBold(book, *book.FindPage(5)));

    spec.pages[0].tipText = u"";
    CBook noTip;
    LoadBook(noTip, kit::WriteDocument(spec));
    EXPECT_EQ(model::InfoTipText(noTip, *noTip.FindPage(1), true), u"Document contains 3 attacments");
}

TEST(PageTree, ImagesByKindAndOwnIcons)
{
    BookSpec spec = BookOf({Page(1, 1, 4, u"Root"), Page(2, 1, 0, u"txt"), Page(3, 1, 1, u"mht"), Page(4, 1, 2, u"rtf"),
                            Page(5, 1, 3, u"htm"), Page(6, 1, 5, u"bin"), Page(7, 6, 0, u"binned"),
                            Page(8, 1, 5, u"second bin"), Page(9, 1, 6, u"flagged"), Page(10, 1, 77, u"odd"),
                            Page(11, 1, 0, u"labelled"), Page(12, 1, 0, u"own icon")});
    spec.pages[10].labelId = 4;
    const kit::IconSpec icon = kit::MakeIcon4(16, [](int x, int) { return x % 16; });
    kit::LegendItemSpec label;
    label.id = 4;
    label.icon = icon;
    spec.legend.items = {label};
    spec.icons = {kit::IconEntrySpec{12, icon, 0}, kit::IconEntrySpec{11, icon, 0}};
    CBook book;
    LoadBook(book, kit::WriteDocument(spec));
    auto image = [&](uint32_t id, bool open = false) { return model::StandardImage(book, *book.FindPage(id), open); };
    EXPECT_EQ(image(1), model::kImageClosedFolder);
    EXPECT_EQ(image(1, true), model::kImageOpenFolder);
    EXPECT_EQ(image(2), model::kImageTextFile);
    EXPECT_EQ(image(3), model::kImageHtmlFile);
    EXPECT_EQ(image(4), model::kImageRtfFile);
    EXPECT_EQ(image(5), model::kImageHtmlFile);
    EXPECT_EQ(image(6), model::kImageBinFull);
    EXPECT_EQ(image(8), model::kImageClosedFolder);  // only the first kind-5 page is the bin
    EXPECT_EQ(image(9, true), model::kImageOpenFolder);
    EXPECT_EQ(image(10), model::kImageNone);
    // The label's icon comes before the page's own entry.
    EXPECT_EQ(model::OwnIcon(book, *book.FindPage(11)), &book.Legend().ItemFor(4)->icon);
    EXPECT_EQ(model::OwnIcon(book, *book.FindPage(12)), book.Icons().IconFor(12));
    EXPECT_EQ(model::OwnIcon(book, *book.FindPage(2)), nullptr);

    PageTree tree(book);
    const model::NodeLook root = tree.Look(*book.FindPage(1), true, true, 0);
    EXPECT_TRUE(root.container);
    EXPECT_FALSE(tree.Look(*book.FindPage(2), false, false, 0).container);
}

TEST(PageTree, EmptyRecycleBinImageWhenItHasNoChildren)
{
    // A bin without children is removed at load; one whose only child is
    // itself survives and shows empty.
    BookSpec spec = BookOf({Page(1, 1, 4, u"Root"), Page(6, 1, 5, u"bin"), Page(7, 6, 0, u"binned")});
    CBook book;
    LoadBook(book, kit::WriteDocument(spec));
    EXPECT_EQ(model::StandardImage(book, *book.FindPage(6), false), model::kImageBinFull);
}

TEST(PageTree, BookWithoutRootShowsNothing)
{
    CBook book;
    LoadBook(book, kit::WriteDocument(BookOf({Page(2, 2, 4, u"Two"), Page(3, 2, 0, u"Child")})));
    EXPECT_EQ(Outline(PageTree(book)), "");
}
