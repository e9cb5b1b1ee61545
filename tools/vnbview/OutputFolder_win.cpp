#include <windows.h>

#include <algorithm>
#include <utility>

#include "platform/win32/WideText.h"
#include "tools/vnbview/OutputFolder.h"

namespace vnbview {
namespace {

std::error_code LastError() { return {static_cast<int>(GetLastError()), std::system_category()}; }

HANDLE Handle(intptr_t handle) { return reinterpret_cast<HANDLE>(handle); }

// Held without letting others delete or rename it, the folder cannot be
// swapped for a junction or link while files are made in it. A reparse
// point is opened as itself, never followed, unless the user named it.
intptr_t HoldFolder(const std::filesystem::path& path, bool followLinks, std::error_code& error)
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

OutputFolder OutputFolder::Open(const std::filesystem::path& path, std::error_code& error)
{
    const intptr_t handle = HoldFolder(path, true, error);
    return handle == kNone ? OutputFolder() : OutputFolder(path, handle);
}

OutputFolder OutputFolder::MakeFolder(std::u16string_view name, std::error_code& error) const
{
    std::filesystem::path path = path_ / win::Wide(name);
    if (!CreateDirectoryW(path.c_str(), nullptr)) {
        error = LastError();
        return {};
    }
    const intptr_t handle = HoldFolder(path, false, error);
    return handle == kNone ? OutputFolder() : OutputFolder(std::move(path), handle);
}

NewFile OutputFolder::MakeFile(std::u16string_view name, std::error_code& error) const
{
    // CREATE_NEW fails on anything of that name, a link included.
    const std::filesystem::path path = path_ / win::Wide(name);
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
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
