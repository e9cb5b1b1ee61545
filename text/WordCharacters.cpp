#include "text/WordCharacters.h"

#include "platform/Ascii.h"

namespace text {

bool IsWordCharacter(char16_t c)
{
    if (c < 0x80)
        return platform::IsAsciiLetterOrDigit(c);
    if (c < 0xC0)
        return c == 0xAA || c == 0xB5 || c == 0xBA;  // the Latin-1 letters among its signs
    if (c == 0xD7 || c == 0xF7)
        return false;  // multiplication and division signs
    const struct {
        char16_t first, last;
    } separators[] = {
        {0x2000, 0x206F},  // general punctuation and spaces
        {0x20A0, 0x20CF},  // currency signs
        {0x2190, 0x23FF},  // arrows, mathematical and technical signs
        {0x2500, 0x27BF},  // box drawing, shapes, dingbats
        {0x3000, 0x303F},  // CJK spaces and punctuation
        {0xFE30, 0xFE4F},  // CJK compatibility forms
        {0xFF00, 0xFF0F},  // fullwidth punctuation
        {0xFF1A, 0xFF20},
        {0xFF3B, 0xFF40},
        {0xFF5B, 0xFF65},
        {0xFEFF, 0xFEFF},  // zero-width no-break space
    };
    for (const auto& range : separators)
        if (c >= range.first && c <= range.last)
            return false;
    return true;
}

}  // namespace text
