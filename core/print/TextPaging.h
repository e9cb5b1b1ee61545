#pragma once
// Lines and pages of a text printed line by line in one font: what prints
// when the text control cannot lay out pages itself.
#include <cstddef>
#include <functional>
#include <string_view>
#include <vector>

namespace core {

struct TextLine {
    size_t start = 0;   // in the text
    size_t length = 0;  // without the paragraph end or the spaces it broke at
    bool operator==(const TextLine&) const = default;
};

// How many leading characters of `text` fit in `width` (the device measures).
using FitCount = std::function<size_t(std::u16string_view text, int width)>;

// Paragraph ends (CR LF, CR, LF) end a line, an empty paragraph is an empty
// line. A line too wide breaks at its last space that fits, or, in a word
// wider than the line, after the characters that fit, at least one: every
// line moves on. The spaces at a break belong to neither line.
std::vector<TextLine> WrapText(std::u16string_view text, int width, const FitCount& fit);

// The index of the first line of each page when `bodyHeight` holds whole
// lines of `lineHeight`, at least one. No lines make one empty page.
std::vector<size_t> PageFirstLines(size_t lineCount, int lineHeight, int bodyHeight);

}  // namespace core
