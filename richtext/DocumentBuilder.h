#pragma once
// Puts a document together as the reader goes: text into runs, runs into
// paragraphs, paragraphs into the body or into the cell of the table level
// they belong to. Tables open when a paragraph or a cell of a deeper level
// comes and close when one of a shallower level does.
#include "richtext/Document.h"

#include <string>
#include <string_view>
#include <unordered_map>

namespace richtext {

// What a row definition (\trowd ... \cellx) says; applied to the row it ends.
struct RowFormat {
    int32_t left = 0;
    int32_t gap = 0;
    Align align = Align::Left;
    std::vector<CellFormat> cells;
};

class DocumentBuilder {
public:
    void AddText(std::u16string_view text, const CharFormat& format, uint32_t link);
    void AddPicture(Picture picture, const CharFormat& format);
    uint32_t AddLink(std::u16string target);
    // The index of a face name in the document's fonts.
    uint32_t FontIndex(const Font& font);

    // A paragraph of table level `level` (0: the body) ends.
    void EndParagraph(const ParaFormat& format, size_t level, bool marked);
    // The cell of table level `level` (from 1) ends, with the text before it.
    void EndCell(const ParaFormat& format, size_t level);
    // The row of table level `level` ends; its definition is the one in
    // force for that level then.
    void EndRow(const ParaFormat& format, size_t level);
    RowFormat& RowDefinition(size_t level);
    // The text after the last paragraph end is a paragraph of `level`.
    Document Finish(const ParaFormat& format, size_t level);

private:
    struct OpenTable {
        uint32_t table = 0;
        Row row;
        Cell cell;
    };

    bool TextPending() const;
    uint32_t FormatIndex(const CharFormat& format);
    uint32_t ParaFormatIndex(const ParaFormat& format);
    void AddParagraph(const ParaFormat& format, size_t level, bool marked);
    void EnsureLevel(size_t level);
    void CloseInnermost();
    std::vector<Block>& Container(size_t level);
    void PushCell(OpenTable& open);
    void FinishRow(OpenTable& open, size_t level);

    Document doc_;
    uint32_t paragraphStart_ = 0;  // text and runs of the paragraph in progress
    uint32_t paragraphFirstRun_ = 0;
    std::vector<OpenTable> open_;  // level n at index n - 1
    std::vector<RowFormat> rowDefinitions_;
    CharFormat lastFormat_;
    uint32_t lastFormatIndex_ = kNone;
    std::unordered_map<uint64_t, std::vector<uint32_t>> formatsByHash_;
    std::unordered_map<std::u16string, uint32_t> fontsByName_;  // the family's number first
};

}  // namespace richtext
