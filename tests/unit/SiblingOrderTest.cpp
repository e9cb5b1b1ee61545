#include <gtest/gtest.h>

#include "model/PageTree.h"
#include "model/SiblingOrder.h"
#include "tests/unit/Helpers.h"

using kit::PageSpec;
using namespace testing_helpers;

namespace {

// Sort keys a folder can order its children by; 6 and unknown keys keep book order.
enum SortKey : uint32_t { kTitle, kSize, kCreated, kModified, kKind, kSortText, kUnusedKey, kWeight, kColour, kLabel,
                          kNewestCreated, kNewestModified, kUnknownKey = 99 };

struct Order {
    uint32_t key;
    bool descending = false, foldersFirst = true;
    std::vector<kit::LegendItemSpec> labels = {};
};

// Titles of the root's children in viewer order.
std::string OrderOf(std::vector<PageSpec> children, const Order& order)
{
    PageSpec root = Page(1, 1, model::kFolder, u"Root");
    root.childSortKey = order.key;
    root.childrenDescending = order.descending ? 1 : 0;
    children.insert(children.begin(), root);
    kit::BookSpec spec = BookOf(std::move(children));
    spec.options.optionFlags = order.foldersFirst ? 1 : 0;
    spec.legend.items = order.labels;
    const model::CBook book = Loaded(spec);
    const model::PageTree tree(book);
    std::string titles;
    for (const model::CPage* page : tree.SortedChildren(*book.RootPage()))
        titles += Narrow(page->Title()) + ",";
    titles.pop_back();
    return titles;
}

PageSpec Child(uint32_t id, std::u16string title, uint32_t kind = model::kPlainText) { return Page(id, 1, kind, title); }

// A label whose colour is in force.
kit::LegendItemSpec Label(int32_t id, uint32_t colour) { return {colour, 0x1, id, u"label", {}, 0}; }

}  // namespace

