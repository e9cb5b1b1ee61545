#pragma once
// A rich text page as the reader makes it and the writers take it: the
// characters of every paragraph in one string, runs of one character format
// over them, paragraphs in blocks, tables of rows of cells holding blocks of
// their own, pictures and link targets.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace richtext {

inline constexpr uint32_t kNone = 0xFFFFFFFF;
// A colour the text takes from its surroundings.
inline constexpr uint32_t kAutoColor = 0xFFFFFFFF;
// The character a picture stands on in the text.
inline constexpr char16_t kPictureCharacter = u'\xFFFC';

enum class Align : uint8_t { Left, Center, Right, Justify };
// The kind of face a font table names, for a reader without the face.
enum class FontFamily : uint8_t { Unknown, Roman, Swiss, Modern, Script, Decorative };

struct Font {
    std::u16string name;
    FontFamily family = FontFamily::Unknown;
};
enum class Baseline : uint8_t { Normal, Super, Sub };

struct CharFormat {
    uint32_t font = kNone;      // index into Document::fonts
    uint16_t halfPoints = 24;   // font size
    bool bold = false;
    bool italic = false;
    bool underline = false;     // of any kind
    bool strike = false;
    Baseline baseline = Baseline::Normal;
    uint32_t color = kAutoColor;       // 0xRRGGBB
    uint32_t background = kAutoColor;  // highlight or background
    bool operator==(const CharFormat&) const = default;
};

inline constexpr size_t kMaxTabStops = 32;

struct ParaFormat {
    Align align = Align::Left;
    // In twips; the first-line indent is relative to the left one.
    int32_t leftIndent = 0;
    int32_t rightIndent = 0;
    int32_t firstIndent = 0;
    int32_t spaceBefore = 0;
    int32_t spaceAfter = 0;
    // 0: single. Above 0 at least this many twips, below 0 exactly minus it;
    // with `lineMultiple` a multiple of single spacing in 240ths.
    int32_t lineSpacing = 0;
    bool lineMultiple = false;
    uint8_t tabCount = 0;
    std::array<int32_t, kMaxTabStops> tabs{};  // positions in twips
    bool operator==(const ParaFormat&) const = default;
};

// Characters [start, end) of Document::text in one format. A picture run
// is one kPictureCharacter.
struct Run {
    uint32_t start = 0;
    uint32_t end = 0;
    uint32_t format = 0;        // index into Document::formats
    uint32_t link = kNone;      // index into Document::links
    uint32_t picture = kNone;   // index into Document::pictures
};

struct Paragraph {
    uint32_t start = 0;  // its characters in Document::text; a '\n' follows
    uint32_t end = 0;    // each paragraph there, outside the range
    uint32_t firstRun = 0;
    uint32_t endRun = 0;
    uint32_t format = 0;  // index into Document::paraFormats
    bool marked = false;  // ended by a paragraph mark, not by a cell, row or the end
};

struct Block {
    enum class Kind : uint8_t { Paragraph, Table } kind = Kind::Paragraph;
    uint32_t index = 0;  // into Document::paragraphs or Document::tables
};

struct Border {
    uint16_t width = 0;  // twips; 0: none
    uint32_t color = kAutoColor;
    bool operator==(const Border&) const = default;
};

// What a row definition says of one cell.
struct CellFormat {
    int32_t right = 0;  // right edge in twips from the row's left edge
    bool mergeFirst = false, mergeNext = false;    // horizontally
    bool vMergeFirst = false, vMergeNext = false;  // vertically
    uint8_t verticalAlign = 0;                     // 0 top, 1 centre, 2 bottom
    uint32_t shading = kAutoColor;
    Border top, left, bottom, rightBorder;
};

struct Cell {
    CellFormat format;
    std::vector<Block> blocks;
};

struct Row {
    int32_t left = 0;  // left edge in twips
    int32_t gap = 0;   // half the space between cells, twips
    Align align = Align::Left;
    std::vector<Cell> cells;
};

struct Table {
    std::vector<Row> rows;
};

enum class PictureKind : uint8_t { Png, Jpeg, Bmp, Wmf, Emf, Other };

struct Picture {
    PictureKind kind = PictureKind::Other;
    std::string bytes;  // a file of its kind: a device bitmap is made a BMP file
    // The size shown, in twips, goal and scaling applied.
    int32_t width = 0;
    int32_t height = 0;
};

struct Document {
    std::u16string text;
    std::vector<Run> runs;
    std::vector<Paragraph> paragraphs;
    std::vector<Table> tables;
    std::vector<Block> body;
    std::vector<CharFormat> formats;
    std::vector<ParaFormat> paraFormats;
    std::vector<Font> fonts;
    std::vector<Picture> pictures;
    std::vector<std::u16string> links;  // link targets, as the field names them
};

}  // namespace richtext
