#include "platform/win32/Profile.h"

#include "platform/win32/Module.h"

#include <windows.h>

#include <cwchar>

namespace win {

std::wstring ModuleProfileName()
{
    std::wstring path = ThisModulePath();
    size_t slash = path.find_last_of(L"\\/");
    std::wstring name = slash == std::wstring::npos ? path : path.substr(slash + 1);
    size_t dot = name.find_last_of(L'.');
    if (dot != std::wstring::npos)
        name.resize(dot);
    return name + L".INI";
}

int ReadProfileInt(const std::wstring& file, const std::wstring& section, const std::wstring& key, int fallback)
{
    // GetPrivateProfileIntW cannot tell a stored 0 from garbage, and clips
    // negative numbers; read the text and parse it ourselves.
    wchar_t buffer[64] = {};
    GetPrivateProfileStringW(section.c_str(), key.c_str(), L"", buffer, 64, file.c_str());
    if (buffer[0] == L'\0')
        return fallback;
    wchar_t* end = nullptr;
    long value = std::wcstol(buffer, &end, 10);
    if (end == buffer)
        return fallback;
    return static_cast<int>(value);
}

bool WriteProfileInt(const std::wstring& file, const std::wstring& section, const std::wstring& key, int value)
{
    return WritePrivateProfileStringW(section.c_str(), key.c_str(), std::to_wstring(value).c_str(), file.c_str()) !=
           FALSE;
}

}  // namespace win
