#include "core/panes/RtfAutoColour.h"

#include "text/RtfSyntax.h"

#include <algorithm>
#include <string>

namespace core {
namespace {

std::u16string Ascii(const std::string& text) { return std::u16string(text.begin(), text.end()); }

std::u16string ColourEntry(uint32_t colour)
{
    return Ascii("\\red" + std::to_string(colour & 0xFF) + "\\green" + std::to_string((colour >> 8) & 0xFF) +
                 "\\blue" + std::to_string((colour >> 16) & 0xFF) + ";");
}

bool StartsControlWord(std::u16string_view rtf, size_t at)
{
    if (rtf[at] != u'\\' || at + 1 >= rtf.size())
        return false;
    const char16_t next = rtf[at + 1];
    return (next >= u'a' && next <= u'z') || (next >= u'A' && next <= u'Z');
}

struct TableSpot {
    size_t end = std::u16string_view::npos;  // the colour table's closing brace
    int entries = 0;
    size_t afterRtfWord = std::u16string_view::npos;
};

// The first colour table at the document's own level, and where the
// \rtfN word ends.
TableSpot FindColourTable(std::u16string_view rtf)
{
    TableSpot spot;
    // Group depth; a '}' without its '{' leaves it at the document's level.
    size_t depth = 0;
    bool inTable = false;
    for (size_t at = 0; at < rtf.size();) {
        const char16_t c = rtf[at];
        if (c == u'{') {
            ++depth;
            ++at;
        } else if (c == u'}') {
            if (inTable && depth == 2)
                return spot.end = at, spot;
            depth -= depth > 0 ? 1 : 0;
            ++at;
        } else if (c == u';') {
            if (inTable && depth == 2)
                ++spot.entries;
            ++at;
        } else if (StartsControlWord(rtf, at)) {
            ++at;
            const text::RtfControlWord word = text::ReadControlWord(rtf, at);
            if (word.name == u"rtf" && spot.afterRtfWord == std::u16string_view::npos)
                spot.afterRtfWord = at;
            if (word.name == u"colortbl" && depth == 2)
                inTable = true;
            if (word.name == u"bin" && word.number > 0)
                at += std::min<size_t>(static_cast<size_t>(word.number), rtf.size() - at);
        } else {
            at += c == u'\\' ? 2 : 1;
        }
    }
    return spot;
}

}  // namespace

std::u16string RtfWithAutoColour(std::u16string_view rtf, uint32_t colour)
{
    const TableSpot spot = FindColourTable(rtf);
    if (spot.afterRtfWord == std::u16string_view::npos)
        return std::u16string(rtf);  // not RTF: nothing to colour
    const bool hasTable = spot.end != std::u16string_view::npos;
    // A table without entries still has the automatic colour as entry 0.
    const int index = hasTable ? std::max(spot.entries, 1) : 1;
    const std::u16string select = Ascii("\\cf" + std::to_string(index) + " ");
    const size_t tableEnd = hasTable ? spot.end : spot.afterRtfWord;

    std::u16string out;
    out.reserve(rtf.size() + rtf.size() / 16 + 64);
    bool placed = false;
    for (size_t at = 0; at < rtf.size();) {
        if (at == tableEnd && !placed) {
            placed = true;
            if (hasTable) {
                if (spot.entries == 0)
                    out += u";";
                out += ColourEntry(colour);
                out += u'}';
                ++at;
            } else {
                out += u"{\\colortbl;" + ColourEntry(colour) + u"}";
            }
            out += select;
            continue;
        }
        const char16_t c = rtf[at];
        if (StartsControlWord(rtf, at)) {
            const size_t start = at;
            ++at;
            const text::RtfControlWord word = text::ReadControlWord(rtf, at);
            if (word.name == u"cf" && (!word.hasNumber || word.number == 0)) {
                out += select;
                continue;
            }
            size_t end = at;
            if (word.name == u"bin" && word.number > 0)
                end = at + std::min<size_t>(static_cast<size_t>(word.number), rtf.size() - at);
            // Up to the table's end at most: it is where the entry goes.
            if (start < tableEnd && end > tableEnd)
                end = tableEnd;
            out.append(rtf.substr(start, end - start));
            at = end;
            if (word.name == u"plain")
                out += select;
        } else {
            const size_t length = c == u'\\' ? std::min<size_t>(2, rtf.size() - at) : 1;
            out.append(rtf.substr(at, length));
            at += length;
        }
    }
    return out;
}

}  // namespace core
