#include "core/links/LinkTarget.h"

#include "core/links/Links.h"
#include "platform/Ascii.h"

#include <array>
#include <vector>

namespace core {
namespace {

using View = std::u16string_view;
constexpr size_t npos = View::npos;
constexpr size_t kShownLimit = 200;  // units of the shown target
constexpr View kEllipsis = u"\u2026";

bool IsSurrogate(char32_t c) { return c >= 0xD800 && c <= 0xDFFF; }

// Characters that draw nothing or change how the rest draws: controls,
// format characters (bidi overrides and isolates, zero-width ones, tags),
// line and paragraph separators, spaces other than the plain one, and
// halves of surrogate pairs standing alone.
bool IsInvisible(char32_t c)
{
    if (c < 0x20 || (c >= 0x7F && c <= 0xA0) || c == 0xAD || IsSurrogate(c))
        return true;
    constexpr std::array<std::pair<char32_t, char32_t>, 20> kRanges = {{{0x0600, 0x0605},
                                                                         {0x061C, 0x061C},
                                                                         {0x06DD, 0x06DD},
                                                                         {0x070F, 0x070F},
                                                                         {0x08E2, 0x08E2},
                                                                         {0x1680, 0x1680},
                                                                         {0x180E, 0x180E},
                                                                         {0x2000, 0x200F},
                                                                         {0x2028, 0x202F},
                                                                         {0x205F, 0x2064},
                                                                         {0x2066, 0x206F},
                                                                         {0x3000, 0x3000},
                                                                         {0xFEFF, 0xFEFF},
                                                                         {0xFFF9, 0xFFFB},
                                                                         {0x110BD, 0x110BD},
                                                                         {0x110CD, 0x110CD},
                                                                         {0x1BCA0, 0x1BCA3},
                                                                         {0x1D173, 0x1D17A},
                                                                         {0xE0001, 0xE0001},
                                                                         {0xE0020, 0xE007F}}};
    for (const auto& [first, last] : kRanges)
        if (c >= first && c <= last)
            return true;
    return false;
}

// The code point at `i` and how many units it takes; a half of a pair
// standing alone is its own code point.
std::pair<char32_t, size_t> CodePointAt(View text, size_t i)
{
    const char32_t c = text[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF)
        return {0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00), 2};
    return {c, 1};
}

bool HasInvisible(View text)
{
    for (size_t i = 0; i < text.size();) {
        const auto [c, units] = CodePointAt(text, i);
        if (IsInvisible(c))
            return true;
        i += units;
    }
    return false;
}

// Text a web or mail target may hold after its scheme.
bool IsClean(View text) { return text.find_first_of(u" \\\"'`") == npos && !HasInvisible(text); }

bool IsHostCharacter(char16_t c) { return platform::IsAsciiLetter(c) || platform::IsAsciiDigit(c) || c == u'-' || c == u'_' || c >= 0x80; }

// "www." then more labels of a host name, an optional numeric port, and then
// nothing or a path, query or fragment: "www.exe" or "www.txt:evil.exe" names
// a file, not a host.
bool HasWebHost(View link)
{
    const View authority = link.substr(0, link.find_first_of(u"/?#"));
    const size_t colon = authority.find(u':');
    const View host = authority.substr(0, colon);
    if (colon != npos) {
        const View port = authority.substr(colon + 1);
        if (port.empty() || port.size() > 5)
            return false;
        for (char16_t c : port)
            if (!platform::IsAsciiDigit(c))
                return false;
    }
    size_t labels = 0;
    for (size_t start = 0; start <= host.size(); ++labels) {
        size_t end = host.find(u'.', start);
        if (end == npos)
            end = host.size();
        if (end == start)
            return false;  // an empty label
        for (size_t i = start; i < end; ++i)
            if (!IsHostCharacter(host[i]))
                return false;
        start = end + 1;
    }
    return labels >= 3;
}

// An address as the address scan marks it, and nothing hidden in it.
bool IsPlainAddress(View link)
{
    constexpr View kNotInAddresses = u"\t ,\r\n!#$%^*+|><\\/;:][\"`";
    return IsMailAddress(link) && link.find_first_of(kNotInAddresses) == npos && !HasInvisible(link);
}

}  // namespace

ShellLink DecideShellLink(View linkText)
{
    const std::u16string text(linkText);
    if (platform::StartsWithFolded(linkText, u"www.")) {
        if (IsClean(linkText) && HasWebHost(linkText))
            return {u"http://" + text, false};
        return {text, true};
    }
    for (View scheme : {u"http://", u"https://", u"ftp://", u"mailto:"})
        if (platform::StartsWithFolded(linkText, scheme))
            return {text, !IsClean(linkText.substr(scheme.size()))};
    if (IsPlainAddress(linkText))
        return {u"mailto:" + text, false};
    return {text, true};
}

std::u16string ShownTarget(View target)
{
    // Each code point as it shows: itself, or its number.
    std::vector<std::u16string> pieces;
    size_t length = 0;
    for (size_t i = 0; i < target.size();) {
        const auto [c, units] = CodePointAt(target, i);
        std::u16string piece;
        if (IsInvisible(c)) {
            constexpr char kHex[] = "0123456789ABCDEF";
            std::u16string digits;
            for (char32_t rest = c; rest != 0 || digits.size() < 4; rest >>= 4)
                digits.insert(digits.begin(), static_cast<char16_t>(kHex[rest & 0xF]));
            piece = u"<U+" + digits + u">";
        } else {
            piece = target.substr(i, units);
        }
        length += piece.size();
        pieces.push_back(std::move(piece));
        i += units;
    }
    std::u16string shown;
    if (length <= kShownLimit) {
        for (const std::u16string& piece : pieces)
            shown += piece;
        return shown;
    }
    // As much of the start as of the end: the end names what opens.
    const size_t half = (kShownLimit - kEllipsis.size()) / 2;
    size_t head = 0, headLength = 0;
    while (headLength + pieces[head].size() <= half)
        headLength += pieces[head++].size();
    size_t tail = pieces.size(), tailLength = 0;
    while (tailLength + pieces[tail - 1].size() <= half)
        tailLength += pieces[--tail].size();
    for (size_t i = 0; i < head; ++i)
        shown += pieces[i];
    shown += kEllipsis;
    for (size_t i = tail; i < pieces.size(); ++i)
        shown += pieces[i];
    return shown;
}

std::u16string OpenQuestion(View target)
{
    return u"This link leads neither to a web page nor to an e-mail address:\n\n" + ShownTarget(target) +
           u"\n\nOpening it may start a program. Open it anyway?";
}

}  // namespace core
