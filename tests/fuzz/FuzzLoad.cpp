// Loads a document from arbitrary bytes, then looks at it the way the
// viewer does. Reading may fail only with an ArchiveError.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <iterator>

#include "docfile/ByteSource.h"
#include "docfile/LoadArchive.h"
#include "model/Book.h"
#include "model/PageTree.h"
#include "opening/ReadDocument.h"
#include "platform/CodePage.h"

namespace {

// Duplicate identifiers can make the expanded tree exponentially larger
// than the book; the viewer would show it all, the fuzzer stops early.
constexpr size_t kNodeBudget = 4096;
// Nodes whose children are also checked against a plain scan of the book.
constexpr size_t kScannedNodes = 32;
constexpr char16_t kPassword[] = u"vornview";

// Stops the run when one answer contradicts another.
void Check(bool consistent)
{
    if (!consistent)
        __builtin_trap();
}

void ExerciseIcon(const model::CIcon* icon)
{
    if (!icon)
        return;
    for (int size : {16, 32, -1}) {
        const auto image = icon->Image(size, size);
        Check(!image || (!image->andBits.empty() && image->width > 0 && image->height > 0));
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
    Check(tree.Children(node) == scanned);
    std::vector<const model::CPage*> sorted = tree.SortedChildren(node);
    std::sort(sorted.begin(), sorted.end());
    std::sort(scanned.begin(), scanned.end());
    Check(sorted == scanned && tree.HasChildren(node) == !scanned.empty());
}

void ExercisePages(const model::CBook& book)
{
    for (size_t i = 0; i < book.PageCount(); ++i) {
        const model::CPage& page = *book.PageAt(i);
        const std::u16string text = page.Text();
        Check(text.size() * 2 == page.TextSize());
        // Some page with the identifier is found, not necessarily this one.
        const int64_t found = book.IndexOfPage(page.Id());
        Check(found >= 0 && book.PageAt(static_cast<size_t>(found))->Id() == page.Id() &&
              book.FindPage(page.Id()) == book.PageAt(static_cast<size_t>(found)));
        book.HasChildren(page.Id()), book.IsTopPage(page.Id());
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
    book.RootPageId(), book.RecycleBinId();
}

void WalkTree(const model::CBook& book)
{
    const model::PageTree tree(book);
    const model::CPage* root = tree.Root();
    size_t visited = 0;
    tree.WalkExpanded([&](const model::CPage& page, size_t depth) {
        Check((depth == 0) == (&page == root));
        const model::NodeLook look = tree.Look(page, depth == 0, page.Expanded(), 0x000000);
        Check(look.text.size() >= page.Title().size());
        ExerciseIcon(look.ownIcon);
        if (visited < kScannedNodes)
            CheckChildren(tree, page);
        return ++visited < kNodeBudget;
    });
    Check((root != nullptr) == (visited > 0));
}

// Makes every query the viewer makes of a loaded (or partly loaded) book,
// and stops when one of them contradicts another.
void ExerciseBook(model::CBook& book)
{
    ExercisePages(book);
    WalkTree(book);
    if (!book.IsProtected())
        return;
    // A wrong password still deciphers (into nonsense); both paths must
    // leave a book the viewer can show.
    opening::UnlockBook(book, kPassword);
    book.Decipher(kPassword);
    WalkTree(book);
}

// Narrow text is converted with the reader's code page; multi-byte and
// stateful ones see the most varied byte sequences.
constexpr unsigned kCodePages[] = {1252, 1252, 1252, 1252, 932, 936, 949, 950, 65001, 1251, 20866, 54936, 50220};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // The last byte picks the code page: it rarely matters to the structure.
    platform::SetAnsiCodePage(size == 0 ? 1252 : kCodePages[data[size - 1] % std::size(kCodePages)]);
    docfile::MemorySource source(data, size);
    model::CBook book;
    try {
        docfile::LoadArchive archive(source, u"/fuzz/input.vnb");
        book.Load(archive);
    } catch (const docfile::ArchiveError& error) {
        // The message is what the viewer shows; building it must be safe too.
        if (error.Message().empty())
            __builtin_trap();
    }
    // Whatever was read before a failure stays in the book, and callers
    // may still ask it questions.
    ExerciseBook(book);
    return 0;
}
