#pragma once
// Plain descriptions of every stored record, with every field a schema has
// ever carried (dropped ones included), so tests can write any schema.
// Defaults are what a freshly made record of the writing application holds,
// with fixed times so output is reproducible.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kit {

// 2026-03-14 10:30 as an OLE automation date.
inline constexpr double kDefaultDate = 46095.4375;

struct TimeStamp {
    uint32_t status = 0;  // 0 valid, 1 invalid, 2 null
    double date = kDefaultDate;
};

// SYSTEMTIME: eight little-endian WORDs.
struct SystemTime {
    uint16_t year = 2026, month = 3, dayOfWeek = 6, day = 14;
    uint16_t hour = 10, minute = 30, second = 0, milliseconds = 0;
};

// How a page text field is stored: an archive string of the wide or narrow
// form, or a compressed string holding a JB01 stream or the narrow text as
// is. Auto picks what the schema allows (wide; JB01 for schemas 4 and 5).
enum class TextStore { Auto, Wide, Narrow, Jb01, RawNarrow };

// A page text field. Narrow and compressed forms store `narrow` when it is
// set, otherwise `text` taken as Latin-1 (units above 0xFF are an error).
// RawNarrow with crafted `narrow` bytes puts any bytes, a hand-made JB01
// stream included, into a compressed string.
struct PageText {
    std::u16string text;
    TextStore store = TextStore::Auto;
    std::optional<std::string> narrow;

    PageText() = default;
    PageText(std::u16string value) : text(std::move(value)) {}
    PageText(const char16_t* value) : text(value) {}
    PageText(std::u16string value, TextStore how) : text(std::move(value)), store(how) {}
};

struct PageSpec {
    uint32_t id = 1;
    uint32_t parentId = 1;  // equal to id for a top-level page
    uint32_t kind = 0;      // 0 text, 1 web archive, 2 rich text, 3 HTML, 4 folder, 5 bin, 6 flagged folder
    PageText title;
    PageText text;  // schema < 23; from 23 on it fills the content block unless `content` is set
    // Schema 23 content block, exactly as stored (overrides `text`).
    std::optional<std::vector<uint8_t>> content;
    uint32_t leadingValue = 0;
    uint32_t codePage = 1200;
    TimeStamp created;
    uint32_t backgroundColour = 0xFFFFFF;
    uint32_t caretPosition = 0;
    uint32_t expanded = 0;
    PageText formerText11;  // always present, dropped on reading
    PageText auxText1;
    uint32_t formerValue13 = 0;  // schema < 16
    uint32_t folderFlag = 0;     // schema < 9
    PageText formerText15;       // schemas 2..6
    PageText tipText;            // schema >= 3
    uint32_t revision = 0;       // schema >= 3
    uint32_t formerValue18 = 0;  // schemas 5..19
    uint32_t sortWeight = 32768;  // schema >= 8
    uint32_t optionalValue = 0;   // schema >= 10
    std::array<uint8_t, 16> optionalBlock{};
    int32_t auxValue = -1;        // schema >= 11
    uint32_t childSortKey = 0;    // schema >= 12
    uint32_t pageColour = 0xFF0000FF;  // schema >= 13, top byte 0 = in force
    uint32_t colourSwitch = 0;    // schemas 13..16
    TimeStamp modified;           // schema >= 14
    uint32_t htmlCaretPosition = 0;  // schema >= 15
    std::u16string sortText;         // schema >= 16, always a plain archive string
    uint32_t childrenDescending = 0;  // schema >= 18
    uint32_t flags = 0x1000;          // schema >= 19
    uint32_t labelId = 0;             // schema >= 20
};

struct ArchiveVersionSpec {
    uint32_t major = 6, minor = 1, release = 2, build = 418;
};

struct MetaInfoSpec {
    std::u16string computer = u"STUDY-PC";
    std::u16string former;  // written empty by the application
    std::u16string user = u"ada";
    TimeStamp saved;
};

