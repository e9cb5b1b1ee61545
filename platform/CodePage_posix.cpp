#include "platform/CodePage.h"

#include <iconv.h>

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

}  // namespace

void SetAnsiCodePage(unsigned codePage) { gCodePage = codePage; }
unsigned AnsiCodePage() { return gCodePage == 0 ? 1252 : gCodePage; }

std::u16string AnsiToWide(std::string_view narrow)
{
    std::u16string out;
    if (narrow.empty())
        return out;
    iconv_t cd = iconv_open("UTF-16LE", IconvName(gCodePage).c_str());
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
    iconv_close(cd);
    return out;
}

}  // namespace platform
