#pragma once
// What the words of character, paragraph and row formats change, and the
// link target a field names.
#include "richtext/DocumentBuilder.h"
#include "richtext/RtfWords.h"
#include "text/RtfSyntax.h"

#include <string>
#include <string_view>
#include <vector>

namespace richtext {

// A length in twips, within 22 inches either way.
int32_t Twips(int32_t n);
// Entry `index` of the colour table, or kAutoColor.
uint32_t ColorAt(const std::vector<uint32_t>& colors, int32_t index);

// Bold, italic, underline, sizes, colours ...; false for another word.
bool CharacterWord(Word known, const text::RtfControlWord& word, const std::vector<uint32_t>& colors,
                   CharFormat& chars);
// Alignment, indents, spacing, tab stops; false for another word.
bool ParagraphWord(Word known, const text::RtfControlWord& word, ParaFormat& para);

// \trowd ... \cellx: the properties of a cell gather until its \cellx.
class RowDefinitionWords {
public:
    bool Apply(Word known, const text::RtfControlWord& word, const std::vector<uint32_t>& colors, RowFormat& row);

private:
    CellFormat cell_;
    Border* border_ = nullptr;  // the border the next border words describe
};

// The target of a HYPERLINK field's instruction: its first argument, or
// "#name" for a place in the document (\l "name").
std::u16string HyperlinkTarget(std::u16string_view instruction);

}  // namespace richtext
