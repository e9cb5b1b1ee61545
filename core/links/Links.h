#pragma once
// The markup a page's text carries and what the text pane makes of it:
// bookmark markers are hidden, page links show only their caption as a link,
// web and e-mail addresses become links. The passes work on the control's
// text read once (a paragraph end is one "\r") and tell the control what to
// change through LinkText, one call per range.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace core {

// What the passes ask of the control showing the text.
class LinkText {
public:
    virtual ~LinkText() = default;
    // The whole text in character positions, ending in the control's final
    // paragraph mark.
    virtual const std::u16string& Text() = 0;
    // The first position in [start, end) that the reader does not see
    // (hidden by the page itself or by a pass), or end.
    virtual int32_t FirstHidden(int32_t start, int32_t end) = 0;
    // Just after the last position in [start, end) that the reader does not
    // see, or start.
    virtual int32_t AfterLastHidden(int32_t start, int32_t end) = 0;
    virtual void Hide(int32_t start, int32_t end, bool protect) = 0;
    virtual void MarkLink(int32_t start, int32_t end) = 0;
};

// Every pass reads each unit of the text a bounded number of times, and no
// link it marks holds hidden text: a link ends where hidden text starts.

// Hides every "bookmark<name>".
void HideBookmarks(LinkText& text);
// Marks what starts with a scheme prefix (http:, www., mailto:, ...) at the
// start of a word, up to the next space, tab or line end; trailing
// punctuation and an unbalanced closing bracket or quote are left out.
// Returns whether it marked anything.
bool MarkExternalLinks(LinkText& text);
// Turns every well-formed "page<number><", "page<number>://<" or
// "page<number>|field|...<" or "...//<" marker with a ">" after its caption
// into its caption, shown as a link; the marker's head and ">" are hidden,
// and a marker with an empty caption is hidden whole. "page" is compared
// without regard to case. Returns the number of links made.
int MarkPageLinks(LinkText& text);
// Marks e-mail addresses, each within one line and apart from the others.
void MarkAddresses(LinkText& text);

// The page number a marker's head names ("page12<", "PAGE-3://<",
// "page7|a|b<"): a sign and digits after "page", no leading zero, within
// the range of page identifiers. Nothing for any other text.
std::optional<uint32_t> MarkerHeadPage(std::u16string_view head);

// The page a link starting at `start` leads to, when it is the caption of a
// marker the page link pass takes.
std::optional<uint32_t> ResolvePageLink(std::u16string_view text, int32_t start);

// The address test: at least 3 characters, no space, an "@" inside and a
// "." after the first character and before the last, and not a web address.
bool IsMailAddress(std::u16string_view candidate);

}  // namespace core
