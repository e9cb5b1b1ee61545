#include "tests/bench/BenchBooks.h"

#include <algorithm>

#include "docfile/ByteSource.h"
#include "docfile/LoadArchive.h"
#include "tests/bench/BenchProse.h"

namespace bench {
namespace {

// Sort keys the tree orders by, in turn: title, created, modified, sort
// text, weight, label, newest created, newest modified, size, kind, colour.
constexpr uint32_t kSortKeys[] = {0, 2, 3, 5, 7, 9, 10, 11, 1, 4, 8};

}  // namespace

kit::BookSpec ProseBook(uint32_t pages, size_t textLength, uint32_t vocabulary)
{
    Prose prose = vocabulary == 0 ? Prose(7) : Prose(7, vocabulary);
    kit::BookSpec book;
    book.pages.push_back(kit::Page(1, 1, 4, u"Notebook"));
    uint32_t folder = 1;
    for (uint32_t id = 2; book.pages.size() < pages; ++id) {
        if (id % 50 == 2) {
            folder = id;
            book.pages.push_back(kit::Page(id, 1, 4, prose.Title()));
            continue;
        }
        std::u16string text = prose.Text(textLength / 2 + prose.Next(static_cast<uint32_t>(textLength)));
        kit::PageSpec page = kit::Page(id, folder, 0, prose.Title(), {});
        if (id % 4 == 0) {
            page.kind = 2;
            text = u"{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}{\\colortbl;\\red192\\green0\\blue0;}\\f0\\fs20 " +
                   text + u"\\par}";
        }
        page.text = std::move(text);
        book.pages.push_back(std::move(page));
    }
    return book;
}

kit::BookSpec LargeBook(uint32_t pages, bool narrow)
{
    Prose prose(11);
    kit::BookSpec book;
    book.pages.reserve(pages);
    book.pages.push_back(kit::Page(1, 1, 4, u"Archive"));
    uint32_t folder = 1;
    for (uint32_t id = 2; book.pages.size() < pages; ++id) {
        if (id % 1000 == 2) {
            folder = id;
            book.pages.push_back(kit::Page(id, 1, 4, u"Year " + prose.Word()));
        } else {
            book.pages.push_back(kit::Page(id, folder, 0, prose.Title(), prose.Text(24)));
            if (narrow) {
                book.pages.back().title.store = kit::TextStore::Narrow;
                book.pages.back().text.store = kit::TextStore::Narrow;
            }
        }
    }
    return book;
}

kit::BookSpec TreeBook(std::initializer_list<uint32_t> fanOut)
{
    Prose prose(23);
    kit::BookSpec book;
    book.legend.items = {{0x0000C0, 0x11, 1, u"Urgent", {}, 0}, {0x008000, 0x01, 2, u"Later", {}, 1}};
    uint32_t nextId = 1000;
    kit::PageSpec root = kit::Page(nextId++, 0, 4, u"Notebook");
    root.parentId = root.id;
    book.pages.push_back(root);
    std::vector<uint32_t> level{root.id};
    for (auto width = fanOut.begin(); width + 1 < fanOut.end(); ++width) {
        std::vector<uint32_t> below;
        for (uint32_t parent : level)
            for (uint32_t i = 0; i < *width; ++i) {
                kit::PageSpec page = kit::Page(nextId++, parent, 4, prose.Title());
                page.childSortKey = kSortKeys[book.pages.size() % std::size(kSortKeys)];
                page.childrenDescending = book.pages.size() % 3 == 0;
                page.expanded = 1;
                below.push_back(page.id);
                book.pages.push_back(std::move(page));
            }
        level = std::move(below);
    }
    for (uint32_t parent : level)
        for (uint32_t i = 0; i < *(fanOut.end() - 1); ++i) {
            kit::PageSpec page = kit::Page(nextId++, parent, 0, prose.Title(), prose.Text(40));
            page.kind = prose.Next(4);
            page.sortText = prose.Title();
            page.sortWeight = prose.Next(65536);
            page.labelId = prose.Next(3);
            page.created.date = kit::kDefaultDate - prose.Next(3000) / 7.0;
            page.modified.date = page.created.date + prose.Next(100);
            page.pageColour = prose.Next(4) == 0 ? prose.Next(0x1000000) : 0xFF0000FF;
            book.pages.push_back(std::move(page));
        }
    // Books keep pages in the order they were made and moved about, not in
    // tree order; the root stays the first top-level page.
    Prose shuffle(5);
    for (size_t i = book.pages.size() - 1; i > 1; --i)
        std::swap(book.pages[i], book.pages[1 + shuffle.Next(static_cast<uint32_t>(i))]);
    return book;
}

kit::BookSpec ShelfBook(uint32_t shelves, uint32_t folders, uint32_t pages)
{
    const auto title = [](const char* prefix, uint32_t id) {
        const std::string text = prefix + std::to_string(id);
        return std::u16string(text.begin(), text.end());
    };
    kit::BookSpec book;
    book.pages.reserve(1 + shelves * (1 + folders * (1 + pages)));
    book.pages.push_back(kit::Page(1, 1, 4, u"Notebook"));
    uint32_t id = 2;
    for (uint32_t s = 0; s < shelves; ++s) {
        const uint32_t shelf = id++;
        book.pages.push_back(kit::Page(shelf, 1, 4, title("Shelf ", shelf)));
        for (uint32_t f = 0; f < folders; ++f) {
            const uint32_t folder = id++;
            book.pages.push_back(kit::Page(folder, shelf, 4, title("Folder ", folder)));
            for (uint32_t p = 0; p < pages; ++p, ++id)
                book.pages.push_back(kit::Page(id, folder, 0, title("Page ", id), u"A line of text."));
        }
    }
    return book;
}

std::unique_ptr<model::CBook> LoadFromMemory(const std::vector<uint8_t>& document)
{
    docfile::MemorySource source(document.data(), document.size());
    docfile::LoadArchive archive(source, std::u16string());
    auto book = std::make_unique<model::CBook>();
    book->Load(archive);
    return book;
}

}  // namespace bench
