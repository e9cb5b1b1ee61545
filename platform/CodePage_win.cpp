#include "platform/CodePage.h"

#include <windows.h>

#include <climits>

namespace platform {
namespace {
unsigned gCodePage = 0;
}

void SetAnsiCodePage(unsigned codePage) { gCodePage = codePage; }
unsigned AnsiCodePage() { return gCodePage == 0 ? GetACP() : gCodePage; }

std::u16string NarrowToWide(std::string_view narrow, unsigned codePage)
{
    std::u16string out;
    if (narrow.empty() || narrow.size() > INT_MAX)
        return out;
    const int len = static_cast<int>(narrow.size());
    const int n = MultiByteToWideChar(codePage, 0, narrow.data(), len, nullptr, 0);
    if (n <= 0) {
        // Unknown code page: keep ASCII, mark everything else as unmappable.
        for (char c : narrow)
            out += static_cast<unsigned char>(c) < 0x80 ? static_cast<char16_t>(c) : u'\xFFFD';
        return out;
    }
    out.resize(static_cast<size_t>(n));
    MultiByteToWideChar(codePage, 0, narrow.data(), len, reinterpret_cast<wchar_t*>(out.data()), n);
    return out;
}

std::u16string AnsiToWide(std::string_view narrow) { return NarrowToWide(narrow, gCodePage == 0 ? CP_ACP : gCodePage); }

bool CodePageSupported(unsigned codePage) { return IsValidCodePage(codePage) != 0; }

// The system reports a character it had to replace only when asked for no
// best fit; code pages that take no such request (UTF-8 among them) fail
// there, so UTF-8 is written here: everything but a lone surrogate fits.
std::optional<std::string> WideToAnsiExact(std::u16string_view wide, unsigned codePage)
{
    if (wide.empty())
        return std::string();
    if (wide.size() > INT_MAX / 4)
        return std::nullopt;
    if (codePage == CP_UTF8) {
        for (size_t i = 0; i < wide.size(); ++i) {
            const char16_t unit = wide[i];
            const bool high = unit >= 0xD800 && unit < 0xDC00;
            if (high && i + 1 < wide.size() && wide[i + 1] >= 0xDC00 && wide[i + 1] < 0xE000)
                ++i;
            else if (unit >= 0xD800 && unit < 0xE000)
                return std::nullopt;
        }
        return WideToUtf8(wide);
    }
    const int len = static_cast<int>(wide.size());
    const auto* data = reinterpret_cast<const wchar_t*>(wide.data());
    BOOL replaced = FALSE;
    const int n = WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, data, len, nullptr, 0, nullptr, &replaced);
    if (n <= 0 || replaced)
        return std::nullopt;
    std::string out(static_cast<size_t>(n), '\0');
    if (WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, data, len, out.data(), n, nullptr, &replaced) != n ||
        replaced)
        return std::nullopt;
    // A character written as the bytes of another one is not kept either.
    if (NarrowToWide(out, codePage) != wide)
        return std::nullopt;
    return out;
}

std::optional<std::string> WideToAnsiExact(std::u16string_view wide) { return WideToAnsiExact(wide, AnsiCodePage()); }

}  // namespace platform
