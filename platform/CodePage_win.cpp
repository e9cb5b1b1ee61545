#include "platform/CodePage.h"

#include <windows.h>

#include <climits>

namespace platform {
namespace {
unsigned gCodePage = 0;
}

void SetAnsiCodePage(unsigned codePage) { gCodePage = codePage; }
unsigned AnsiCodePage() { return gCodePage == 0 ? GetACP() : gCodePage; }

std::u16string AnsiToWide(std::string_view narrow)
{
    if (narrow.empty() || narrow.size() > INT_MAX)
        return {};
    const UINT cp = gCodePage == 0 ? CP_ACP : gCodePage;
    const int len = static_cast<int>(narrow.size());
    int n = MultiByteToWideChar(cp, 0, narrow.data(), len, nullptr, 0);
    if (n <= 0)
        return {};
    std::u16string out(static_cast<size_t>(n), u'\0');
    MultiByteToWideChar(cp, 0, narrow.data(), len, reinterpret_cast<wchar_t*>(out.data()), n);
    return out;
}

}  // namespace platform
