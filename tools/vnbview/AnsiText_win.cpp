#include <windows.h>

#include <climits>

#include "platform/CodePage.h"
#include "tools/vnbview/AnsiText.h"
#include "platform/win32/WideText.h"

namespace vnbview {

bool CodePageSupported(unsigned codePage) { return IsValidCodePage(codePage) != 0; }

std::optional<std::string> WideToAnsiExact(std::u16string_view text, unsigned codePage)
{
    if (text.empty())
        return std::string();
    if (text.size() > INT_MAX / 4)
        return std::nullopt;
    if (codePage == CP_UTF8) {
        for (size_t i = 0; i < text.size(); ++i) {
            const char16_t unit = text[i];
            const bool high = unit >= 0xD800 && unit < 0xDC00;
            if (high && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000)
                ++i;
            else if (unit >= 0xD800 && unit < 0xE000)
                return std::nullopt;
        }
        return platform::WideToUtf8(text);
    }
    const wchar_t* wide = win::WideData(text);
    const int length = static_cast<int>(text.size());
    BOOL usedDefault = FALSE;
    const int n = WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, wide, length, nullptr, 0, nullptr, &usedDefault);
    if (n <= 0 || usedDefault)
        return std::nullopt;
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, wide, length, out.data(), n, nullptr, &usedDefault);
    if (usedDefault)
        return std::nullopt;
    return out;
}

}  // namespace vnbview
