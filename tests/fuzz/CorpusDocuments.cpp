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
PageSpec Page(uint32_t id, uint32_t parent, uint32_t kind, const char16_t* title, uint16_t pageSchema)
{
    const TextStore store = id % 3 == 0 ? TextStore::Jb01 : id % 3 == 1 ? TextStore::Wide : TextStore::Narrow;
    const auto Text = [&](const char16_t* text) { return pageSchema >= 6 ? PageText(text, store) : PageText(text); };
    return {.id = id, .parentId = parent, .kind = kind, .title = Text(title),
            .text = Text(u"Caf\u00e9 notes: see page 3, mail ada@example.org. Caf\u00e9 notes again and again."),
            .created = {0, kit::kDefaultDate + id}, .tipText = u"tip", .sortWeight = 1000 * (id % 7),
            .pageColour = id % 2 ? 0x00336699u : 0xFF0000FFu, .modified = {0, kit::kDefaultDate - id * 0.25},
            .sortText = title, .labelId = id % 4};
}

// A root with sorted folders, every page kind, a recycle bin with a page in
// it, labels, icons, favourites and attachments.
kit::BookSpec SmallBook(uint16_t pageSchema)
{
    const auto page = [pageSchema](uint32_t id, uint32_t parent, uint32_t kind, const char16_t* title) {
        return Page(id, parent, kind, title, pageSchema);
    };
    kit::BookSpec book{.pages = {page(1, 1, 4, u"Notebook"), page(2, 1, 4, u"  Projects "), page(3, 2, 0, u"plain"),
                                 page(4, 2, 2, u"Rich"), page(5, 2, 3, u"html"), page(6, 1, 1, u"archive"),
                                 page(7, 1, 6, u"flagged"), page(8, 7, 0, u"inside flagged"),
                                 page(9, 1, 5, u"Recycle Bin"), page(10, 9, 0, u"deleted")}};
    // One folder per sort key and direction, each with one child per kind.
    constexpr const char16_t* kTitles[] = {u"delta", u"Alpha", u" charlie", u"bravo", u"echo"};
    for (uint32_t key = 0; key < 12; ++key) {
        kit::PageSpec& folder = book.pages.emplace_back(page(20 + key, 1, 4, kTitles[key % 5]));
        folder.childSortKey = key, folder.childrenDescending = key % 2;
        for (uint32_t kind = 0; kind < 5; ++kind)
            book.pages.push_back(page(40 + 5 * key + kind, 20 + key, kind, kTitles[(key + kind) % 5]));
    }
    book.pages[1].childSortKey = 7, book.pages[1].childrenDescending = 1, book.pages[1].expanded = 1;
    book.favourites = {3, 0xFFFFFFFF, 5, 42};
    book.history = {kit::MetaInfoSpec{}, kit::MetaInfoSpec{u"LAPTOP", u"", u"bob", {}}};
    book.bookText2 = u"second text";
    book.icons = {{3, kit::MakeIcon32(16, [](int x, int y) { return x == y ? 0 : 0xFF00FF00u + x; }), 0},
                  {4, std::nullopt, 3}, {5, std::nullopt, 6}, {6, std::nullopt, 5}};  // 5 and 6: a reference loop
    book.legend = {{{0x0000FF, 0x11, 1, u"Urgent", kit::MakeIcon4(16, [](int x, int) { return x % 16; }), 0},
                    {0x00FF00, 0x01, 2, u"later", {}, 1}, {0, 0x10, 3, u"Bold", {}, 2}},
                   {{1, u"Group"}}};
    const kit::ExtraInfoSpec attached{.ownerPage = 3, .data = {1, 2, 3, 4, 5}};
    book.extraInfo = {attached, attached, kit::ExtraInfoSpec{u"Other", 4, {}, {}, {9}}};
    return book;
}

// Duplicate identifiers and parent links that go round in circles.
kit::BookSpec CyclicBook()
{
    return {.pages = {Page(1, 1, 4, u"root", 23), Page(2, 1, 4, u"a", 23), Page(3, 2, 4, u"b", 23),
                      Page(2, 3, 4, u"a again", 23), Page(3, 3, 0, u"self", 23), Page(4, 4, 0, u"top", 23)}};
}

// A recycle bin with nothing in it, current when the document was saved:
// reading removes it and records it in the page history.
kit::BookSpec EmptyBin()
{
    return {.pages = {Page(1, 1, 4, u"root", 23), Page(2, 1, 5, u"Recycle Bin", 23), Page(3, 1, 0, u"page", 23)},
            .currentPage = 2};
}

// A chain of `depth` folders; with `copies` 2 every level holds two pages
// of one identifier, so the expanded tree doubles with each level.
kit::BookSpec Chain(uint32_t depth, int copies)
{
    kit::BookSpec book;
    for (uint32_t id = 1; id <= depth; ++id)
        for (int copy = 0; copy < (id == 1 ? 1 : copies); ++copy)  // without text: keeps the document small
            book.pages.emplace_back(Page(id, id == 1 ? 1 : id - 1, 4, copy ? u"twin" : u"level", 23)).text = PageText();
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
    return {.schemas = {.book = bookSchema, .page = pageSchema}, .packed = packed};
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

}  // namespace fuzz
