#include <gtest/gtest.h>

#include "model/PageTree.h"
#include "model/SiblingOrder.h"
#include "tests/unit/Helpers.h"

using kit::BookSpec;
using kit::PageSpec;
using model::CBook;
using model::PageTree;
using testing_helpers::BookOf;
using testing_helpers::LoadBook;
using testing_helpers::Narrow;
using testing_helpers::Page;

namespace {

// Titles of the root's children in viewer order, for a root sorted by `key`.
std::string OrderOf(std::vector<PageSpec> children, uint32_t key, bool descending = false, bool foldersFirst = true,
                    std::vector<kit::LegendItemSpec> labels = {})
{
    PageSpec root = Page(1, 1, 4, u"Root");
    root.childSortKey = key;
    root.childrenDescending = descending ? 1 : 0;
    children.insert(children.begin(), root);
    BookSpec spec = BookOf(std::move(children));
    spec.options.optionFlags = foldersFirst ? 1 : 0;
    spec.legend.items = std::move(labels);
    CBook book;
    LoadBook(book, kit::WriteDocument(spec));
    PageTree tree(book);
    std::string order;
    for (const model::CPage* page : tree.SortedChildren(*tree.Root()))
        order += Narrow(page->Title()) + ",";
    order.pop_back();
    return order;
}

PageSpec Child(uint32_t id, std::u16string title, uint32_t kind = 0)
{
    return Page(id, 1, kind, std::move(title));
}

}  // namespace

TEST(SiblingOrder, TitlesCompareFoldedAndTrimmed)
{
    const std::vector<PageSpec> pages = {Child(2, u"beta"), Child(3, u" Alpha"), Child(4, u"")};
    EXPECT_EQ(OrderOf(pages, 0), ", Alpha,beta");
    EXPECT_EQ(OrderOf(pages, 0, true), "beta, Alpha,");
    EXPECT_EQ(OrderOf({Child(2, u"\u0411\u0435\u0442\u0430"), Child(3, u"\u0430\u043b\u044c\u0444\u0430")}, 0),
              "\u0430\u043b\u044c\u0444\u0430,\u0411\u0435\u0442\u0430");
    EXPECT_EQ(model::FoldForSorting(u"\t  MiXeD Case \r\n"), u"mixed case");
}

TEST(SiblingOrder, RecycleBinLikePagesGoLastOrFirstWhenDescending)
{
    const std::vector<PageSpec> pages = {Child(2, u"old", 6), Child(3, u"b"), Child(4, u"a", 4)};
    for (uint32_t key : {0u, 1u, 6u, 7u, 12u}) {
        EXPECT_EQ(OrderOf(pages, key).substr(4), "old") << key;
        EXPECT_EQ(OrderOf(pages, key, true).substr(0, 3), "old") << key;
    }
}

TEST(SiblingOrder, FoldersFirstUnlessTheOptionIsOff)
{
    const std::vector<PageSpec> pages = {Child(2, u"a text"), Child(3, u"z folder", 4)};
    EXPECT_EQ(OrderOf(pages, 0), "z folder,a text");
    EXPECT_EQ(OrderOf(pages, 0, true), "a text,z folder");
    EXPECT_EQ(OrderOf(pages, 0, false, false), "a text,z folder");
}

TEST(SiblingOrder, EachSortKey)
{
    PageSpec small = Child(2, u"small"), big = Child(3, u"big"), mid = Child(4, u"mid");
    small.text = u"ab";
    big.text = u"abcdefgh";
    mid.text = u"abcd";
    small.created = {0, 3};
    big.created = {0, 1};
    mid.created = {0, 2};
    small.modified = {0, 10};
    big.modified = {0, 30};
    mid.modified = {0, 20};
    small.kind = 3;
    big.kind = 0;
    mid.kind = 2;
    small.sortText = u"  Zed";
    big.sortText = u"apple";
    mid.sortText = u"Mango";
    small.sortWeight = 5;
    big.sortWeight = 500;
    mid.sortWeight = 50;
    small.labelId = 9;
    big.labelId = 1;
    mid.labelId = 4;
    const std::vector<PageSpec> pages = {small, big, mid};
    EXPECT_EQ(OrderOf(pages, 1), "small,mid,big");
    EXPECT_EQ(OrderOf(pages, 1, true), "small,mid,big");  // descending ignored
    EXPECT_EQ(OrderOf(pages, 2), "big,mid,small");
    EXPECT_EQ(OrderOf(pages, 2, true), "small,mid,big");
    EXPECT_EQ(OrderOf(pages, 3), "small,mid,big");
    EXPECT_EQ(OrderOf(pages, 4), "big,mid,small");
    EXPECT_EQ(OrderOf(pages, 5), "big,mid,small");
    EXPECT_EQ(OrderOf(pages, 5, true), "big,mid,small");  // descending ignored
    EXPECT_EQ(OrderOf(pages, 6), "small,big,mid");
    EXPECT_EQ(OrderOf(pages, 7), "big,mid,small");
    EXPECT_EQ(OrderOf(pages, 9), "big,mid,small");
    EXPECT_EQ(OrderOf(pages, 10), "small,mid,big");
    EXPECT_EQ(OrderOf(pages, 11), "big,mid,small");
    EXPECT_EQ(OrderOf(pages, 11, true), "small,mid,big");
    EXPECT_EQ(OrderOf(pages, 99), "small,big,mid");
}

