#include <iconv.h>

#include <cerrno>

#include "tools/vnbview/AnsiText.h"

namespace vnbview {
namespace {

// The same names the reading side uses for Windows code page numbers.
std::string IconvName(unsigned codePage)
{
    switch (codePage) {
    case 1200: return "UTF-16LE";
    case 65001: return "UTF-8";
    case 20127: return "ASCII";
    case 28591: return "ISO-8859-1";
    case 20866: return "KOI8-R";
    default: return "CP" + std::to_string(codePage);
    }
}

class Converter {
public:
    explicit Converter(unsigned codePage) : cd_(iconv_open(IconvName(codePage).c_str(), "UTF-16LE")) {}
    ~Converter()
    {
        if (Valid())
            iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool Valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
    iconv_t Handle() const { return cd_; }

private:
    iconv_t cd_;
};

}  // namespace

bool CodePageSupported(unsigned codePage) { return Converter(codePage).Valid(); }

std::optional<std::string> WideToAnsiExact(std::u16string_view text, unsigned codePage)
{
    Converter converter(codePage);
    if (!converter.Valid())
        return std::nullopt;
    std::string input;
    input.reserve(text.size() * 2);
    for (char16_t unit : text) {
        input += static_cast<char>(unit & 0xFF);
        input += static_cast<char>(unit >> 8);
    }
    std::string out;
    char buffer[4096];
    char* in = input.data();
    size_t inLeft = input.size();
    while (inLeft > 0) {
        char* outPtr = buffer;
        size_t outLeft = sizeof buffer;
        const size_t result = iconv(converter.Handle(), &in, &inLeft, &outPtr, &outLeft);
        out.append(buffer, sizeof buffer - outLeft);
        // Anything but a full buffer is a character without a form there
        // (or a lone surrogate).
        if (result == static_cast<size_t>(-1) && errno != E2BIG)
            return std::nullopt;
        if (result != static_cast<size_t>(-1) && result > 0)
            return std::nullopt;  // iconv made an inexact replacement
    }
    return out;
}

}  // namespace vnbview
