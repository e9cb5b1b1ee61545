#include <gtest/gtest.h>

#include "model/Outline.h"
#include "model/PageTree.h"
#include "tests/kit/Icons.h"
#include "tests/unit/Helpers.h"

#include <sstream>

using kit::BookSpec;
using model::CBook;
using model::Outline;
using model::PageTree;
using namespace testing_helpers;

namespace {

constexpr size_t kWalkLimit = 1000;

std::string Walked(const CBook& book)
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

// The nodes in the view, indented, "+" on those with a button over children
// not shown yet.
std::string View(const Outline& outline)
{
    std::string out;
    outline.WalkFrom(0, [&](uint32_t at, size_t depth) {
        if (outline.InView(at))
            out += std::string(depth * 2, ' ') + Narrow(outline.At(at).page->Title()) +
                   (outline.HasHiddenChildren(at) ? "+" : "") + "\n";
        return true;
    });
    return out;
}

std::string Titles(const Outline& outline, const std::vector<uint32_t>& nodes)
{
    std::string out;
    for (uint32_t at : nodes)
        out += (out.empty() ? "" : " ") + Narrow(outline.At(at).page->Title());
    return out;
}

uint32_t NodeOf(const Outline& outline, const char* title)
{
    uint32_t found = Outline::kNone;
    outline.WalkFrom(0, [&](uint32_t at, size_t) {
        if (Narrow(outline.At(at).page->Title()) != title)
            return true;
        found = at;
        return false;
    });
    return found;
}

}  // namespace

// What a view shows after the user's steps: children on demand, each
// identifier's children once (to whichever node is filled first), folders
// only for expand all and finding, text pages with children opened by hand.
TEST(Outline, ShowsWhatTheStepsOpen)
{
    using namespace model;
    const BookSpec book = BookOf({Page(1, 1, kFolder, u"Root"), Page(3, 1, kFolder, u"A"), Page(3, 1, kFolder, u"B"),
                                  Page(7, 3, kFolder, u"C"), Page(1, 7, kFolder, u"Root again"), Page(8, 7, kPlainText, u"D"),
                                  Page(5, 1, kPlainText, u"Text"), Page(9, 5, kPlainText, u"Under text"),
                                  Page(6, 6, kFolder, u"Self"), Page(6, 6, kFolder, u"Self twin")});
    struct Case {
        const char* steps;  // "s T": show T's children; "e T": expand all from T; "f N": find page N
        const char* view;
        const char* found;  // the path to what "f" found and it, or "-"
    };
    const Case cases[] = {
        {"", "Root+\n", "-"},
        {"s Root", "Root\n  A+\n  B+\n  Text+\n", "-"},
        {"s Root e Root", "Root\n  A\n    C\n      Root again\n      D\n  B\n  Text+\n", "-"},
        {"s Root s B e Root", "Root\n  A\n  B\n    C\n      Root again\n      D\n  Text+\n", "-"},
        {"s Root e A", "Root\n  A\n    C\n      Root again\n      D\n  B\n  Text+\n", "-"},
        {"s Root e B s A", "Root\n  A\n  B\n    C\n      Root again\n      D\n  Text+\n", "-"},
        {"s Root s Text", "Root\n  A+\n  B+\n  Text\n    Under text\n", "-"},
        {"s Root f 8", "Root\n  A+\n  B\n  Text+\n", "Root A C D"},
        {"s Root f 9", "Root\n  A+\n  B\n  Text+\n", "-"},
        {"s Root s Text f 9", "Root\n  A+\n  B\n  Text\n    Under text\n", "Root Text Under text"},
        {"s Root f 1", "Root\n  A+\n  B+\n  Text+\n", "Root"},
        {"s Root f 6", "Root\n  A+\n  B\n  Text+\n", "-"},
    };
    for (const Case& c : cases) {
        const CBook loaded = Loaded(book);
        const PageTree tree(loaded);
        Outline outline(tree);
        std::string found = "-";
        std::istringstream steps(c.steps);
        for (std::string step, arg; steps >> step >> arg;) {
            if (step == "f") {
                const uint32_t at = outline.Find(static_cast<uint32_t>(std::stoul(arg)));
                if (at != Outline::kNone) {
                    std::vector<uint32_t> path = outline.PathTo(at);
                    path.push_back(at);
                    found = Titles(outline, path);
                }
            } else if (step == "s") {
                outline.Show(NodeOf(outline, arg.c_str()));
            } else {
                outline.ExpandAll(NodeOf(outline, arg.c_str()), [&](uint32_t at) { EXPECT_TRUE(outline.At(at).shown); });
            }
        }
        EXPECT_EQ(View(outline), c.view) << c.steps;
        EXPECT_EQ(found, c.found) << c.steps;
    }
}

TEST(PageTree, WalksEachIdentifiersChildrenOnceAtAnyDepth)
{
    // A second page with id 1 hangs under text page 5, so under it the root's
    // children would repeat forever; 8 and 9 are each other's parent, off the tree.
    EXPECT_EQ(Walked(Loaded(BookOf({Page(1, 1, model::kFolder, u"Root"), Page(5, 1, model::kPlainText, u"Five"),
                                     Page(1, 5, model::kFolder, u"Root again"), Page(8, 9, model::kPlainText, u"loop a"),
                                     Page(9, 8, model::kPlainText, u"loop b")}))),
              "Root\n  Five\n    Root again\n");
    // Page 2 never is the root.
    EXPECT_EQ(Walked(Loaded(BookOf({Page(2, 2, model::kFolder, u"Two"), Page(3, 2, 0, u"Child")}))), "");

    // Two pages share each identifier on every level; shown naively, 40
    // levels would make 2^40 nodes. Expand all in a view shows the same.
    BookSpec doubling = BookOf({Page(1, 1, model::kFolder, u"Root")});
    for (uint32_t level = 0; level < 40; ++level)
        for (const char16_t* title : {u"a", u"b"})
            doubling.pages.push_back(Page(100 + level, level == 0 ? 1 : 99 + level, model::kFolder, title));
    const std::string outline = Walked(Loaded(doubling));
    EXPECT_EQ(std::count(outline.begin(), outline.end(), '\n'), 81);
    const CBook doubled = Loaded(doubling);
    const PageTree doubledTree(doubled);
    Outline expanded(doubledTree);
    std::string order;
    const std::vector<uint32_t> levels = expanded.ExpandAll(0, [&](uint32_t at) { order += Narrow(expanded.At(at).page->Title()); });
    std::string view = View(expanded);
    std::erase(view, '+');
    EXPECT_EQ(view, Walked(doubled));
    EXPECT_EQ(order.substr(0, 6), "Rootaa") << "level by level, each node's children before the next level";
    EXPECT_EQ(levels.size(), 40u);
    EXPECT_EQ(expanded.InViewBelow(0).size(), 81u);

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
