// The rich text reader on any input, read as a page holds it (8-bit text
// widened in code page 1252, and the same bytes as UTF-16 units), then
// written as HTML and as plain text. The document must hang together:
// every run, paragraph, cell and picture where the model says. Recoloured
// for a dark page, it reads as the same text, a bounded size larger.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/panes/RtfAutoColour.h"
#include "platform/CodePage.h"
#include "richtext/HtmlWriter.h"
#include "richtext/PlainText.h"
#include "richtext/RtfReader.h"

namespace {

void Check(bool holds)
{
    if (!holds)
        __builtin_trap();
}

void CheckBlocks(const richtext::Document& doc, const std::vector<richtext::Block>& blocks, size_t depth)
{
    Check(depth <= 17);
    for (const richtext::Block& block : blocks) {
        if (block.kind == richtext::Block::Kind::Table) {
            Check(block.index < doc.tables.size());
            for (const richtext::Row& row : doc.tables[block.index].rows) {
                Check(!row.cells.empty() && row.cells.size() <= 64);
                for (const richtext::Cell& cell : row.cells)
                    CheckBlocks(doc, cell.blocks, depth + 1);
            }
            continue;
        }
        Check(block.index < doc.paragraphs.size());
        const richtext::Paragraph& p = doc.paragraphs[block.index];
        Check(p.start <= p.end && p.end < doc.text.size() && doc.text[p.end] == u'\n');
        Check(p.firstRun <= p.endRun && p.endRun <= doc.runs.size() && p.format < doc.paraFormats.size());
        for (uint32_t r = p.firstRun; r < p.endRun; ++r) {
            const richtext::Run& run = doc.runs[r];
            Check(p.start <= run.start && run.start < run.end && run.end <= p.end);
            Check(run.format < doc.formats.size() && (run.link == richtext::kNone || run.link < doc.links.size()));
            Check(run.picture == richtext::kNone || (run.picture < doc.pictures.size() && run.end == run.start + 1));
        }
    }
}

void ReadAndWrite(std::u16string_view rtf)
{
    const richtext::Document doc = richtext::ReadRtf(rtf, 1252);
    CheckBlocks(doc, doc.body, 0);
    const std::u16string text = richtext::PlainText(doc);
    // Each table cell and row adds one character at most, all of them markup.
    Check(text.size() <= 2 * rtf.size() + 2);
    Check(!richtext::WriteHtml(doc, {}).empty());
    const std::u16string recoloured = core::RtfWithAutoColour(rtf, 0xE0E0E0);
    Check(recoloured.size() <= 3 * rtf.size() + 64);
    Check(richtext::PlainText(richtext::ReadRtf(recoloured, 1252)) == text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    ReadAndWrite(platform::NarrowToWide(bytes, 1252));
    std::u16string units(size / 2, u'\0');
    for (size_t i = 0; i + 1 < size; i += 2)
        units[i / 2] = static_cast<char16_t>(data[i] | data[i + 1] << 8);
    ReadAndWrite(units);
    return 0;
}
