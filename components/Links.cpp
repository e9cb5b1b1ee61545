#include "components/Links.h"

#include "components/Ascii.h"
#include "components/WordCharacters.h"

#include <array>

namespace components {
namespace {

using View = std::u16string_view;
constexpr size_t npos = View::npos;

// Markup words are ASCII: folding only ASCII letters keeps every position
// and never lets another script match them.
std::u16string FoldedCopy(View text)
{
    std::u16string folded(text);
    for (char16_t& c : folded)
        c = AsciiLower(c);
    return folded;
}

bool StartsWithFolded(View text, View prefix)
{
    if (text.size() < prefix.size())
        return false;
    for (size_t i = 0; i < prefix.size(); ++i)
        if (AsciiLower(text[i]) != prefix[i])
            return false;
    return true;
}

bool EqualsFolded(View text, View other) { return text.size() == other.size() && StartsWithFolded(text, other); }

// The schemes the link scan looks for, in the order it looks.
constexpr std::array<View, 14> kSchemePrefixes = {u"http:",   u"www.",     u"file:",   u"mailto:", u"ftp:",
                                                  u"https:",  u"gopher:",  u"nntp:",   u"prospero:",
                                                  u"telnet:", u"news:",    u"wais:",   u"lt:",     u"vnb:"};
// A prefix standing alone (or with "//") is no link; file: and the rarer
// schemes are not in this list and are marked even alone.
constexpr std::array<View, 9> kBarePrefixes = {u"http:", u"www.",    u"ftp:",  u"mailto:", u"https:",
                                               u"nntp:", u"telnet:", u"news:", u"lt:"};
constexpr View kLinkEnds = u" \r\n\t";
constexpr View kAddressDelimiters = u"\t ,\r\n!#$%^*+|><\\/;:][\"";

bool IsBarePrefix(View candidate)
{
    for (View bare : kBarePrefixes) {
        if (EqualsFolded(candidate, bare))
            return true;
        if (candidate.size() == bare.size() + 2 && StartsWithFolded(candidate, bare) &&
            candidate.substr(bare.size()) == u"//")
            return true;
    }
    return false;
}

bool IsAddressDelimiter(char16_t c) { return kAddressDelimiters.find(c) != npos; }

struct MarkerHead {
    uint32_t page = 0;
    size_t captionStart = 0;  // just after the head's "<"
};

// "page", an optional "-", a number not starting with 0, then "<", "://<",
// or "|" fields up to a "<" (the last may end in "//"). The word "page" is
// compared as the caller folded the text.
std::optional<MarkerHead> ParseHead(View text, size_t at)
{
    size_t i = at + 4;
    const bool negative = i < text.size() && text[i] == u'-';
    if (negative)
        ++i;
    if (i >= text.size() || !IsAsciiDigit(text[i]) || text[i] == u'0')
        return std::nullopt;
    int64_t value = 0;
    for (; i < text.size() && IsAsciiDigit(text[i]); ++i) {
        value = value * 10 + (text[i] - u'0');
        if (value > (negative ? int64_t{1} << 31 : 0xFFFFFFFFll))
            return std::nullopt;  // no page identifier is that large
    }
    MarkerHead head;
    head.page = static_cast<uint32_t>(negative ? -value : value);
    if (text.substr(i, 1) == u"<") {
        head.captionStart = i + 1;
    } else if (text.substr(i, 4) == u"://<") {
        head.captionStart = i + 4;
    } else if (text.substr(i, 1) == u"|") {
        const size_t end = text.find_first_of(u"<>\r\n", i);
        if (end == npos || text[end] != u'<')
            return std::nullopt;
        head.captionStart = end + 1;
    } else {
        return std::nullopt;
    }
    return head;
}

}  // namespace

void HideBookmarks(LinkText& link)
{
    const std::u16string folded = FoldedCopy(link.Text());
    constexpr View kMarker = u"bookmark<";
    for (size_t from = 0;;) {
        const size_t start = folded.find(kMarker, from);
        if (start == npos)
            return;
        const size_t close = folded.find(u'>', start + kMarker.size());
        if (close == npos)
            return;
        link.Hide(static_cast<int32_t>(start), static_cast<int32_t>(close + 1), false);
        from = close + 1;
    }
}

bool MarkExternalLinks(LinkText& link)
{
    const View text = link.Text();
    const std::u16string folded = FoldedCopy(text);
    bool marked = false;
    for (View prefix : kSchemePrefixes) {
        size_t from = 0;
        for (size_t start = folded.find(prefix, from); start != npos; start = folded.find(prefix, from)) {
            const size_t prefixEnd = start + prefix.size();
            from = prefixEnd + 1;
            if (start > 0 && IsWordCharacter(text[start - 1]))
                continue;  // inside a word
            const size_t end = text.find_first_of(kLinkEnds, prefixEnd);
            if (end == npos)
                continue;
            if (!IsBarePrefix(text.substr(start, end - start))) {
                link.MarkLink(static_cast<int32_t>(start), static_cast<int32_t>(end));
                marked = true;
            }
            from = end;
        }
    }
    return marked;
}

int MarkPageLinks(LinkText& link)
{
    const View text = link.Text();
    const std::u16string folded = FoldedCopy(text);
    int made = 0;
    for (size_t from = 0;;) {
        const size_t start = folded.find(u"page", from);
        if (start == npos)
            return made;
        const std::optional<MarkerHead> head = ParseHead(folded, start);
        const size_t close = head ? text.find(u'>', head->captionStart) : npos;
        if (!head || close == npos || close == head->captionStart) {
            from = start + 1;  // plain text, not a marker
            continue;
        }
        link.MarkLink(static_cast<int32_t>(head->captionStart), static_cast<int32_t>(close));
        link.Hide(static_cast<int32_t>(start), static_cast<int32_t>(head->captionStart), true);
        link.Hide(static_cast<int32_t>(close), static_cast<int32_t>(close + 1), true);
        ++made;
        from = close + 1;
    }
}

void MarkAddresses(LinkText& link)
{
    const View whole = link.Text();
    // The control's final paragraph mark is no character of the page.
    const View text = whole.empty() || whole.back() != u'\r' ? whole : whole.substr(0, whole.size() - 1);
    for (size_t from = 0;;) {
        const size_t at = text.find(u'@', from);
        if (at == npos || at + 1 >= text.size())
            return;
        if (at == 0) {
            from = 1;  // nothing before it: no address, but later ones may be
            continue;
        }
        size_t start = 0;
        for (size_t k = at - 1; k-- > 0;) {
            if (IsAddressDelimiter(text[k])) {
                start = k + 1;
                break;
            }
        }
        size_t end = at + 1;
        while (end < text.size() && !IsAddressDelimiter(text[end]))
            ++end;
        if (IsMailAddress(text.substr(start, end - start)))
            link.MarkLink(static_cast<int32_t>(start), static_cast<int32_t>(end));
        from = end + 1;
    }
}

bool IsMailAddress(View candidate)
{
    if (candidate.size() < 3 || StartsWithFolded(candidate, u"http://") || StartsWithFolded(candidate, u"file:///"))
        return false;
    const size_t at = candidate.find(u'@');
    const size_t dot = candidate.find(u'.');
    return at != npos && at >= 1 && at + 1 < candidate.size() && candidate.find(u' ') == npos && dot != npos &&
           dot >= 1 && dot + 1 < candidate.size();
}

std::optional<uint32_t> ResolvePageLink(View text, int32_t start)
{
    if (start < 5 || static_cast<size_t>(start) > text.size())
        return std::nullopt;
    // The caption of a marker starts right after its head: the nearest
    // "page" whose head ends there is the marker. Anything else (another
    // link after an earlier marker, a marker written "Page") is no page link.
    for (size_t at = text.rfind(u"page", static_cast<size_t>(start) - 4); at != npos;
         at = at == 0 ? npos : text.rfind(u"page", at - 1)) {
        const std::optional<MarkerHead> head = ParseHead(text, at);
        if (head && head->captionStart == static_cast<size_t>(start))
            return head->page;
        if (head && head->captionStart < static_cast<size_t>(start))
            return std::nullopt;
    }
    return std::nullopt;
}

std::u16string ShellTarget(View linkText)
{
    if (IsMailAddress(linkText) && linkText.size() > 7 && !StartsWithFolded(linkText, u"mailto:"))
        return u"mailto:" + std::u16string(linkText);
    return std::u16string(linkText);
}

bool IsWebOrMailTarget(View target)
{
    for (View scheme : {u"http://", u"https://", u"ftp://", u"www.", u"mailto:"})
        if (StartsWithFolded(target, scheme))
            return true;
    return IsMailAddress(target);
}

}  // namespace components