TEST(SiblingOrder, ColourKeyPrefersTheLabelsColour)
{
    PageSpec labelled = Child(2, u"labelled"), own = Child(3, u"own"), plain = Child(4, u"plain");
    labelled.labelId = 7;
    own.pageColour = 0x00000080;
    kit::LegendItemSpec label;
    label.id = 7;
    label.flags = 0x1;
    label.colour = 0x00FF0000;
    EXPECT_EQ(OrderOf({plain, own, labelled}, 8, false, true, {label}), "labelled,own,plain");
    EXPECT_EQ(OrderOf({plain, own, labelled}, 8, true, true, {label}), "labelled,own,plain");
}

TEST(SiblingOrder, EqualSiblingsKeepBookOrderEvenWhenTheComparisonDisagreesWithItself)
{
    // Two flagged folders each claim to come after the other; equal times
    // of different status do the same. Neither may upset the sort.
    PageSpec a = Child(2, u"a", 6), b = Child(3, u"b", 6), c = Child(4, u"c");
    EXPECT_EQ(OrderOf({a, b, c}, 0), "c,a,b");
    EXPECT_EQ(OrderOf({a, b, c}, 0, true), "a,b,c");
    PageSpec t1 = Child(5, u"t1"), t2 = Child(6, u"t2");
    t1.created = {0, 5};
    t2.created = {1, 5};
    EXPECT_EQ(OrderOf({t2, t1}, 2), "t2,t1");
    EXPECT_EQ(OrderOf({t2, t1}, 10), "t2,t1");
}

TEST(SiblingOrder, TimesBeforeTheEpochCompareAsPointsInTime)
{
    // -1.25 is 06:00 and -1.5 is 12:00 on 29 December 1899; as plain numbers
    // they would sort the other way round.
    PageSpec six = Child(2, u"six"), noon = Child(3, u"noon"), next = Child(4, u"next");
    six.created = {0, -1.25};
    noon.created = {0, -1.5};
    next.created = {0, 0.5};
    EXPECT_EQ(OrderOf({next, noon, six}, 2), "six,noon,next");
}

TEST(DisplayColour, LabelOwnColourAndDefault)
{
    BookSpec spec = BookOf({Page(1, 1, 4, u"Root"), Page(2, 1, 0, u"red label"), Page(3, 1, 0, u"own wins"),
                            Page(4, 1, 0, u"own, old schema"), Page(5, 1, 0, u"plain"), Page(6, 1, 0, u"pale")});
    spec.pages[1].labelId = 7;
    spec.pages[2].labelId = 7;
    spec.pages[2].pageColour = 0x0000FF00;
    spec.pages[2].flags = 0x1080;
    spec.pages[3].labelId = 7;
    spec.pages[3].pageColour = 0x0000FF00;  // in force, but without the override bit
    spec.pages[5].labelId = 8;
    kit::LegendItemSpec red;
    red.id = 7;
    red.flags = 0x1;
    red.colour = 0x000000FF;
    kit::LegendItemSpec pale;
    pale.id = 8;
    spec.legend.items = {red, pale};
    CBook book;
    LoadBook(book, kit::WriteDocument(spec));
    auto colour = [&](size_t index) { return model::PageDisplayColour(book, *book.PageAt(index), 0x123456); };
    EXPECT_EQ(colour(1).colour, 0x0000FFu);
    EXPECT_TRUE(colour(1).custom);
    EXPECT_EQ(colour(2).colour, 0x00FF00u);
    EXPECT_EQ(colour(3).colour, 0x0000FFu);
    EXPECT_EQ(colour(4).colour, 0x123456u);
    EXPECT_FALSE(colour(4).custom);
    EXPECT_FALSE(colour(5).custom);  // label without a colour in force
}
