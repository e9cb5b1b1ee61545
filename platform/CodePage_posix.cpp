#include "platform/CodePage.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
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

// Opening a converter costs more than converting a short string, so one is
// kept per thread and direction for the code page last asked for.
// (iconv_t)-1 when the code page is unknown to iconv.
iconv_t CachedConverter(Direction direction, unsigned codePage)
{
    struct Converter {
        unsigned codePage = ~0u;
        iconv_t cd = reinterpret_cast<iconv_t>(-1);
        ~Converter()
        {
            if (cd != reinterpret_cast<iconv_t>(-1))
                iconv_close(cd);
        }
    };
    thread_local Converter converters[2];
    Converter& converter = converters[direction == Direction::ToWide ? 0 : 1];
    if (converter.codePage != codePage) {
        if (converter.cd != reinterpret_cast<iconv_t>(-1))
            iconv_close(converter.cd);
        const std::string ansi = IconvName(codePage);
        converter.cd = direction == Direction::ToWide ? iconv_open("UTF-16LE", ansi.c_str())
                                                      : iconv_open(ansi.c_str(), "UTF-16LE");
        converter.codePage = codePage;
    }
    if (converter.cd != reinterpret_cast<iconv_t>(-1))
        iconv(converter.cd, nullptr, nullptr, nullptr, nullptr);
    return converter.cd;
}

}  // namespace

void SetAnsiCodePage(unsigned codePage) { gCodePage = codePage; }
unsigned AnsiCodePage() { return gCodePage == 0 ? 1252 : gCodePage; }

std::u16string AnsiToWide(std::string_view narrow)
{
    std::u16string out;
    if (narrow.empty())
        return out;
    // Every code page we map is ASCII below 0x80 (UTF-16 aside), and most
    // narrow strings are plain ASCII: widen those without a converter.
    if (AsciiCompatible(gCodePage) && std::all_of(narrow.begin(), narrow.end(), [](char c) { return (c & 0x80) == 0; }))
        return std::u16string(narrow.begin(), narrow.end());

    iconv_t cd = CachedConverter(Direction::ToWide, gCodePage);
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        // Unknown code page: keep ASCII, mark everything else as unmappable.
        for (char c : narrow)
            out += static_cast<unsigned char>(c) < 0x80 ? static_cast<char16_t>(c) : u'\xFFFD';
        return out;
    }
    std::string buffer(narrow.size() * 4 + 8, '\0');
    char* in = const_cast<char*>(narrow.data());
    size_t inLeft = narrow.size();
    while (inLeft > 0) {
        char* outPtr = buffer.data();
        size_t outLeft = buffer.size();
        size_t r = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
        size_t produced = buffer.size() - outLeft;
        for (size_t i = 0; i + 1 < produced; i += 2)
            out += static_cast<char16_t>(static_cast<unsigned char>(buffer[i]) | (static_cast<unsigned char>(buffer[i + 1]) << 8));
        if (r == static_cast<size_t>(-1) && errno != E2BIG) {
            // An invalid or incomplete sequence: replace one byte and go on.
            out += u'\xFFFD';
            ++in;
            --inLeft;
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
        }
    }
    return out;
}

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
    return out;
}

std::optional<std::string> WideToAnsiExact(std::u16string_view wide) { return WideToAnsiExact(wide, AnsiCodePage()); }

}  // namespace platform
