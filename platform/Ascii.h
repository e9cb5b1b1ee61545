#pragma once
// The ASCII letters and digits that markup, RTF control words and INI names
// are made of; other characters never match them, whatever their case.
#include <string_view>

namespace platform {

inline bool IsAsciiLetter(char16_t c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); }
inline bool IsAsciiDigit(char16_t c) { return c >= u'0' && c <= u'9'; }
inline char16_t AsciiUpper(char16_t c) { return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - 32) : c; }
inline char16_t AsciiLower(char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32) : c; }
inline bool IsAsciiLetterOrDigit(char16_t c) { return IsAsciiLetter(c) || IsAsciiDigit(c); }

// The value of a hexadecimal digit in either case; -1 for anything else.
inline int HexDigitValue(char16_t c)
{
    if (IsAsciiDigit(c))
        return c - u'0';
    const char16_t lower = AsciiLower(c);
    return lower >= u'a' && lower <= u'f' ? lower - u'a' + 10 : -1;
}

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

// Whether `text` is `lowerText` (written in lower case), ASCII letters
// compared in either case.
inline bool EqualsFolded(std::u16string_view text, std::u16string_view lowerText)
{
    return text.size() == lowerText.size() && StartsWithFolded(text, lowerText);
}

// Whether two texts are equal with ASCII letters compared in either case.
inline bool SameFolded(std::u16string_view a, std::u16string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (AsciiLower(a[i]) != AsciiLower(b[i]))
            return false;
    return true;
}

}  // namespace platform
