#include "core/links/Links.h"

#include "platform/Ascii.h"
#include "text/WordCharacters.h"

#include <array>

namespace core {
namespace {

using View = std::u16string_view;
constexpr size_t npos = View::npos;

// Markup words are ASCII: folding only ASCII letters keeps every position
// and never lets another script match them.
std::u16string FoldedCopy(View text)
{
    std::u16string folded(text);
    for (char16_t& c : folded)
        c = platform::AsciiLower(c);
    return folded;
}


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
// Punctuation that ends a sentence rather than an address.
constexpr View kTrailingStops = u".,;:!?";
// Brackets and quotes in pairs, opening then closing; a quote that is its own
// pair is balanced when it comes an even number of times.
constexpr std::array<std::pair<char16_t, char16_t>, 10> kPairs = {{{u'(', u')'},
                                                                  {u'[', u']'},
                                                                  {u'{', u'}'},
                                                                  {u'<', u'>'},
                                                                  {u'"', u'"'},
                                                                  {u'\'', u'\''},
                                                                  {u'\u201C', u'\u201D'},
                                                                  {u'\u2018', u'\u2019'},
                                                                  {u'\u00AB', u'\u00BB'},
                                                                  {u'\u2039', u'\u203A'}}};

bool IsBarePrefix(View candidate)
{
    for (View bare : kBarePrefixes) {
        if (platform::EqualsFolded(candidate, bare))
            return true;
        if (candidate.size() == bare.size() + 2 && platform::StartsWithFolded(candidate, bare) &&
            candidate.substr(bare.size()) == u"//")
            return true;
    }
    return false;
}

bool IsAddressDelimiter(char16_t c) { return kAddressDelimiters.find(c) != npos; }

bool IsOpening(char16_t c)
{
    for (const auto& [open, close] : kPairs)
        if (c == open)
            return true;
    return false;
}

// The end of [start, end) without what a sentence puts after a link:
// trailing stops, and closing brackets and quotes that nothing in the link
// opened. Never before `floor`.
size_t TrimmedEnd(View text, size_t start, size_t floor, size_t end)
{
    std::array<int64_t, kPairs.size()> opens{}, closes{};
    for (size_t i = start; i < end; ++i)
        for (size_t p = 0; p < kPairs.size(); ++p) {
            if (text[i] == kPairs[p].second)
                ++closes[p];
            else if (text[i] == kPairs[p].first)
                ++opens[p];
        }
    while (end > floor) {
        const char16_t last = text[end - 1];
        bool drop = kTrailingStops.find(last) != npos;
        for (size_t p = 0; p < kPairs.size() && !drop; ++p) {
            if (last != kPairs[p].second)
                continue;
            const bool self = kPairs[p].first == kPairs[p].second;
            drop = self ? closes[p] % 2 == 1 : closes[p] > opens[p];
            --closes[p];
        }
        if (!drop)
            break;
        --end;
    }
    return end;
}

// Reads a page number at `i` (a sign and digits, no leading zero, within
// the range of page identifiers) and moves `i` past it.
std::optional<uint32_t> ReadPageNumber(View text, size_t& i)
{
    const bool negative = i < text.size() && text[i] == u'-';
    if (negative)
        ++i;
    if (i >= text.size() || !platform::IsAsciiDigit(text[i]) || text[i] == u'0')
        return std::nullopt;
    int64_t value = 0;
    for (; i < text.size() && platform::IsAsciiDigit(text[i]); ++i) {
        value = value * 10 + (text[i] - u'0');
        if (value > (negative ? int64_t{1} << 31 : 0xFFFFFFFFll))
            return std::nullopt;  // no page identifier is that large
    }
    return static_cast<uint32_t>(negative ? -value : value);
}

// The first unit of a set at or after a position. The answer is kept: asked
// at positions that only grow, it reads each unit of the text once.
class NextOf {
public:
    NextOf(View text, View set) : text_(text), set_(set) {}
    size_t Find(size_t from)
    {
        if (from < asked_ || from > found_) {
            asked_ = from;
            found_ = text_.find_first_of(set_, from);
        }
        return found_;
    }

private:
    View text_;
    View set_;
    size_t asked_ = npos;
    size_t found_ = 0;
};

struct PageMarker {
    size_t start = 0;         // the "page" of its head
    size_t captionStart = 0;  // just after the head's "<"
    size_t close = 0;         // its ">"
    uint32_t page = 0;
};

// The page link markers of a text from left to right, as the page link pass
// takes them: "page", an optional "-", a number not starting with 0, then
// "<", "://<", or "|" fields up to a "<" (the last may end in "//"), the
// caption and the first ">" after it. "page" is compared without regard to
// case. Each unit is read a bounded number of times over the whole walk.
class PageMarkers {
public:
    explicit PageMarkers(View text) : folded_(FoldedCopy(text)), headEnd_(folded_, u"<>\r\n"), close_(folded_, u">") {}
    PageMarkers(const PageMarkers&) = delete;
    PageMarkers& operator=(const PageMarkers&) = delete;

