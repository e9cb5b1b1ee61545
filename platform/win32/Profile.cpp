#include "platform/win32/Profile.h"

#include "platform/ProfilePlaces.h"
#include "platform/win32/Module.h"
#include "platform/win32/WideText.h"

#include <windows.h>
#include <shlobj.h>

#include <cwchar>
#include <map>

namespace win {
namespace {

constexpr char16_t kOwnFolder[] = u"VornView";

std::wstring& HostSettingsFile()
{
    static std::wstring path;
    return path;
}

// Values no place would take, by section and key.
std::map<std::wstring, int>& UnsavedValues()
{
    static std::map<std::wstring, int> values;
    return values;
}

std::wstring UnsavedName(const std::wstring& section, const std::wstring& key) { return section + L'\n' + key; }

std::wstring UserDataFolder()
{
    wchar_t folder[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, folder)))
        return {};
    return folder;
}

platform::ProfilePlaces Places()
{
    const std::u16string host = U16(HostSettingsFile());
    const std::u16string data = U16(UserDataFolder());
    const std::u16string name = U16(ModuleProfileName());
    return platform::ChooseProfilePlaces({host, data, kOwnFolder, name});
}

// GetPrivateProfileIntW cannot tell a stored 0 from garbage, and clips
// negative numbers; the text is read and parsed here.
std::optional<int> ReadInt(const std::u16string& file, const std::wstring& section, const std::wstring& key)
{
    wchar_t buffer[64] = {};
    GetPrivateProfileStringW(section.c_str(), key.c_str(), L"", buffer, 64, WidePtr(file));
    wchar_t* end = nullptr;
    const long value = std::wcstol(buffer, &end, 10);
    if (end == buffer)
        return std::nullopt;
    return static_cast<int>(value);
}

}  // namespace

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

void SetHostSettingsFile(const std::wstring& path) { HostSettingsFile() = path; }

std::optional<int> ReadModuleProfileInt(const std::wstring& section, const std::wstring& key)
{
    const auto unsaved = UnsavedValues().find(UnsavedName(section, key));
    if (unsaved != UnsavedValues().end())
        return unsaved->second;
    for (const std::u16string& file : Places().reads)
        if (std::optional<int> value = ReadInt(file, section, key))
            return value;
    return std::nullopt;
}

bool WriteModuleProfileInt(const std::wstring& section, const std::wstring& key, int value)
{
    const platform::ProfilePlaces places = Places();
    const std::wstring text = std::to_wstring(value);
    for (const std::u16string& file : places.writes) {
        if (!places.ownFolder.empty() && platform::FolderOf(file) == places.ownFolder + u'\\')
            CreateDirectoryW(WidePtr(places.ownFolder), nullptr);  // there already: no harm
        if (WritePrivateProfileStringW(section.c_str(), key.c_str(), text.c_str(), WidePtr(file))) {
            UnsavedValues().erase(UnsavedName(section, key));
            return true;
        }
    }
    UnsavedValues()[UnsavedName(section, key)] = value;
    return false;
}

}  // namespace win
