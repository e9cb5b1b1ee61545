#include "platform/win32/Registry.h"

#include <vector>

namespace win {

RegKey& RegKey::operator=(RegKey&& other) noexcept
{
    if (this != &other) {
        Close();
        key_ = other.key_;
        other.key_ = nullptr;
    }
    return *this;
}

bool RegKey::Open(HKEY root, const std::wstring& path, REGSAM access)
{
    Close();
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, path.c_str(), 0, access, &key) != ERROR_SUCCESS)
        return false;
    key_ = key;
    return true;
}

bool RegKey::Create(HKEY root, const std::wstring& path, REGSAM access)
{
    Close();
    HKEY key = nullptr;
    if (RegCreateKeyExW(root, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, access, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return false;
    key_ = key;
    return true;
}

void RegKey::Close()
{
    if (key_)
        RegCloseKey(key_);
    key_ = nullptr;
}

std::optional<DWORD> RegKey::ReadDword(const wchar_t* name) const
{
    DWORD value = 0;
    DWORD size = sizeof value;
    if (!key_ || RegQueryValueExW(key_, name, nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &size) != ERROR_SUCCESS)
        return std::nullopt;
    return value;
}

std::optional<std::wstring> RegKey::ReadString(const wchar_t* name) const
{
    if (!key_)
        return std::nullopt;
    // First try a 260-byte buffer, then the size the registry reports; the
    // value may grow between the calls, so loop a few times.
    std::vector<BYTE> buffer(260);
    for (int attempt = 0; attempt < 4; ++attempt) {
        DWORD size = static_cast<DWORD>(buffer.size());
        LONG rc = RegQueryValueExW(key_, name, nullptr, nullptr, buffer.data(), &size);
        if (rc == ERROR_MORE_DATA) {
            buffer.resize(size + sizeof(wchar_t));
            continue;
        }
        if (rc != ERROR_SUCCESS)
            return std::nullopt;
        std::wstring text(reinterpret_cast<const wchar_t*>(buffer.data()), size / sizeof(wchar_t));
        size_t nul = text.find(L'\0');
        if (nul != std::wstring::npos)
            text.resize(nul);
        return text;
    }
    return std::nullopt;
}

bool RegKey::WriteDword(const wchar_t* name, DWORD value) const
{
    return key_ && RegSetValueExW(key_, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value) ==
                       ERROR_SUCCESS;
}

bool RegKey::WriteString(const wchar_t* name, const std::wstring& value) const
{
    return key_ && RegSetValueExW(key_, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                                  static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
}

}  // namespace win
