#include "platform/CodePage.h"

#include <iconv.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <iterator>
#include <string>

namespace platform {
namespace {

unsigned gCodePage = 0;

std::string IconvName(unsigned codePage)
{
    switch (codePage) {
    case 0: return "CP1252";
    case 1200: return "UTF-16LE";
    case 65001: return "UTF-8";
    case 20127: return "ASCII";
    case 28591: return "ISO-8859-1";
    case 10000: return "MACINTOSH";
    case 20866: return "KOI8-R";
    case 932: return "CP932";
    case 936: return "CP936";
    case 949: return "CP949";
    case 950: return "CP950";
    default: return "CP" + std::to_string(codePage);
    }
}

// False for the code pages whose bytes below 0x80 are not ASCII: UTF-16,
// UTF-7, the ISO-2022 family and the EBCDIC ones.
bool AsciiCompatible(unsigned codePage)
{
    switch (codePage) {
    case 37: case 500: case 875: case 1026: case 1047: case 1200: case 1201: case 65000:
    case 20880: case 20905: case 20924: case 21025:
        return false;
    default:
        return !(codePage >= 1140 && codePage <= 1149) && !(codePage >= 20273 && codePage <= 20871 && codePage != 20866) &&
               !(codePage >= 50220 && codePage <= 50229);
    }
}

enum class Direction { ToWide, ToAnsi };

// Opening a converter costs more than converting a short string, and RTF
// switches between a few code pages all the time: each thread keeps the
// converters of the last few code pages per direction. (iconv_t)-1 when the
// code page is unknown to iconv.
iconv_t CachedConverter(Direction direction, unsigned codePage)
{
    struct Converter {
        unsigned codePage = ~0u;
        iconv_t cd = reinterpret_cast<iconv_t>(-1);
        unsigned lastUse = 0;
        ~Converter()
        {
            if (cd != reinterpret_cast<iconv_t>(-1))
                iconv_close(cd);
        }
    };
    constexpr size_t kKept = 16;
    thread_local Converter converters[2][kKept];
    thread_local unsigned useCount = 0;
    Converter* kept = converters[direction == Direction::ToWide ? 0 : 1];
    Converter* converter = std::find_if(kept, kept + kKept, [&](const Converter& c) { return c.codePage == codePage; });
    if (converter == kept + kKept) {
        converter = std::min_element(kept, kept + kKept,
                                     [](const Converter& a, const Converter& b) { return a.lastUse < b.lastUse; });
        if (converter->cd != reinterpret_cast<iconv_t>(-1))
            iconv_close(converter->cd);
        const std::string ansi = IconvName(codePage);
        converter->cd = direction == Direction::ToWide ? iconv_open("UTF-16LE", ansi.c_str())
                                                       : iconv_open(ansi.c_str(), "UTF-16LE");
        converter->codePage = codePage;
    }
    converter->lastUse = ++useCount;
    if (converter->cd != reinterpret_cast<iconv_t>(-1))
        iconv(converter->cd, nullptr, nullptr, nullptr, nullptr);
    return converter->cd;
}

void AppendUtf16Le(std::u16string& out, const char* bytes, size_t count)
{
    for (size_t i = 0; i + 1 < count; i += 2)
        out += static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                     (static_cast<unsigned char>(bytes[i + 1]) << 8));
}

// Writes out what the converter still holds (a character that could have
// combined with the next one, a shift back to ASCII) and resets it.
template <typename Sink>
void FlushConverter(iconv_t cd, Sink&& sink)
{
    char buffer[64];
    char* outPtr = buffer;
    size_t outLeft = sizeof buffer;
    iconv(cd, nullptr, nullptr, &outPtr, &outLeft);
    sink(buffer, sizeof buffer - outLeft);
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
}

std::u16string IconvToWide(iconv_t cd, std::string_view narrow)
{
    std::u16string out;
    std::string buffer(narrow.size() * 4 + 8, '\0');
    char* in = const_cast<char*>(narrow.data());
    size_t inLeft = narrow.size();
    auto append = [&](const char* bytes, size_t count) { AppendUtf16Le(out, bytes, count); };
    while (inLeft > 0) {
        char* outPtr = buffer.data();
        size_t outLeft = buffer.size();
        const size_t r = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
        append(buffer.data(), buffer.size() - outLeft);
        if (r == static_cast<size_t>(-1) && errno != E2BIG) {
            // An invalid or incomplete sequence: what came before it stays,
            // one byte is replaced, and reading goes on.
            FlushConverter(cd, append);
            out += u'\xFFFD';
            ++in;
            --inLeft;
        }
    }
    FlushConverter(cd, append);
    return out;
}

// Code pages of one byte a character. glibc's converters of two of them
// (1255, 1258) join a letter and the combining marks after it into one
// precomposed character, holding the last letter back for a mark that may
// follow; the system reads all of them byte for byte. So do these tables:
// text reads the same on every system, an exact conversion reads back as
// itself, and RTF's many short runs of bytes cost a look-up each.
bool SingleByte(unsigned codePage)
{
    switch (codePage) {
    case 0: case 437: case 737: case 775: case 850: case 852: case 855: case 857: case 858: case 860: case 861:
    case 862: case 863: case 864: case 865: case 866: case 869: case 874: case 10000: case 20866: case 21866:
        return true;
    default:
        return (codePage >= 1250 && codePage <= 1258) || codePage == 28591;
    }
}

// A few tables per thread, made on first use; nullptr when iconv does not
// know the code page.
const std::array<char16_t, 256>* ByteTable(unsigned codePage)
{
    struct Table {
        unsigned codePage = ~0u;
        std::array<char16_t, 256> units{};
    };
    thread_local Table tables[8];
    thread_local size_t next = 0;
    for (const Table& table : tables)
        if (table.codePage == codePage)
            return &table.units;
    iconv_t cd = CachedConverter(Direction::ToWide, codePage);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return nullptr;
    Table& table = tables[next++ % std::size(tables)];
    for (unsigned b = 0; b < 256; ++b) {
        const char byte = static_cast<char>(b);
        const std::u16string unit = IconvToWide(cd, std::string_view(&byte, 1));
        table.units[b] = unit.size() == 1 ? unit[0] : u'\xFFFD';
    }
    table.codePage = codePage;
    return &table.units;
}

}  // namespace

