#include "core/print/TextPaging.h"

#include <algorithm>

namespace core {
namespace {

// No printed line is longer; the device measures no more than this at once,
// so a long paragraph costs time in proportion to its length.
constexpr size_t kMaxLineChars = 2048;

void WrapParagraph(std::u16string_view text, size_t begin, size_t end, int width, const FitCount& fit,
                   std::vector<TextLine>& lines)
{
    if (begin == end) {
        lines.push_back({begin, 0});
        return;
    }
    size_t pos = begin;
    while (pos < end) {
        const std::u16string_view rest = text.substr(pos, std::min(end - pos, kMaxLineChars));
        const size_t fits = std::min(fit(rest, width), rest.size());
        size_t take = fits;
        if (fits < rest.size()) {
            // A space just past what fits is a break too: it need not fit.
            const size_t space = rest.find_last_of(u' ', fits);
            take = space != std::u16string_view::npos && space > 0 ? space : std::max<size_t>(fits, 1);
        }
        size_t length = take;
        while (length > 0 && text[pos + length - 1] == u' ')
            --length;
        lines.push_back({pos, length});
        pos += take;
        while (pos < end && text[pos] == u' ')
            ++pos;
    }
}

}  // namespace

std::vector<TextLine> WrapText(std::u16string_view text, int width, const FitCount& fit)
{
    std::vector<TextLine> lines;
    size_t begin = 0;
    while (true) {
        const size_t end = std::min(text.find_first_of(u"\r\n", begin), text.size());
        WrapParagraph(text, begin, end, width, fit, lines);
        if (end == text.size())
            break;
        begin = end + (text[end] == u'\r' && end + 1 < text.size() && text[end + 1] == u'\n' ? 2 : 1);
    }
    return lines;
}

std::vector<size_t> PageFirstLines(size_t lineCount, int lineHeight, int bodyHeight)
{
    const size_t perPage = lineHeight > 0 ? std::max(bodyHeight / lineHeight, 1) : 1;
    std::vector<size_t> firsts{0};
    for (size_t first = perPage; first < lineCount; first += perPage)
        firsts.push_back(first);
    return firsts;
}

}  // namespace core
