#include "tests/kit/TourBook.h"

#include <cmath>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

#include "platform/CodePage.h"
#include "tests/kit/Icons.h"
#include "tests/kit/Picture.h"

namespace kit {
namespace {

// Colours are 0x00BBGGRR.
constexpr uint32_t kRed = 0x000000C0;
constexpr uint32_t kGreen = 0x00008000;
constexpr uint32_t kBlue = 0x00C06000;
constexpr uint32_t kPurple = 0x00800080;
constexpr uint32_t kBrown = 0x00264C99;

constexpr uint32_t kLabelImportant = 1;
constexpr uint32_t kLabelDone = 2;
constexpr uint32_t kLabelIdea = 3;
constexpr uint32_t kLabelPersonal = 4;

constexpr uint32_t kSeparator = 0xFFFFFFFF;

PageSpec Page(uint32_t id, uint32_t parent, uint32_t kind, std::u16string title, std::u16string text, double created) {
    return {.id = id, .parentId = parent, .kind = kind, .title = std::move(title), .text = std::move(text),
            .created = {0, created}, .revision = 3, .modified = {0, created + 3.25}};
}

PageSpec Folder(uint32_t id, uint32_t parent, std::u16string title, double created) {
    PageSpec page = Page(id, parent, 4, std::move(title), u"", created);
    page.expanded = 1;
    return page;
}

void SetOwnColour(PageSpec& page, uint32_t colour) {
    page.pageColour = colour & 0x00FFFFFF;
    page.flags |= 0x80;
}

uint32_t Argb(uint32_t rgb) { return 0xFF000000u | rgb; }

// A five-pointed star in gold.
IconSpec StarIcon() {
    return MakeIcon32(16, [](int x, int y) -> uint32_t {
        const double dx = x - 7.5, dy = y - 8.0;
        const double angle = std::atan2(dy, dx) + 3.14159265358979 / 2;
        const double radius = std::sqrt(dx * dx + dy * dy);
        const double spike = 0.5 + 0.5 * std::cos(5 * angle);
        return radius <= 3.2 + 4.4 * spike ? Argb(0xF2B600) : 0;
    });
}

// A tick on a green disc, in the 16-colour palette (2 green, 15 white).
IconSpec TickIcon() {
    return MakeIcon4(16, [](int x, int y) {
        const int dx = x - 7, dy = y - 7;
        if (dx * dx + dy * dy > 56) return -1;
        const bool tick = (y == x + 3 && x >= 3 && x <= 6) || (x + y == 16 && x >= 6 && x <= 12) ||
                          (y == x + 4 && x >= 3 && x <= 6) || (x + y == 17 && x >= 6 && x <= 12);
        return tick ? 15 : 2;
    });
}

// A folder with a red tab.
IconSpec FolderIcon() {
    return MakeIcon32(16, [](int x, int y) -> uint32_t {
        if (y >= 2 && y <= 4 && x >= 1 && x <= 6) return Argb(0xD04030);
        if (y >= 4 && y <= 13 && x >= 1 && x <= 14) return (y == 4 || y == 13 || x == 1 || x == 14) ? Argb(0x8A6A20) : Argb(0xF0C850);
        return 0;
    });
}

// A green leaf on a diagonal stem.
IconSpec LeafIcon() {
    return MakeIcon32(16, [](int x, int y) -> uint32_t {
        const double u = (x + y) / 2.0 - 7.5, v = (x - y) / 2.0;
        if (std::abs(v) < 0.6 && u > 3) return Argb(0x6B4E1F);
        if (u * u / 30.0 + v * v / 6.0 <= 1.0) return std::abs(v) < 0.6 ? Argb(0x9BE07A) : Argb(0x2E9E3E);
        return 0;
    });
}

ExtraInfoSpec AttachedFile(int32_t page, std::string_view name, std::string_view body, uint16_t day) {
    const SystemTime time{2026, 11, 0, day, 9, 12, 40, 0};
    std::vector<uint8_t> data(name.begin(), name.end());
    data.push_back(0);
    data.insert(data.end(), body.begin(), body.end());
    return {.ownerPage = page, .first = time, .second = time, .data = std::move(data)};
}

// The plot of the garden plan: four beds around a cross of paths, with rows
// of plants.
std::u16string PlotSketch() {
    const std::vector<uint32_t> palette = {0xFFFFFF, 0x6B4E1F, 0x2E9E3E, 0xC03030, 0xE08A1E, 0x80308A, 0xA0A0A0,
                                           0x1C5E26};
    return PictureRtf(112, 64, palette, [](int x, int y) {
        x -= 8;
        if (x < 0 || x > 95) return 0;
        if (x == 0 || y == 0 || x == 95 || y == 63) return 1;
        if (x / 3 == 15 || y / 3 == 10) return 6;
        const int bed = (y < 32 ? 0 : 2) + (x < 48 ? 0 : 1);
        return (x % 6 == 3 && y % 4 == 2) ? 7 : 2 + bed;
    });
}

// Puts the pictures where a page's text has their placeholders.
std::u16string WithPictures(std::u16string text) {
    const std::u16string placeholder = u"{\\*\\plotsketch}";
    if (size_t at = text.find(placeholder); at != std::u16string::npos) text.replace(at, placeholder.size(), PlotSketch());
    return text;
}

// A UTF-8 file of the tour's texts as UTF-16.
std::u16string ReadText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read tour text " + path.string());
    return platform::Utf8ToWide(std::string{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()});
}

std::vector<PageSpec> Pages(const std::filesystem::path& folder) {
    auto text = [&folder](const char* name) { return ReadText(folder / name); };
    std::vector<PageSpec> pages;
    auto add = [&pages](PageSpec page) -> PageSpec& { return pages.emplace_back(std::move(page)); };
    add(Page(1, 1, 2, u"Welcome to the notebook tour", text("welcome.rtf"), 45963.3333)).expanded = 1;
    PageSpec& readMe = add(Page(2, 1, 0, u"Read me first", text("read-me.txt"), 45963.35));
    readMe.labelId = kLabelImportant, readMe.tipText = u"Start here", readMe.flags |= 0x2;
    PageSpec& languages = add(Folder(3, 1, u"Languages — Языки — Γλώσσες — 言語", 45970.5));
    languages.childSortKey = 0, languages.childrenDescending = 1, languages.tipText = u"Sorted by title, descending";
    PageSpec& projects = add(Folder(4, 1, u"Projects", 45971.25));
    projects.childSortKey = 7, projects.tipText = u"Sorted by weight, heaviest first";
    add(Page(5, 1, 1, u"Web clipping: Alpine huts", text("web-clipping.mht"), 46194.6979)).labelId = kLabelPersonal;
    add(Page(6, 1, 3, u"HTML sampler", text("html-sampler.htm"), 46200.4));
    add(Page(7, 1, 0, u"Links and addresses", text("links.txt"), 46201.6));
    add(Page(8, 1, 5, u"Recycle bin", u"", 45963.3333));

    add(Page(10, 3, 0, u"Français : crème brûlée", text("french.txt"), 45990.7));
    add(Page(11, 3, 0, u"Русский: заметки о путешествии", text("russian.txt"), 46010.4)).labelId = kLabelPersonal;
    SetOwnColour(add(Page(12, 3, 0, u"Ελληνικά: σημειώσεις", text("greek.txt"), 46030.55)), kBrown);
    add(Page(13, 3, 2, u"日本語と中文：メモ", text("cjk.rtf"), 46050.8));

    PageSpec& garden = add(Page(20, 4, 2, u"Garden plan", WithPictures(text("garden.rtf")), 46095.4375));
    garden.labelId = kLabelDone, garden.sortWeight = 40000;
    PageSpec& reading = add(Page(21, 4, 0, u"Reading list", text("reading-list.txt"), 46100.5));
    reading.labelId = kLabelIdea, reading.sortWeight = 50000, reading.flags |= 0x1;
    PageSpec& budget = add(Page(22, 4, 2, u"Budget 2027", text("budget.rtf"), 46120.45));
    budget.labelId = kLabelDone, budget.sortWeight = 30000;
    SetOwnColour(budget, kPurple);  // overrides the label's green
    PageSpec& archive = add(Folder(23, 4, u"Archive", 45963.4));
    archive.sortWeight = 100, archive.expanded = 0;
    add(Page(24, 23, 0, u"Notes from 2019", text("old-notes.txt"), 43589.3854));

    add(Page(30, 8, 0, u"Old shopping list", text("deleted.txt"), 46300.75));
    return pages;
}

LegendSpec Legend() {
    LegendSpec legend;
    legend.items.push_back({kRed, 0x11, kLabelImportant, u"Important", StarIcon(), 0});
    legend.items.push_back({kGreen, 0x01, kLabelDone, u"Done", TickIcon(), 0});
    legend.items.push_back({0, 0x10, kLabelIdea, u"Idea", IconSpec{}, 0});
    legend.items.push_back({kBlue, 0x01, kLabelPersonal, u"Personal", IconSpec{}, 0});
    legend.groups.push_back({1, u"Status"});
    legend.groups.push_back({2, u"Topics"});
    return legend;
}

}  // namespace

