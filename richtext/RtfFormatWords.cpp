#include "richtext/RtfFormatWords.h"

#include "platform/Ascii.h"
#include "richtext/Limits.h"

#include <algorithm>

namespace richtext {

int32_t Twips(int32_t n) { return std::clamp(n, -31680, 31680); }

uint32_t ColorAt(const std::vector<uint32_t>& colors, int32_t index)
{
    return index >= 0 && static_cast<size_t>(index) < colors.size() ? colors[static_cast<size_t>(index)] : kAutoColor;
}

bool CharacterWord(Word known, const text::RtfControlWord& word, const std::vector<uint32_t>& colors,
                   CharFormat& chars)
{
    const int32_t n = word.number;
    const bool on = !word.hasNumber || n != 0;
    switch (known) {
    case Word::Bold: chars.bold = on; break;
    case Word::Italic: chars.italic = on; break;
    case Word::Underline: chars.underline = on; break;
    case Word::UnderlineNone: chars.underline = false; break;
    case Word::Strike: chars.strike = on; break;
    case Word::Super: chars.baseline = Baseline::Super; break;
    case Word::Sub: chars.baseline = Baseline::Sub; break;
    case Word::NoSuperSub: chars.baseline = Baseline::Normal; break;
    case Word::Up: chars.baseline = on ? Baseline::Super : Baseline::Normal; break;
    case Word::Down: chars.baseline = on ? Baseline::Sub : Baseline::Normal; break;
    case Word::FontSize:
        if (word.hasNumber && n > 0)
            chars.halfPoints = static_cast<uint16_t>(std::min(n, 3276));
        break;
    case Word::Color: chars.color = ColorAt(colors, n); break;
    case Word::Highlight:
    case Word::Background: chars.background = ColorAt(colors, n); break;
    default: return false;
    }
    return true;
}

bool ParagraphWord(Word known, const text::RtfControlWord& word, ParaFormat& para)
{
    const int32_t n = word.number;
    switch (known) {
    case Word::AlignLeft: para.align = Align::Left; break;
    case Word::AlignCenter: para.align = Align::Center; break;
    case Word::AlignRight: para.align = Align::Right; break;
    case Word::AlignJustify: para.align = Align::Justify; break;
    case Word::LeftIndent: para.leftIndent = Twips(n); break;
    case Word::RightIndent: para.rightIndent = Twips(n); break;
    case Word::FirstIndent: para.firstIndent = Twips(n); break;
    case Word::SpaceBefore: para.spaceBefore = Twips(n); break;
    case Word::SpaceAfter: para.spaceAfter = Twips(n); break;
    case Word::LineSpacing: para.lineSpacing = Twips(n); break;
    case Word::LineMultiple: para.lineMultiple = !word.hasNumber || n != 0; break;
    case Word::TabStop:
        if (para.tabCount < kMaxTabStops)
            para.tabs[para.tabCount++] = Twips(n);
        break;
    default: return false;
    }
    return true;
}

bool RowDefinitionWords::Apply(Word known, const text::RtfControlWord& word, const std::vector<uint32_t>& colors,
                               RowFormat& row)
{
    const int32_t n = word.number;
    switch (known) {
    case Word::RowDefault:
        row = RowFormat{};
        cell_ = CellFormat{};
        border_ = nullptr;
        break;
    case Word::RowLeft: row.left = Twips(n); break;
    case Word::RowGap: row.gap = std::clamp(n, 0, 1440); break;
    case Word::RowCenter: row.align = Align::Center; break;
    case Word::RowRight: row.align = Align::Right; break;
    case Word::CellRight:
        if (row.cells.size() < kMaxCellsPerRow) {
            cell_.right = Twips(n) - row.left;
            row.cells.push_back(cell_);
        }
        cell_ = CellFormat{};
        border_ = nullptr;
        break;
    case Word::CellMergeFirst: cell_.mergeFirst = true; break;
    case Word::CellMerge: cell_.mergeNext = true; break;
    case Word::CellVMergeFirst: cell_.vMergeFirst = true; break;
    case Word::CellVMerge: cell_.vMergeNext = true; break;
    case Word::CellShading: cell_.shading = ColorAt(colors, n); break;
    case Word::CellAlignTop: cell_.verticalAlign = 0; break;
    case Word::CellAlignCenter: cell_.verticalAlign = 1; break;
    case Word::CellAlignBottom: cell_.verticalAlign = 2; break;
    case Word::CellBorderTop: border_ = &cell_.top; break;
    case Word::CellBorderLeft: border_ = &cell_.left; break;
    case Word::CellBorderBottom: border_ = &cell_.bottom; break;
    case Word::CellBorderRight: border_ = &cell_.rightBorder; break;
    case Word::RowBorder: border_ = nullptr; break;
    case Word::BorderNone:
        if (border_)
            *border_ = Border{};
        break;
    case Word::BorderStyle:
        if (border_ && border_->width == 0)
            border_->width = 15;
        break;
    case Word::BorderWidth:
        if (border_)
            border_->width = static_cast<uint16_t>(std::clamp(n, 0, 255));
        break;
    case Word::BorderColor:
        if (border_)
            border_->color = ColorAt(colors, n);
        break;
    default: return false;
    }
    return true;
}

std::u16string HyperlinkTarget(std::u16string_view instruction)
{
    size_t at = instruction.find_first_not_of(u' ');
    if (at == std::u16string_view::npos || !platform::StartsWithFolded(instruction.substr(at), u"hyperlink"))
        return {};
    at += 9;
    bool place = false;
    while (at < instruction.size()) {
        const char16_t c = instruction[at];
        if (c == u' ') {
            ++at;
        } else if (c == u'\\') {
            place = at + 1 < instruction.size() && instruction[at + 1] == u'l';
            at += 2;
        } else {
            size_t end;
            if (c == u'"') {
                ++at;
                end = instruction.find(u'"', at);
            } else {
                end = instruction.find(u' ', at);
            }
            end = std::min(end, instruction.size());
            const std::u16string target(instruction.substr(at, end - at));
            return place ? u"#" + target : target;
        }
    }
    return {};
}


}  // namespace richtext
