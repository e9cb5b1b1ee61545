#include "tools/vnbview/TextOut.h"

#include "platform/CodePage.h"

namespace vnbview {

std::string Utf8(std::u16string_view text) { return platform::WideToUtf8(text); }

std::string LineText(std::u16string_view text)
{
    std::u16string clean(text);
    for (char16_t& unit : clean)
        if (unit < 0x20 || (unit >= 0x7F && unit < 0xA0))
            unit = u'\xFFFD';
    return platform::WideToUtf8(clean);
}

std::u16string Wide(std::string_view utf8) { return platform::Utf8ToWide(utf8); }

}  // namespace vnbview
