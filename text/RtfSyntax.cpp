#include "text/RtfSyntax.h"

#include "platform/Ascii.h"

#include <algorithm>

namespace text {

RtfControlWord ReadControlWord(std::u16string_view rtf, size_t& at)
{
    constexpr int64_t kLargest = 2000000000;
    RtfControlWord word;
    const size_t start = at;
    while (at < rtf.size() && platform::IsAsciiLetter(rtf[at]))
        ++at;
    word.name = rtf.substr(start, at - start);
    const bool negative = at < rtf.size() && rtf[at] == u'-';
    if (negative)
        ++at;
    int64_t n = 0;
    const size_t digits = at;
    for (; at < rtf.size() && platform::IsAsciiDigit(rtf[at]); ++at)
        n = std::min(n * 10 + (rtf[at] - u'0'), kLargest);
    word.hasNumber = at > digits;
    word.number = static_cast<int32_t>(negative ? -n : n);
    if (at < rtf.size() && rtf[at] == u' ')
        ++at;
    return word;
}

int FallbackCount(int32_t ucNumber) { return ucNumber < 0 ? 0 : ucNumber > 16 ? 16 : static_cast<int>(ucNumber); }

char16_t ControlWordCharacter(std::u16string_view name)
{
    struct Entry {
        std::u16string_view name;
        char16_t character;
    };
    static constexpr Entry kWords[] = {
        {u"par", u'\n'},         {u"line", u'\n'},        {u"sect", u'\n'},         {u"page", u'\n'},
        {u"row", u'\n'},         {u"tab", u'\t'},         {u"cell", u'\t'},         {u"emdash", u'\x2014'},
        {u"endash", u'\x2013'},  {u"bullet", u'\x2022'},  {u"lquote", u'\x2018'},   {u"rquote", u'\x2019'},
        {u"ldblquote", u'\x201C'}, {u"rdblquote", u'\x201D'},
    };
    for (const Entry& entry : kWords)
        if (entry.name == name)
            return entry.character;
    return 0;
}

char16_t ControlSymbolCharacter(char16_t symbol)
{
    switch (symbol) {
    case u'~': return u'\x00A0';
    case u'_': return u'-';
    case u'-':   // an optional hyphen shows only where a line breaks
    case u'*':   // marks a destination
    case u'\'':  // a byte, read by the caller
        return 0;
    case u'\r':
    case u'\n': return u'\n';
    default: return symbol < 0x80 ? symbol : 0;  // \\, \{, \} and the rest stand for themselves
    }
}

}  // namespace text