struct BookOptionsSpec {
    uint32_t leading = 2;
    uint32_t formerValue3 = 0;  // schemas 2..9
    uint32_t formerValue4 = 0;  // schemas 3..12
    uint32_t value1 = 1;        // schema >= 4
    uint32_t optionalBlockOption = 0;  // schema >= 5
    uint32_t formerValue7 = 0;  // schemas 6..9
    uint32_t historySwitch = 0;  // schema >= 7
    uint32_t value2 = 0;         // schema >= 8
    std::u16string text1;        // schema >= 9
    std::u16string text2;        // schema >= 11
    uint32_t historyLimit = 25;  // schema >= 12
    int32_t value4 = -1;         // schema >= 14
    uint32_t value5 = 0x808080;  // schema >= 14
    uint32_t value3 = 6;         // schema >= 15
    uint32_t optionFlags = 1;    // schema >= 16, 0x1 folders first
    uint32_t expansionPolicy = 0;  // schema >= 17
};

struct ExtraInfoSpec {
    std::u16string type = u"File2VornFileData";
    int32_t ownerPage = -1;
    SystemTime first, second;
    std::vector<uint8_t> data;
};

// One GDI BITMAP and its bits; height x widthBytes bytes are written,
// zero-filled where `bits` is shorter.
struct BitmapSpec {
    uint16_t bitsPixel = 1;
    int32_t height = 16;
    uint16_t planes = 1;
    int32_t type = 0;
    int32_t width = 16, widthBytes = 2;
    std::vector<uint8_t> bits;
};

struct IconSpec {
    int32_t width = 0, height = 0;
    uint8_t planes = 0;
    uint8_t bitsPerPixel = 0;      // 0 = empty icon
    std::vector<BitmapSpec> bitmaps;  // [0] AND mask, [1] colour bits
};

// One entry of the book's icon collection: an own icon or a reference.
struct IconEntrySpec {
    uint32_t key = 0;
    std::optional<IconSpec> icon;
    uint32_t reference = 0;  // written when there is no icon
};

struct LegendItemSpec {
    uint32_t colour = 0;
    uint32_t flags = 0;  // 0x1 colour in force, 0x10 bold
    int32_t id = 0;
    std::u16string name;
    IconSpec icon;
    uint32_t value = 0;  // schema >= 2
};

struct LegendGroupSpec {
    uint32_t value = 1;
    std::u16string name;
};

struct LegendSpec {
    std::vector<LegendItemSpec> items;
    std::vector<LegendGroupSpec> groups;
    // False writes only the item count and items: the legend's own tag and
    // the groups are missing, as at the end of some older streams.
    bool withTag = true;
};

struct RefSpec {
    std::array<uint32_t, 3> values{};
};

struct BookSpec {
    uint32_t pageFlagSummary = 0;  // dropped on reading
    std::u16string verifier;       // set from DocumentOptions::password when empty
    std::vector<PageSpec> pages;
    std::optional<int32_t> pageCount;  // overrides pages.size(), e.g. negative
    uint32_t currentPage = 1;
    ArchiveVersionSpec version;        // schema >= 14
    uint32_t formerValue6 = 0;         // schemas 3..6
    uint32_t saveCounter = 0;          // schema >= 3
    std::vector<uint32_t> formerFavourites;  // schema < 5, dropped
    std::vector<uint32_t> favourites;        // schema >= 2; 0xFFFFFFFF = separator
    uint32_t formerValue12 = 0;        // schemas 4..9
    BookOptionsSpec options;           // schema >= 6
    std::array<MetaInfoSpec, 2> formerMeta;  // schema 8 only, dropped
    std::vector<MetaInfoSpec> history;       // schema >= 9
    std::u16string bookText2;                // schema >= 10
    std::vector<IconEntrySpec> icons;        // schema >= 11
    std::vector<RefSpec> refs;               // schema 12 only, dropped
    LegendSpec legend;                       // schema >= 16
    std::vector<ExtraInfoSpec> extraInfo;    // schema >= 17
};

// A page and a book of pages, as most tests write them.
inline PageSpec Page(uint32_t id, uint32_t parent, uint32_t kind, std::u16string title, std::u16string text = {})
{
    PageSpec page;
    page.id = id, page.parentId = parent, page.kind = kind;
    page.title = std::move(title), page.text = std::move(text);
    return page;
}

inline BookSpec BookOf(std::vector<PageSpec> pages)
{
    BookSpec book;
    book.pages = std::move(pages);
    return book;
}

}  // namespace kit
