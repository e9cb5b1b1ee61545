#include "text/HtmlPageFile.h"

#include "platform/CodePage.h"

namespace text {
namespace {

constexpr char kUtf8Mark[] = "\xEF\xBB\xBF";

// One character: a surrogate pair when the text holds both halves.
size_t CharacterLength(std::u16string_view text, size_t at)
{
    const char16_t c = text[at];
    if (c >= 0xD800 && c < 0xDC00 && at + 1 < text.size() && text[at + 1] >= 0xDC00 && text[at + 1] < 0xE000)
        return 2;
    return 1;
}

char32_t CodePoint(std::u16string_view character)
{
    if (character.size() == 2)
        return 0x10000 + ((static_cast<char32_t>(character[0]) - 0xD800) << 10) + (character[1] - 0xDC00);
    return character[0];
}

// A web archive is MIME: its headers and its quoted-printable and base64
// parts are ASCII, and its 8-bit parts declare their own charset, which the
// code page it was read in matched when the page was stored. Re-encoding the
// whole file would break those declarations, so it keeps those bytes, and a
// character the code page lacks becomes an HTML character reference,
// which the browser reads as that character whatever the part's charset.
std::string WebArchiveBytes(std::u16string_view text, unsigned codePage)
{
    if (std::optional<std::string> exact = platform::WideToAnsiExact(text, codePage))
        return *exact;
    std::string out;
    out.reserve(text.size() + text.size() / 4);
    // Every ANSI code page is ASCII below 0x80; other characters are
    // converted one at a time.
    for (size_t at = 0; at < text.size();) {
        if (text[at] < 0x80) {
            out += static_cast<char>(text[at++]);
            continue;
        }
        const size_t length = CharacterLength(text, at);
        const std::u16string_view character = text.substr(at, length);
        if (std::optional<std::string> bytes = platform::WideToAnsiExact(character, codePage))
            out += *bytes;
        else
            out += "&#" + std::to_string(static_cast<uint32_t>(CodePoint(character))) + ";";
        at += length;
    }
    return out;
}

}  // namespace

std::u16string_view PageFileExtension(PageFileKind kind)
{
    return kind == PageFileKind::WebArchive ? u".mht" : u".htm";
}

// An HTML page is UTF-8 with a byte order mark: every browser control reads
// the mark before any charset the page declares, and UTF-8 holds every
// character the page can hold.
std::string PageFileBytes(PageFileKind kind, std::u16string_view text, unsigned codePage)
{
    if (kind == PageFileKind::WebArchive)
        return WebArchiveBytes(text, codePage);
    return kUtf8Mark + platform::WideToUtf8(text);
}

}  // namespace text
