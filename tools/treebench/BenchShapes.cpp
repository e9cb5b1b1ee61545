#include "tools/treebench/BenchShapes.h"

#include "tests/kit/Document.h"

#include <string>

namespace treebench {
namespace {

constexpr uint32_t kFolder = 4, kText = 0;

std::u16string Title(const char* prefix, uint32_t n)
{
    const std::string text = prefix + std::to_string(n);
    return std::u16string(text.begin(), text.end());
}

// Root page 1, then `folders` folders under it, then pages spread over them
// until the book holds `pages`.
kit::BookSpec InFolders(uint32_t pages, uint32_t perFolder)
{
    kit::BookSpec book;
    book.pages.reserve(pages);
    book.pages.push_back(kit::Page(1, 1, kFolder, u"Notebook"));
    uint32_t id = 2, folder = 1;
    for (uint32_t n = 1; book.pages.size() < pages; ++n, ++id) {
        if (perFolder > 0 && (n - 1) % (perFolder + 1) == 0) {
            folder = id;
            book.pages.push_back(kit::Page(id, 1, kFolder, Title("Folder ", id)));
        } else {
            book.pages.push_back(kit::Page(id, folder, kText, Title("Page ", id), u"A line of text."));
        }
    }
    return book;
}

// Root, `outer` folders, each with `inner` folders of `leaves` pages.
kit::BookSpec TwoLevels(uint32_t outer, uint32_t inner, uint32_t leaves)
{
    kit::BookSpec book;
    book.pages.push_back(kit::Page(1, 1, kFolder, u"Notebook"));
    uint32_t id = 2;
    for (uint32_t o = 0; o < outer; ++o) {
        const uint32_t top = id++;
        book.pages.push_back(kit::Page(top, 1, kFolder, Title("Shelf ", top)));
        for (uint32_t i = 0; i < inner; ++i) {
            const uint32_t folder = id++;
            book.pages.push_back(kit::Page(folder, top, kFolder, Title("Folder ", folder)));
            for (uint32_t l = 0; l < leaves; ++l, ++id)
                book.pages.push_back(kit::Page(id, folder, kText, Title("Page ", id), u"A line of text."));
        }
    }
    return book;
}

// Lines of prose, an address now and then, as a long note would have.
std::u16string Prose(uint32_t kilobytes)
{
    std::u16string text;
    for (uint32_t line = 0; text.size() * sizeof(char16_t) < kilobytes * 1024u; ++line) {
        text += Title("Line ", line) + u" of a long note, in words of ordinary length";
        if (line % 20 == 0)
            text += u" (see www.example.com/notes)";
        text += u"\r\n";
    }
    return text;
}

}  // namespace

const wchar_t kSmallPageTitle[] = L"Small page";

std::vector<LongPage> LongPages() { return {{L"Plain 100 KB", 100}, {L"Plain 500 KB", 500}, {L"Plain 1 MB", 1024}}; }

std::vector<uint8_t> WriteLongPagesBook()
{
    kit::BookSpec book;
    book.pages.push_back(kit::Page(1, 1, kFolder, u"Notebook"));
    book.pages.push_back(kit::Page(2, 1, kText, u"Small page", u"A line of text."));
    uint32_t id = 3;
    for (const LongPage& page : LongPages())
        book.pages.push_back(
            kit::Page(id++, 1, kText, std::u16string(page.title.begin(), page.title.end()), Prose(page.kilobytes)));
    return kit::WriteDocument(book);
}

std::vector<Shape> Shapes()
{
    return {{L"nested-10k", L"folders of 1,000", 10000},
            {L"nested-100k", L"folders of 1,000", 100000},
            {L"nested-1m", L"folders of 1,000", 1000000},
            {L"flat-100k", L"all under the root", 100001},
            {L"deep-100k", L"10 x 100 folders of 100", 101011}};
}

std::vector<uint8_t> WriteShape(const Shape& shape)
{
    if (shape.name == L"flat-100k")
        return kit::WriteDocument(InFolders(shape.pages, 0));
    if (shape.name == L"deep-100k")
        return kit::WriteDocument(TwoLevels(10, 100, 100));
    return kit::WriteDocument(InFolders(shape.pages, 1000));
}

}  // namespace treebench