void SetAnsiCodePage(unsigned codePage) { gCodePage = codePage; }
unsigned AnsiCodePage() { return gCodePage == 0 ? 1252 : gCodePage; }

std::u16string NarrowToWide(std::string_view narrow, unsigned codePage)
{
    std::u16string out;
    if (narrow.empty())
        return out;
    // Every code page we map is ASCII below 0x80 (UTF-16 aside), and most
    // narrow strings are plain ASCII: widen those without a converter.
    if (AsciiCompatible(codePage) && std::all_of(narrow.begin(), narrow.end(), [](char c) { return (c & 0x80) == 0; }))
        return std::u16string(narrow.begin(), narrow.end());
    if (const std::array<char16_t, 256>* table = SingleByte(codePage) ? ByteTable(codePage) : nullptr) {
        out.reserve(narrow.size());
        for (char c : narrow)
            out += (*table)[static_cast<unsigned char>(c)];
        return out;
    }
    iconv_t cd = CachedConverter(Direction::ToWide, codePage);
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        // Unknown code page: keep ASCII, mark everything else as unmappable.
        for (char c : narrow)
            out += static_cast<unsigned char>(c) < 0x80 ? static_cast<char16_t>(c) : u'\xFFFD';
        return out;
    }
    return IconvToWide(cd, narrow);
}

std::u16string AnsiToWide(std::string_view narrow) { return NarrowToWide(narrow, gCodePage); }

bool CodePageSupported(unsigned codePage)
{
    return CachedConverter(Direction::ToAnsi, codePage) != reinterpret_cast<iconv_t>(-1);
}

std::optional<std::string> WideToAnsiExact(std::u16string_view wide, unsigned codePage)
{
    iconv_t cd = CachedConverter(Direction::ToAnsi, codePage);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return std::nullopt;
    if (AsciiCompatible(codePage) && std::all_of(wide.begin(), wide.end(), [](char16_t c) { return c < 0x80; }))
        return std::string(wide.begin(), wide.end());
    std::string in;
    in.reserve(wide.size() * 2);
    for (char16_t c : wide) {
        in += static_cast<char>(c & 0xFF);
        in += static_cast<char>(c >> 8);
    }
    std::string out;
    char buffer[4096];
    char* inPtr = in.data();
    size_t inLeft = in.size();
    while (inLeft > 0) {
        char* outPtr = buffer;
        size_t outLeft = sizeof buffer;
        const size_t r = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
        out.append(buffer, sizeof buffer - outLeft);
        // Without //TRANSLIT iconv stops at a character the code page lacks
        // (or a lone surrogate); a count of inexact replacements is a loss too.
        if (r == static_cast<size_t>(-1) && errno != E2BIG)
            return std::nullopt;
        if (r != static_cast<size_t>(-1) && r > 0)
            return std::nullopt;
    }
    FlushConverter(cd, [&](const char* bytes, size_t count) { out.append(bytes, count); });
    // Some characters are written as bytes that read back as another one
    // (in code page 932 U+2014 as the bytes of U+2015): not kept.
    if (NarrowToWide(out, codePage) != wide)
        return std::nullopt;
    return out;
}

std::optional<std::string> WideToAnsiExact(std::u16string_view wide) { return WideToAnsiExact(wide, AnsiCodePage()); }

}  // namespace platform