TEST(SiblingOrder, EachSortKey)
{
    PageSpec small = Child(2, u"small", model::kHtml), big = Child(3, u"big"), mid = Child(4, u"mid", model::kRichText);
    small.text = u"ab", big.text = u"abcdefgh", mid.text = u"abcd";
    small.created = {0, 3}, big.created = {0, 1}, mid.created = {0, 2};
    small.modified = {0, 10}, big.modified = {0, 30}, mid.modified = {0, 20};
    small.sortText = u"  Zed", big.sortText = u"apple", mid.sortText = u"Mango";
    small.sortWeight = 5, big.sortWeight = 500, mid.sortWeight = 50;
    small.labelId = 9, big.labelId = 1, mid.labelId = 4;
    // Size and sort text ignore descending.
    const std::pair<Order, const char*> cases[] = {
        {{kSize}, "small,mid,big"},         {{kSize, true}, "small,mid,big"},          {{kCreated}, "big,mid,small"},
        {{kCreated, true}, "small,mid,big"}, {{kModified}, "small,mid,big"},           {{kKind}, "big,mid,small"},
        {{kSortText}, "big,mid,small"},     {{kSortText, true}, "big,mid,small"},      {{kUnusedKey}, "small,big,mid"},
        {{kWeight}, "big,mid,small"},       {{kLabel}, "big,mid,small"},               {{kUnknownKey}, "small,big,mid"},
        {{kNewestCreated}, "small,mid,big"}, {{kNewestModified}, "big,mid,small"}, {{kNewestModified, true}, "small,mid,big"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(OrderOf({small, big, mid}, c.first), c.second) << c.first.key << (c.first.descending ? " down" : "");

    // The colour key prefers a label's colour to the page's own.
    PageSpec labelled = Child(2, u"labelled"), own = Child(3, u"own"), plain = Child(4, u"plain");
    labelled.labelId = 7;
    own.pageColour = 0x00000080;
    for (bool descending : {false, true})
        EXPECT_EQ(OrderOf({plain, own, labelled}, {kColour, descending, true, {Label(7, 0x00FF0000)}}),
                  "labelled,own,plain");
}

TEST(SiblingOrder, TitlesFoldersBinLikePagesEqualSiblingsAndTimes)
{
    const std::vector<PageSpec> titles = {Child(2, u"beta"), Child(3, u" Alpha"), Child(4, u"")};
    EXPECT_EQ(OrderOf(titles, {kTitle}), ", Alpha,beta");
    EXPECT_EQ(OrderOf(titles, {kTitle, true}), "beta, Alpha,");
    EXPECT_EQ(OrderOf({Child(2, u"\u0411\u0435\u0442\u0430"), Child(3, u"\u0430\u043b\u044c\u0444\u0430")}, {kTitle}),
              "\u0430\u043b\u044c\u0444\u0430,\u0411\u0435\u0442\u0430");
    EXPECT_EQ(model::FoldForSorting(u"\t  MiXeD Case \r\n"), u"mixed case");

    const std::vector<PageSpec> folders = {Child(2, u"a text"), Child(3, u"z folder", model::kFolder)};
    EXPECT_EQ(OrderOf(folders, {kTitle}), "z folder,a text");
    EXPECT_EQ(OrderOf(folders, {kTitle, true}), "a text,z folder");
    EXPECT_EQ(OrderOf(folders, {kTitle, false, false}), "a text,z folder");

    // Flagged folders go last, or first when descending, whatever the key.
    const std::vector<PageSpec> binLike = {Child(2, u"old", model::kFlaggedFolder), Child(3, u"b"),
                                           Child(4, u"a", model::kFolder)};
    for (uint32_t key : {kTitle, kSize, kLabel, kWeight, kUnknownKey}) {
        EXPECT_EQ(OrderOf(binLike, {key}).substr(4), "old") << key;
        EXPECT_EQ(OrderOf(binLike, {key, true}).substr(0, 3), "old") << key;
    }

    // Two flagged folders each claim to come after the other; equal times
    // of different status do the same. Neither may upset the sort.
    const PageSpec a = Child(2, u"a", model::kFlaggedFolder), b = Child(3, u"b", model::kFlaggedFolder), c = Child(4, u"c");
    EXPECT_EQ(OrderOf({a, b, c}, {kTitle}), "c,a,b");
    EXPECT_EQ(OrderOf({a, b, c}, {kTitle, true}), "a,b,c");
    PageSpec t1 = Child(5, u"t1"), t2 = Child(6, u"t2");
    t1.created = {0, 5};
    t2.created = {1, 5};
    EXPECT_EQ(OrderOf({t2, t1}, {kCreated}), "t2,t1");
    EXPECT_EQ(OrderOf({t2, t1}, {kNewestCreated}), "t2,t1");
    // -1.25 is 06:00 and -1.5 is 12:00 on 29 December 1899; as plain numbers
    // they would sort the other way round.
    PageSpec six = Child(2, u"six"), noon = Child(3, u"noon"), next = Child(4, u"next");
    six.created = {0, -1.25}, noon.created = {0, -1.5}, next.created = {0, 0.5};
    EXPECT_EQ(OrderOf({next, noon, six}, {kCreated}), "six,noon,next");
}

TEST(DisplayColour, LabelOwnColourAndDefault)
{
    constexpr uint32_t kDefault = 0x123456, kRed = 0x0000FF, kGreen = 0x00FF00;
    kit::BookSpec spec = BookOf({Page(1, 1, model::kFolder, u"Root"), Child(2, u"red label"), Child(3, u"own wins"),
                                 Child(4, u"own, old schema"), Child(5, u"plain"), Child(6, u"pale")});
    spec.pages[1].labelId = spec.pages[2].labelId = spec.pages[3].labelId = 7;
    spec.pages[2].pageColour = spec.pages[3].pageColour = kGreen;  // in force
    spec.pages[2].flags = model::kNewPageFlag | model::kOwnColour;    // only 2 has the override bit
    spec.pages[5].labelId = 8;
    spec.legend.items = {Label(7, kRed), kit::LegendItemSpec{kRed, 0, 8, u"pale", {}, 0}};
    const model::CBook book = Loaded(spec);
    const std::tuple<size_t, uint32_t, bool> cases[] = {{1, kRed, true}, {2, kGreen, true}, {3, kRed, true}, {4, kDefault, false}, {5, kDefault, false}};
    for (const auto& [index, colour, custom] : cases) {
        const auto shown = model::PageDisplayColour(book, *book.PageAt(index), kDefault);
        EXPECT_EQ(shown.colour, colour) << index;
        EXPECT_EQ(shown.custom, custom) << index;
    }
}
