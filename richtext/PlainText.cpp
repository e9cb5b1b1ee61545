#include "richtext/PlainText.h"

namespace richtext {
namespace {

class Writer {
public:
    explicit Writer(const Document& document) : doc_(document) { out_.reserve(document.text.size()); }

    std::u16string Write()
    {
        // Tables are walked with an explicit stack: nesting is bounded, but
        // the walk needs no recursion either way.
        struct Place {
            const std::vector<Block>* blocks;
            size_t next;
            const Table* table;  // when the blocks are a cell's: where it sits
            size_t row, cell;
        };
        std::vector<Place> stack{{&doc_.body, 0, nullptr, 0, 0}};
        while (!stack.empty()) {
            Place& place = stack.back();
            if (place.next < place.blocks->size()) {
                const Block block = (*place.blocks)[place.next++];
                if (block.kind == Block::Kind::Paragraph) {
                    Paragraph(doc_.paragraphs[block.index]);
                } else if (const Table& table = doc_.tables[block.index]; !table.rows.empty() &&
                                                                          !table.rows[0].cells.empty()) {
                    stack.push_back({&table.rows[0].cells[0].blocks, 0, &table, 0, 0});
                }
                continue;
            }
            // The blocks of a cell are done: the next cell, else the next row.
            const Place done = place;
            stack.pop_back();
            if (!done.table)
                continue;
            out_ += u'\t';
            size_t row = done.row, cell = done.cell + 1;
            if (cell == done.table->rows[row].cells.size()) {
                out_ += u'\n';
                cell = 0;
                while (++row < done.table->rows.size() && done.table->rows[row].cells.empty()) {
                }
            }
            if (row < done.table->rows.size())
                stack.push_back({&done.table->rows[row].cells[cell].blocks, 0, done.table, row, cell});
        }
        return std::move(out_);
    }

private:
    void Paragraph(const richtext::Paragraph& paragraph)
    {
        for (uint32_t r = paragraph.firstRun; r < paragraph.endRun; ++r) {
            const Run& run = doc_.runs[r];
            if (run.picture != kNone)
                continue;
            for (uint32_t i = run.start; i < run.end; ++i) {
                const char16_t c = doc_.text[i];
                out_ += c == u'\x2028' ? u'\n' : c;
            }
        }
        if (paragraph.marked)
            out_ += u'\n';
    }

    const Document& doc_;
    std::u16string out_;
};

}  // namespace

std::u16string PlainText(const Document& document) { return Writer(document).Write(); }

}  // namespace richtext