BookSpec MakeTourBook(const std::filesystem::path& textFolder) {
    BookSpec book;
    book.pages = Pages(textFolder);
    book.currentPage = 1;
    book.saveCounter = 37;
    book.version = ArchiveVersionSpec{6, 1, 2, 418};
    book.favourites = {10, 20, kSeparator, 7, 6};
    book.options.historySwitch = 1;
    book.history = {
        MetaInfoSpec{u"STUDY-PC", u"", u"ada", TimeStamp{0, 45963.3333}},
        MetaInfoSpec{u"LAPTOP-7", u"", u"ada", TimeStamp{0, 46194.6979}},
        MetaInfoSpec{u"STUDY-PC", u"", u"Ada Łukasiewicz", TimeStamp{0, 46354.8056}},
    };
    book.icons.push_back(IconEntrySpec{4, FolderIcon(), 0});
    book.icons.push_back(IconEntrySpec{20, LeafIcon(), 0});
    book.icons.push_back(IconEntrySpec{22, std::nullopt, 20});  // shares the leaf of page 20
    book.legend = Legend();
    book.extraInfo.push_back(AttachedFile(20, "seed-list.txt", "Peas: Kelvedon Wonder\r\nTomatoes: San Marzano\r\n", 2));
    book.extraInfo.push_back(AttachedFile(20, "plot-sketch.txt", "+----+----+\r\n| N  | S  |\r\n+----+----+\r\n", 3));
    book.extraInfo.push_back(AttachedFile(22, "budget.csv", "item;qty;price\r\nseeds;24;62.40\r\n", 4));
    ExtraInfoSpec printSettings = AttachedFile(1, "", "", 5);
    printSettings.type = u"PrintSettings";
    printSettings.data = {1, 0, 0, 0, 0x34, 0x08, 0, 0};
    book.extraInfo.push_back(printSettings);
    return book;
}

}  // namespace kit
