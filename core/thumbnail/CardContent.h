#pragma once
// What a notebook's thumbnail card says: the root's title, the number of
// pages and the first lines of its first text page. Read from the front of
// the file, no further than that needs.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace docfile {
class ByteSource;
}

namespace core {

struct CardContent {
    std::u16string title;  // empty when the notebook has no root page
    uint32_t pageCount = 0;
    std::vector<std::u16string> lines;  // empty when no page holds plain or rich text
};

inline constexpr size_t kCardLines = 12;
inline constexpr size_t kCardLineChars = 120;

// Nothing for a protected notebook (its text is not readable without the
// password, and a card asks for none), for a broken one, and once `expired`
// says time is up: it is asked before every read from `source`. The first
// text page is the first plain or rich page in stored order that has a
// visible line, outside the recycle bin.
std::optional<CardContent> ReadCardContent(docfile::ByteSource& source, const std::function<bool()>& expired);

// The first non-blank lines of a page's text, at most `maxLines` of at most
// `maxChars` characters each, without trailing spaces; tabs and other
// control characters become spaces.
std::vector<std::u16string> FirstLines(std::u16string_view text, size_t maxLines = kCardLines,
                                       size_t maxChars = kCardLineChars);

}  // namespace core
