#include <stdexcept>

#include "tests/fuzz/Corpus.h"
#include "tests/kit/Document.h"
#include "tests/kit/Icons.h"
#include "tests/kit/TourBook.h"

namespace fuzz {
namespace {

using kit::PageSpec;
using kit::PageText;
using kit::TextStore;

// Narrow and compressed stores hold Latin-1 only; the titles stay in it so
// one book can be written at every page schema.
PageText Text(const char16_t* text, TextStore store, uint16_t pageSchema)
{
    return pageSchema >= 6 ? PageText(text, store) : PageText(text);
}

PageSpec Page(uint32_t id, uint32_t parent, uint32_t kind, const char16_t* title, uint16_t pageSchema)
{
    PageSpec page;
    page.id = id;
    page.parentId = parent;
    page.kind = kind;
    const TextStore store = id % 3 == 0 ? TextStore::Jb01 : id % 3 == 1 ? TextStore::Wide : TextStore::Narrow;
    page.title = Text(title, store, pageSchema);
    page.text = Text(u"Caf\u00e9 notes: see page 3, mail ada@example.org. Caf\u00e9 notes again and again.", store, pageSchema);
    page.tipText = u"tip";
    page.sortText = title;
    page.sortWeight = 1000 * (id % 7);
    page.created.date = kit::kDefaultDate + id;
    page.modified.date = kit::kDefaultDate - id * 0.25;
    page.labelId = id % 4;
    page.pageColour = id % 2 ? 0x00336699 : 0xFF0000FF;
    return page;
}

// A root with sorted folders, every page kind, a recycle bin with a page in
// it, labels, icons, favourites and attachments.
kit::BookSpec SmallBook(uint16_t pageSchema)
{
    kit::BookSpec book;
    book.pages = {
        Page(1, 1, 4, u"Notebook", pageSchema),
        Page(2, 1, 4, u"  Projects ", pageSchema),
        Page(3, 2, 0, u"plain", pageSchema),
        Page(4, 2, 2, u"Rich", pageSchema),
        Page(5, 2, 3, u"html", pageSchema),
        Page(6, 1, 1, u"archive", pageSchema),
        Page(7, 1, 6, u"flagged", pageSchema),
        Page(8, 7, 0, u"inside flagged", pageSchema),
        Page(9, 1, 5, u"Recycle Bin", pageSchema),
        Page(10, 9, 0, u"deleted", pageSchema),
    };
    // One folder per sort key and direction, each with one child per kind.
    constexpr const char16_t* kTitles[] = {u"delta", u"Alpha", u" charlie", u"bravo", u"echo"};
    for (uint32_t key = 0; key < 12; ++key) {
        book.pages.push_back(Page(20 + key, 1, 4, kTitles[key % 5], pageSchema));
        book.pages.back().childSortKey = key;
        book.pages.back().childrenDescending = key % 2;
        for (uint32_t kind = 0; kind < 5; ++kind)
            book.pages.push_back(Page(40 + 5 * key + kind, 20 + key, kind, kTitles[(key + kind) % 5], pageSchema));
    }
    book.pages[0].childSortKey = 0;
    book.pages[1].childSortKey = 7;
    book.pages[1].childrenDescending = 1;
    book.pages[1].expanded = 1;
    book.favourites = {3, 0xFFFFFFFF, 5, 42};
    book.history = {kit::MetaInfoSpec{}, kit::MetaInfoSpec{u"LAPTOP", u"", u"bob", {}}};
    book.bookText2 = u"second text";
    book.icons.push_back({3, kit::MakeIcon32(16, [](int x, int y) { return x == y ? 0 : 0xFF00FF00u + x; }), 0});
    book.icons.push_back({4, std::nullopt, 3});
    book.icons.push_back({5, std::nullopt, 6});
    book.icons.push_back({6, std::nullopt, 5});  // a reference loop
    kit::LegendItemSpec urgent{0x0000FF, 0x11, 1, u"Urgent", kit::MakeIcon4(16, [](int x, int) { return x % 16; }), 0};
    kit::LegendItemSpec later{0x00FF00, 0x01, 2, u"later", {}, 1};
    kit::LegendItemSpec bold{0, 0x10, 3, u"Bold", {}, 2};
    book.legend.items = {urgent, later, bold};
    book.legend.groups = {{1, u"Group"}};
    kit::ExtraInfoSpec attached;
    attached.ownerPage = 3;
    attached.data = {1, 2, 3, 4, 5};
    book.extraInfo = {attached, attached, kit::ExtraInfoSpec{u"Other", 4, {}, {}, {9}}};
    return book;
}

// Duplicate identifiers and parent links that go round in circles.
kit::BookSpec CyclicBook()
{
    kit::BookSpec book;
    book.pages = {Page(1, 1, 4, u"root", 23), Page(2, 1, 4, u"a", 23), Page(3, 2, 4, u"b", 23),
                  Page(2, 3, 4, u"a again", 23), Page(3, 3, 0, u"self", 23), Page(4, 4, 0, u"top", 23)};
    return book;
}

// A recycle bin with nothing in it, current when the document was saved:
// reading removes it and records it in the page history.
kit::BookSpec EmptyBin()
{
    kit::BookSpec book;
    book.pages = {Page(1, 1, 4, u"root", 23), Page(2, 1, 5, u"Recycle Bin", 23), Page(3, 1, 0, u"page", 23)};
    book.currentPage = 2;
    return book;
}

// A chain of `depth` folders; with `copies` 2 every level holds two pages
// of one identifier, so the expanded tree doubles with each level.
kit::BookSpec Chain(uint32_t depth, int copies)
{
    kit::BookSpec book;
    for (uint32_t id = 1; id <= depth; ++id)
        for (int copy = 0; copy < (id == 1 ? 1 : copies); ++copy) {
            book.pages.push_back(Page(id, id == 1 ? 1 : id - 1, 4, copy ? u"twin" : u"level", 23));
            book.pages.back().text = PageText();  // keeps the document small
        }
    return book;
}

void Add(std::vector<Seed>& seeds, std::string name, const kit::BookSpec& book, kit::DocumentOptions options)
{
    try {
        seeds.push_back({std::move(name), kit::WriteDocument(book, options)});
    } catch (const std::exception&) {
        // The kit refuses combinations no writer produces; skip them.
    }
}

kit::DocumentOptions Options(uint16_t bookSchema, uint16_t pageSchema, bool packed)
{
    kit::DocumentOptions options;
    options.schemas.book = bookSchema;
    options.schemas.page = pageSchema;
    options.packed = packed;
    return options;
}

}  // namespace

std::vector<Seed> DocumentSeeds()
{
    std::vector<Seed> seeds;
    for (uint16_t book = 0; book <= 17; ++book) {
        const std::string name = "book" + std::to_string(book);
        Add(seeds, name + "-page23", SmallBook(23), Options(book, 23, false));
        if (book >= 15)
            Add(seeds, name + "-page23-packed", SmallBook(23), Options(book, 23, true));
    }
    for (uint16_t page = 0; page <= 23; ++page)
        Add(seeds, "book17-page" + std::to_string(page), SmallBook(page), Options(17, page, false));
    for (bool packed : {false, true}) {
        const std::string suffix = packed ? "-packed" : "";
        kit::DocumentOptions options = Options(17, 23, packed);
        options.password = u"vornview";
        Add(seeds, "protected" + suffix, SmallBook(23), options);
        options.password = u"other";
        Add(seeds, "protected-other" + suffix, SmallBook(23), options);
        Add(seeds, "tour" + suffix, kit::MakeTourBook(), Options(17, 23, packed));
        Add(seeds, "cyclic" + suffix, CyclicBook(), Options(17, 23, packed));
        Add(seeds, "chain" + suffix, Chain(300, 1), Options(17, 23, packed));
        Add(seeds, "doubling" + suffix, Chain(40, 2), Options(17, 23, packed));
    }
    Add(seeds, "empty-bin", EmptyBin(), Options(17, 23, false));
    for (uint32_t policy : {1u, 2u}) {
        kit::BookSpec book = SmallBook(23);
        book.options.expansionPolicy = policy;
        book.options.optionFlags = policy == 1 ? 0 : 1;  // folders first or not
        Add(seeds, "expansion" + std::to_string(policy), book, Options(17, 23, false));
    }
    kit::DocumentOptions longTags = Options(17, 23, false);
    longTags.knownTags = kit::KnownTagForm::Long;
    Add(seeds, "long-tags", SmallBook(23), longTags);
    kit::DocumentOptions oldLegend = Options(16, 23, false);
    oldLegend.schemas.legendItem = 1;
    Add(seeds, "legend-item1", SmallBook(23), oldLegend);
    return seeds;
}

std::vector<size_t> TruncationLengths(size_t size)
{
    std::vector<size_t> lengths;
    for (size_t n = 0; n < size && n < 48; ++n)
        lengths.push_back(n);
    for (size_t n = 48; n < size; n += n / 4)
        lengths.push_back(n);
    for (size_t missing = 1; missing <= 8 && missing < size; ++missing)
        if (size - missing >= 48)
            lengths.push_back(size - missing);
    return lengths;
}

}  // namespace fuzz
