#pragma once
// The ASCII letters and digits that markup, RTF control words and INI names
// are made of; other characters never match them, whatever their case.
#include <string_view>

namespace platform {

inline bool IsAsciiLetter(char16_t c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); }
inline bool IsAsciiDigit(char16_t c) { return c >= u'0' && c <= u'9'; }
inline char16_t AsciiUpper(char16_t c) { return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - 32) : c; }
inline char16_t AsciiLower(char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32) : c; }

// Whether `text` starts with `lowerPrefix` (written in lower case), ASCII
// letters compared in either case.
inline bool StartsWithFolded(std::u16string_view text, std::u16string_view lowerPrefix)
{
    if (text.size() < lowerPrefix.size())
        return false;
    for (size_t i = 0; i < lowerPrefix.size(); ++i)
        if (AsciiLower(text[i]) != lowerPrefix[i])
            return false;
    return true;
}

}  // namespace platform
