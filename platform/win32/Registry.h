#pragma once
#include <windows.h>

#include <optional>
#include <string>

namespace win {

// An open registry key, closed when the object goes.
class RegKey {
public:
    RegKey() = default;
    ~RegKey() { Close(); }
    RegKey(RegKey&& other) noexcept : key_(other.key_) { other.key_ = nullptr; }
    RegKey& operator=(RegKey&& other) noexcept;
    RegKey(const RegKey&) = delete;
    RegKey& operator=(const RegKey&) = delete;

    bool Open(HKEY root, const std::wstring& path, REGSAM access);
    bool Create(HKEY root, const std::wstring& path, REGSAM access);
    void Close();
    bool IsOpen() const { return key_ != nullptr; }
    HKEY Get() const { return key_; }

    // Reads up to 4 bytes as the value's data, whatever its type; nullopt when
    // it is missing or larger.
    std::optional<DWORD> ReadDword(const wchar_t* name) const;
    // Reads a string of any length; nullopt when missing. A value stored
    // without its terminating zero is taken as it is.
    std::optional<std::wstring> ReadString(const wchar_t* name) const;
    bool WriteDword(const wchar_t* name, DWORD value) const;
    // Written with its terminating zero.
    bool WriteString(const wchar_t* name, const std::wstring& value) const;

private:
    HKEY key_ = nullptr;
};

}  // namespace win
