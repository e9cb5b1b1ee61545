#include "richtext/DocumentBuilder.h"

#include "richtext/Limits.h"

#include <algorithm>

namespace richtext {
namespace {

uint64_t Mix(uint64_t hash, uint64_t value) { return (hash ^ value) * 0x100000001B3ull; }

uint64_t HashOf(const CharFormat& f)
{
    uint64_t h = 0xCBF29CE484222325ull;
    for (uint64_t v : {uint64_t{f.font}, uint64_t{f.halfPoints}, uint64_t{f.bold}, uint64_t{f.italic},
                       uint64_t{f.underline}, uint64_t{f.strike}, uint64_t(f.baseline), uint64_t{f.color},
                       uint64_t{f.background}})
        h = Mix(h, v);
    return h;
}

}  // namespace

uint32_t DocumentBuilder::FormatIndex(const CharFormat& format)
{
    if (lastFormatIndex_ != kNone && format == lastFormat_)
        return lastFormatIndex_;
    std::vector<uint32_t>& same = formatsByHash_[HashOf(format)];
    uint32_t index = kNone;
    for (uint32_t candidate : same)
        if (doc_.formats[candidate] == format)
            index = candidate;
    if (index == kNone) {
        index = static_cast<uint32_t>(doc_.formats.size());
        doc_.formats.push_back(format);
        same.push_back(index);
    }
    lastFormat_ = format;
    lastFormatIndex_ = index;
    return index;
}

// Documents use a handful of paragraph formats, mostly the last one again.
uint32_t DocumentBuilder::ParaFormatIndex(const ParaFormat& format)
{
    auto& formats = doc_.paraFormats;
    for (size_t back = 0; back < formats.size() && back < 8; ++back)
        if (formats[formats.size() - 1 - back] == format)
            return static_cast<uint32_t>(formats.size() - 1 - back);
    const auto found = std::find(formats.begin(), formats.end(), format);
    if (found != formats.end())
        return static_cast<uint32_t>(found - formats.begin());
    formats.push_back(format);
    return static_cast<uint32_t>(formats.size() - 1);
}

void DocumentBuilder::AddText(std::u16string_view text, const CharFormat& format, uint32_t link)
{
    if (text.empty())
        return;
    const uint32_t index = FormatIndex(format);
    const auto start = static_cast<uint32_t>(doc_.text.size());
    doc_.text.append(text);
    const auto end = static_cast<uint32_t>(doc_.text.size());
    if (doc_.runs.size() > paragraphFirstRun_) {
        Run& last = doc_.runs.back();
        if (last.end == start && last.format == index && last.link == link && last.picture == kNone) {
            last.end = end;
            return;
        }
    }
    doc_.runs.push_back(Run{start, end, index, link, kNone});
}

void DocumentBuilder::AddPicture(Picture picture, const CharFormat& format)
{
    const uint32_t index = FormatIndex(format);
    const auto start = static_cast<uint32_t>(doc_.text.size());
    doc_.text += kPictureCharacter;
    doc_.runs.push_back(Run{start, start + 1, index, kNone, static_cast<uint32_t>(doc_.pictures.size())});
    doc_.pictures.push_back(std::move(picture));
}

uint32_t DocumentBuilder::AddLink(std::u16string target)
{
    doc_.links.push_back(std::move(target));
    return static_cast<uint32_t>(doc_.links.size() - 1);
}

uint32_t DocumentBuilder::FontIndex(const Font& font)
{
    const std::u16string key = static_cast<char16_t>(font.family) + font.name;
    const auto [at, added] = fontsByName_.emplace(key, static_cast<uint32_t>(doc_.fonts.size()));
    if (added)
        doc_.fonts.push_back(font);
    return at->second;
}

bool DocumentBuilder::TextPending() const { return doc_.text.size() > paragraphStart_; }

std::vector<Block>& DocumentBuilder::Container(size_t level)
{
    return level == 0 ? doc_.body : open_[level - 1].cell.blocks;
}

void DocumentBuilder::AddParagraph(const ParaFormat& format, size_t level, bool marked)
{
    EnsureLevel(level);
    Paragraph paragraph;
    paragraph.start = paragraphStart_;
    paragraph.end = static_cast<uint32_t>(doc_.text.size());
    paragraph.firstRun = paragraphFirstRun_;
    paragraph.endRun = static_cast<uint32_t>(doc_.runs.size());
    paragraph.format = ParaFormatIndex(format);
    paragraph.marked = marked;
    doc_.text += u'\n';
    paragraphStart_ = static_cast<uint32_t>(doc_.text.size());
    paragraphFirstRun_ = static_cast<uint32_t>(doc_.runs.size());
    Container(level).push_back(Block{Block::Kind::Paragraph, static_cast<uint32_t>(doc_.paragraphs.size())});
    doc_.paragraphs.push_back(paragraph);
}

void DocumentBuilder::EnsureLevel(size_t level)
{
    level = std::min(level, kMaxTableDepth);
    while (open_.size() > level)
        CloseInnermost();
    while (open_.size() < level) {
        const auto table = static_cast<uint32_t>(doc_.tables.size());
        doc_.tables.emplace_back();
        Container(open_.size()).push_back(Block{Block::Kind::Table, table});
        open_.push_back(OpenTable{table, {}, {}});
    }
}

// A table ends: a row left without its end keeps what it holds.
void DocumentBuilder::CloseInnermost()
{
    OpenTable& open = open_.back();
    if (!open.cell.blocks.empty())
        PushCell(open);
    FinishRow(open, open_.size());
    open_.pop_back();
}

void DocumentBuilder::PushCell(OpenTable& open)
{
    std::vector<Cell>& cells = open.row.cells;
    if (cells.size() < kMaxCellsPerRow) {
        cells.push_back(std::move(open.cell));
    } else {
        std::vector<Block>& last = cells.back().blocks;
        last.insert(last.end(), open.cell.blocks.begin(), open.cell.blocks.end());
    }
    open.cell = Cell{};
}

void DocumentBuilder::EndParagraph(const ParaFormat& format, size_t level, bool marked)
{
    AddParagraph(format, level, marked);
}

void DocumentBuilder::EndCell(const ParaFormat& format, size_t level)
{
    level = std::clamp<size_t>(level, 1, kMaxTableDepth);
    EnsureLevel(level);
    if (TextPending() || open_[level - 1].cell.blocks.empty())
        AddParagraph(format, level, false);
    PushCell(open_[level - 1]);
}

RowFormat& DocumentBuilder::RowDefinition(size_t level)
{
    if (rowDefinitions_.empty())
        rowDefinitions_.resize(kMaxTableDepth);
    return rowDefinitions_[std::clamp<size_t>(level, 1, kMaxTableDepth) - 1];
}

void DocumentBuilder::EndRow(const ParaFormat& format, size_t level)
{
    level = std::clamp<size_t>(level, 1, kMaxTableDepth);
    EnsureLevel(level);
    OpenTable& open = open_[level - 1];
    if (TextPending())
        AddParagraph(format, level, false);
    if (!open.cell.blocks.empty())
        PushCell(open);
    FinishRow(open, level);
}

// The cells gathered become a row, laid out by the definition in force.
void DocumentBuilder::FinishRow(OpenTable& open, size_t level)
{
    Row row = std::move(open.row);
    open.row = Row{};
    if (row.cells.empty())
        return;
    const RowFormat& definition = RowDefinition(level);
    row.left = definition.left;
    row.gap = definition.gap;
    row.align = definition.align;
    int32_t right = 0;
    for (size_t i = 0; i < row.cells.size(); ++i) {
        // A cell the definition does not describe gets an inch.
        if (i < definition.cells.size()) {
            row.cells[i].format = definition.cells[i];
        } else {
            row.cells[i].format = CellFormat{};
            row.cells[i].format.right = right + 1440;
        }
        right = std::max(right + 1, row.cells[i].format.right);
        row.cells[i].format.right = right;
    }
    doc_.tables[open.table].rows.push_back(std::move(row));
}

Document DocumentBuilder::Finish(const ParaFormat& format, size_t level)
{
    if (TextPending())
        AddParagraph(format, level, false);
    EnsureLevel(0);
    return std::move(doc_);
}

}  // namespace richtext
