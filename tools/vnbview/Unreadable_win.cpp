#include <windows.h>

#include <cerrno>
#include <system_error>

#include "tools/vnbview/Unreadable.h"

namespace vnbview {
namespace {

std::string SystemMessage(DWORD error)
{
    std::string text = std::system_category().message(static_cast<int>(error));
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' ' || text.back() == '.'))
        text.pop_back();
    return text;
}

}  // namespace

std::string WhyUnreadable(const std::filesystem::path& path)
{
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return SystemMessage(GetLastError());
    if (attributes & FILE_ATTRIBUTE_DIRECTORY)
        return std::generic_category().message(EISDIR);
    // Shared as the reader shares it, so a writer holding the file shows.
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return SystemMessage(GetLastError());
    const DWORD type = GetFileType(file);
    CloseHandle(file);
    return type == FILE_TYPE_DISK ? std::string() : std::string("not a regular file");
}

}  // namespace vnbview
