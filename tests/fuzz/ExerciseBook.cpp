#include "tests/fuzz/ExerciseBook.h"

#include <algorithm>

#include "docfile/OpenDocument.h"
#include "model/PageTree.h"

namespace fuzz {
namespace {

// Duplicate identifiers can make the expanded tree exponentially larger
// than the book; the viewer would show it all, the fuzzer stops early.
constexpr size_t kNodeBudget = 4096;
// Nodes whose children are also checked against a plain scan of the book.
constexpr size_t kScannedNodes = 32;
constexpr char16_t kPassword[] = u"vornview";

[[noreturn]] void Contradiction() { __builtin_trap(); }

void ExerciseIcon(const model::CIcon* icon)
{
    if (!icon)
        return;
    for (int size : {16, 32, -1}) {
        const auto image = icon->Image(size, size);
        if (image && (image->andBits.empty() || image->width <= 0 || image->height <= 0))
            Contradiction();
    }
}

// The children index must give what one pass over the book gives.
void CheckChildren(const model::PageTree& tree, const model::CPage& node)
{
    const model::CBook& book = tree.Book();
    std::vector<const model::CPage*> scanned;
    for (size_t i = 0; i < book.PageCount(); ++i)
        if (const model::CPage* page = book.PageAt(i); page != &node && page->ParentId() == node.Id())
            scanned.push_back(page);
    if (tree.Children(node) != scanned)
        Contradiction();
    std::vector<const model::CPage*> sorted = tree.SortedChildren(node);
    std::sort(sorted.begin(), sorted.end());
    std::sort(scanned.begin(), scanned.end());
    if (sorted != scanned || tree.HasChildren(node) != !scanned.empty())
        Contradiction();
}

void ExercisePages(const model::CBook& book)
{
    for (size_t i = 0; i < book.PageCount(); ++i) {
        const model::CPage& page = *book.PageAt(i);
        const std::u16string text = page.Text();
        if (text.size() * 2 != page.TextSize())
            Contradiction();
        // Some page with the identifier is found, not necessarily this one.
        const int64_t found = book.IndexOfPage(page.Id());
        if (found < 0 || book.PageAt(static_cast<size_t>(found))->Id() != page.Id() ||
            book.FindPage(page.Id()) != book.PageAt(static_cast<size_t>(found)))
            Contradiction();
        book.HasChildren(page.Id());
        book.IsTopPage(page.Id());
        model::StandardImage(book, page, i % 2 == 0);
        model::InfoTipText(book, page, i == 0);
        ExerciseIcon(book.IconOfPage(page.Id()));
    }
    for (size_t i = 0; i <= book.FavouritesCount(); ++i)
        book.FindPage(static_cast<uint32_t>(book.FavouritesEntry(i)));
    for (const auto& [key, entry] : book.Icons().Entries())
        ExerciseIcon(book.Icons().IconFor(key));
    const model::CLegend& legend = book.Legend();
    for (size_t i = 0; i < legend.Count(); ++i)
        ExerciseIcon(&legend.At(i)->icon);
    book.RootPageId();
    book.RecycleBinId();
}

void WalkTree(const model::CBook& book)
{
    const model::PageTree tree(book);
    const model::CPage* root = tree.Root();
    size_t visited = 0;
    tree.WalkExpanded([&](const model::CPage& page, size_t depth) {
        if ((depth == 0) != (&page == root))
            Contradiction();
        const model::NodeLook look = tree.Look(page, depth == 0, page.Expanded(), 0x000000);
        if (look.text.size() < page.Title().size())
            Contradiction();
        ExerciseIcon(look.ownIcon);
        if (visited < kScannedNodes)
            CheckChildren(tree, page);
        return ++visited < kNodeBudget;
    });
    if ((root != nullptr) != (visited > 0))
        Contradiction();
}

}  // namespace

void ExerciseBook(model::CBook& book)
{
    ExercisePages(book);
    WalkTree(book);
    if (!book.IsProtected())
        return;
    // A wrong password still deciphers (into nonsense); both paths must
    // leave a book the viewer can show.
    docfile::UnlockBook(book, kPassword);
    book.Decipher(kPassword);
    WalkTree(book);
}

}  // namespace fuzz