    std::optional<PageMarker> Next()
    {
        while (from_ < folded_.size()) {
            const size_t start = folded_.find(u"page", from_);
            if (start == npos)
                break;
            std::optional<PageMarker> marker = Head(start);
            if (!marker) {
                from_ = start + 1;  // plain text, not a marker
                continue;
            }
            marker->close = close_.Find(marker->captionStart);
            if (marker->close == npos)
                break;  // no marker after this one can close either
            from_ = marker->close + 1;
            return marker;
        }
        from_ = npos;
        return std::nullopt;
    }

private:
    std::optional<PageMarker> Head(size_t at)
    {
        const View text = folded_;
        size_t i = at + 4;
        const std::optional<uint32_t> page = ReadPageNumber(text, i);
        if (!page)
            return std::nullopt;
        PageMarker marker;
        marker.start = at;
        marker.page = *page;
        if (text.substr(i, 1) == u"<") {
            marker.captionStart = i + 1;
        } else if (text.substr(i, 4) == u"://<") {
            marker.captionStart = i + 4;
        } else if (text.substr(i, 1) == u"|") {
            const size_t end = headEnd_.Find(i);
            if (end == npos || text[end] != u'<')
                return std::nullopt;
            marker.captionStart = end + 1;
        } else {
            return std::nullopt;
        }
        return marker;
    }

    std::u16string folded_;
    size_t from_ = 0;
    NextOf headEnd_;
    NextOf close_;
};

int32_t Position(size_t index) { return static_cast<int32_t>(index); }

}  // namespace

std::optional<uint32_t> MarkerHeadPage(View head)
{
    if (!platform::StartsWithFolded(head, u"page"))
        return std::nullopt;
    size_t at = 4;
    return ReadPageNumber(head, at);
}

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
        link.Hide(Position(start), Position(close + 1), false);
        from = close + 1;
    }
}

bool MarkExternalLinks(LinkText& link)
{
    const View text = link.Text();
    const std::u16string folded = FoldedCopy(text);
    bool marked = false;
    for (View prefix : kSchemePrefixes) {
        NextOf linkEnd(text, kLinkEnds);
        for (size_t from = 0;;) {
            const size_t start = folded.find(prefix, from);
            if (start == npos)
                break;
            const size_t prefixEnd = start + prefix.size();
            from = prefixEnd + 1;
            if (start > 0 && text::IsWordCharacter(text[start - 1]))
                continue;  // inside a word
            const size_t end = linkEnd.Find(prefixEnd);
            if (end == npos)
                break;  // nothing after it ends a link
            if (link.FirstHidden(Position(start), Position(prefixEnd)) != Position(prefixEnd))
                continue;  // the reader does not see the whole prefix
            const size_t shown = static_cast<size_t>(link.FirstHidden(Position(prefixEnd), Position(end)));
            const size_t stop = TrimmedEnd(text, start, prefixEnd, shown);
            if (!IsBarePrefix(text.substr(start, stop - start))) {
                link.MarkLink(Position(start), Position(stop));
                marked = true;
            }
            from = end;
        }
    }
    return marked;
}

int MarkPageLinks(LinkText& link)
{
    PageMarkers markers(link.Text());
    int made = 0;
    while (const std::optional<PageMarker> marker = markers.Next()) {
        const int32_t captionStart = Position(marker->captionStart);
        const int32_t close = Position(marker->close);
        if (captionStart == close) {
            link.Hide(Position(marker->start), close + 1, true);  // nothing to show
            continue;
        }
        const int32_t shown = link.FirstHidden(captionStart, close);
        if (shown > captionStart) {
            link.MarkLink(captionStart, shown);
            ++made;
        }
        link.Hide(Position(marker->start), captionStart, true);
        link.Hide(close, close + 1, true);
    }
    return made;
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
        // The candidate runs between delimiters, and never back into the
        // previous one (which ended at a delimiter before `from`).
        size_t start = at;
        while (start > from && !IsAddressDelimiter(text[start - 1]))
            --start;
        size_t end = at + 1;
        while (end < text.size() && !IsAddressDelimiter(text[end]))
            ++end;
        from = end + 1;
        if (start == at || link.FirstHidden(Position(at), Position(at + 1)) == Position(at))
            continue;
        start = static_cast<size_t>(link.AfterLastHidden(Position(start), Position(at)));
        end = static_cast<size_t>(link.FirstHidden(Position(at + 1), Position(end)));
        while (start < at && IsOpening(text[start]))
            ++start;
        end = TrimmedEnd(text, start, at + 1, end);
        if (IsMailAddress(text.substr(start, end - start)))
            link.MarkLink(Position(start), Position(end));
    }
}

bool IsMailAddress(View candidate)
{
    if (candidate.size() < 3 || platform::StartsWithFolded(candidate, u"http://") || platform::StartsWithFolded(candidate, u"file:///"))
        return false;
    const size_t at = candidate.find(u'@');
    const size_t dot = candidate.find(u'.');
    return at != npos && at >= 1 && at + 1 < candidate.size() && candidate.find(u' ') == npos && dot != npos &&
           dot >= 1 && dot + 1 < candidate.size();
}

std::optional<uint32_t> ResolvePageLink(View text, int32_t start)
{
    if (start < 0)
        return std::nullopt;
    // Walking the markers as the pass did finds the one whose caption is the
    // link; they come in order, so the walk ends at the link.
    PageMarkers markers(text);
    while (const std::optional<PageMarker> marker = markers.Next()) {
        if (marker->start >= static_cast<size_t>(start))
            break;
        if (marker->captionStart == static_cast<size_t>(start) && marker->close > marker->captionStart)
            return marker->page;
    }
    return std::nullopt;
}

}  // namespace core
