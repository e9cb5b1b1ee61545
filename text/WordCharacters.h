#pragma once
// Where words start and end in page text: letters and digits make words,
// everything else separates them.
namespace text {

// One UTF-16 unit. Beyond Latin-1 only the common blocks of punctuation,
// symbols and spaces separate words; every other unit, surrogate halves
// included, counts as a letter.
bool IsWordCharacter(char16_t c);

}  // namespace text
