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

    // Opening a converter costs more than converting a short string, so one
    // is kept per thread for the current code page.
    struct Converter {
        unsigned codePage = ~0u;
        iconv_t cd = reinterpret_cast<iconv_t>(-1);
        ~Converter()
        {
            if (cd != reinterpret_cast<iconv_t>(-1))
                iconv_close(cd);
        }
    };
    thread_local Converter converter;
    if (converter.codePage != gCodePage) {
        if (converter.cd != reinterpret_cast<iconv_t>(-1))
            iconv_close(converter.cd);
        converter.cd = iconv_open("UTF-16LE", IconvName(gCodePage).c_str());
        converter.codePage = gCodePage;
    }
    iconv_t cd = converter.cd;
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        // Unknown code page: keep ASCII, mark everything else as unmappable.
        for (char c : narrow)
            out += static_cast<unsigned char>(c) < 0x80 ? static_cast<char16_t>(c) : u'\xFFFD';
        return out;
    }
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
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

}  // namespace platform
