#include "platform/FilePath.h"

#include "platform/CodePage.h"

namespace platform {

std::u16string PathText(const std::filesystem::path& path)
{
    const auto& native = path.native();
#ifdef _WIN32
    return std::u16string(native.begin(), native.end());
#else
    return Utf8ToWide(native);
#endif
}

}  // namespace platform
