#include "tools/vnbview/TextOut.h"

#include "platform/CodePage.h"

namespace vnbview {

std::string Utf8(std::u16string_view text) { return platform::WideToUtf8(text); }

std::string LineText(std::u16string_view text)
{
    std::u16string clean(text);
    for (char16_t& unit : clean)
        if (IsControl(unit))
            unit = u'\xFFFD';
    return platform::WideToUtf8(clean);
}

std::string TerminalText(std::u16string_view text)
{
    std::u16string clean;
    clean.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i];
        if (unit == u'\r') {
            clean += u'\n';
            if (i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
        } else {
            clean += unit == u'\n' || unit == u'\t' || !IsControl(unit) ? unit : u'\xFFFD';
        }
    }
    return platform::WideToUtf8(clean);
}

std::u16string Wide(std::string_view utf8) { return platform::Utf8ToWide(utf8); }

}  // namespace vnbview
