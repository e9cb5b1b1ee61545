#include <windows.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "platform/win32/WideText.h"
#include "tools/vnbview/OutputFolder.h"

namespace vnbview {
namespace {

std::error_code LastError() { return {static_cast<int>(GetLastError()), std::system_category()}; }

HANDLE Handle(intptr_t handle) { return reinterpret_cast<HANDLE>(handle); }

// What file calls are given for a path the user named: made absolute (from
// the current folder), then in the long form, so a deep export does not end
// at 260 characters.
std::wstring SystemPath(const std::filesystem::path& path)
{
    const std::wstring& given = path.native();
    std::wstring full(std::max<DWORD>(GetFullPathNameW(given.c_str(), 0, nullptr, nullptr), 1), L'\0');
    const DWORD length = GetFullPathNameW(given.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    if (length == 0 || length >= full.size())
        return given;  // the call that uses it reports what is wrong
    full.resize(length);
    return win::Wide(LongPathForm(win::U16(full)));
}

std::wstring Inside(const std::filesystem::path& folder, std::u16string_view name)
{
    std::wstring path = folder.native();
    if (!path.empty() && path.back() != L'\\')
        path += L'\\';
    return path + win::Wide(name);
}

// Where the part of a long path ends above which no folder can be made:
// after "\\?\C:" or "\\?\UNC\server\share".
size_t RootEnd(const std::wstring& path)
{
    const bool unc = path.starts_with(L"\\\\?\\UNC\\");
    size_t end = path.find(L'\\', unc ? 8 : 4);
    if (unc && end != std::wstring::npos)
        end = path.find(L'\\', end + 1);
    return std::min(end, path.size());
}

// Held without letting others delete or rename it, the folder cannot be
// swapped for a junction or link while files are made in it. A reparse
// point is opened as itself, never followed, unless the user named it.
intptr_t HoldFolder(const std::wstring& path, bool followLinks, std::error_code& error)
{
    const DWORD flags = FILE_FLAG_BACKUP_SEMANTICS | (followLinks ? 0 : FILE_FLAG_OPEN_REPARSE_POINT);
    const HANDLE folder = CreateFileW(path.c_str(), FILE_LIST_DIRECTORY, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                      OPEN_EXISTING, flags, nullptr);
    if (folder == INVALID_HANDLE_VALUE) {
        error = LastError();
        return -1;
    }
    BY_HANDLE_FILE_INFORMATION info{};
    const bool ok = GetFileInformationByHandle(folder, &info) != 0;
    if (!ok || !(info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ||
        (!followLinks && (info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT))) {
        error = ok ? std::make_error_code(std::errc::not_a_directory) : LastError();
        CloseHandle(folder);
        return -1;
    }
    return reinterpret_cast<intptr_t>(folder);
}

}  // namespace

OutputFolder::~OutputFolder()
{
    if (IsOpen())
        CloseHandle(Handle(handle_));
}

OutputFolder::Occupancy OutputFolder::Occupied(const std::filesystem::path& path)
{
    const std::wstring system = SystemPath(path);
    const DWORD attributes = GetFileAttributesW(system.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return Occupancy::Missing;
    if (!(attributes & FILE_ATTRIBUTE_DIRECTORY))
        return Occupancy::Taken;
    WIN32_FIND_DATAW found;
    const HANDLE search = FindFirstFileW(Inside(system, u"*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return Occupancy::Taken;
    Occupancy occupancy = Occupancy::EmptyFolder;
    do {
        const std::wstring_view name = found.cFileName;
        if (name != L"." && name != L"..")
            occupancy = Occupancy::Taken;
    } while (occupancy == Occupancy::EmptyFolder && FindNextFileW(search, &found));
    FindClose(search);
    return occupancy;
}

std::error_code OutputFolder::MakeFolders(const std::filesystem::path& path)
{
    // The missing folders, found from the end, are made from the top.
    const std::wstring system = SystemPath(path);
    const size_t rootEnd = RootEnd(system);
    std::vector<size_t> missing;
    for (size_t end = system.size(); end > rootEnd;) {
        if (GetFileAttributesW(system.substr(0, end).c_str()) != INVALID_FILE_ATTRIBUTES)
            break;
        missing.push_back(end);
        end = system.rfind(L'\\', end - 1);
        if (end == std::wstring::npos)
            break;
    }
    for (auto end = missing.rbegin(); end != missing.rend(); ++end)
        if (!CreateDirectoryW(system.substr(0, *end).c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
            return LastError();
    return {};
}

OutputFolder OutputFolder::Open(const std::filesystem::path& path, std::error_code& error)
{
    std::wstring system = SystemPath(path);
    const intptr_t handle = HoldFolder(system, true, error);
    return handle == kNone ? OutputFolder() : OutputFolder(path, std::move(system), handle);
}

OutputFolder OutputFolder::MakeFolder(std::u16string_view name, std::error_code& error) const
{
    std::wstring system = Inside(systemPath_, name);
    if (!CreateDirectoryW(system.c_str(), nullptr)) {
        error = LastError();
        return {};
    }
    const intptr_t handle = HoldFolder(system, false, error);
    return handle == kNone ? OutputFolder() : OutputFolder(path_ / win::Wide(name), std::move(system), handle);
}

NewFile OutputFolder::MakeFile(std::u16string_view name, std::error_code& error) const
{
    // CREATE_NEW fails on anything of that name, a link included.
    const HANDLE file = CreateFileW(Inside(systemPath_, name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        error = LastError();
        return {};
    }
    return NewFile(reinterpret_cast<intptr_t>(file));
}

std::error_code NewFile::Write(std::string_view bytes)
{
    while (!bytes.empty()) {
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size(), 1u << 30));
        DWORD wrote = 0;
        if (!WriteFile(Handle(handle_), bytes.data(), chunk, &wrote, nullptr))
            return LastError();
        if (wrote == 0)
            return std::make_error_code(std::errc::io_error);
        bytes.remove_prefix(wrote);
    }
    return {};
}

std::error_code NewFile::Close()
{
    if (!IsOpen())
        return {};
    return CloseHandle(Handle(std::exchange(handle_, kNone))) ? std::error_code() : LastError();
}

}  // namespace vnbview
