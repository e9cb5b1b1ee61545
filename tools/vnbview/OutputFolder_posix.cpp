#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

#include "platform/CodePage.h"
#include "tools/vnbview/OutputFolder.h"

namespace vnbview {
namespace {

std::error_code LastError() { return {errno, std::generic_category()}; }

int Descriptor(intptr_t handle) { return static_cast<int>(handle); }

}  // namespace

OutputFolder::~OutputFolder()
{
    if (IsOpen())
        ::close(Descriptor(handle_));
}

OutputFolder::Occupancy OutputFolder::Occupied(const std::filesystem::path& path)
{
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    if (!std::filesystem::exists(status))
        return Occupancy::Missing;
    const bool empty = std::filesystem::is_directory(status) && std::filesystem::is_empty(path, error);
    return empty && !error ? Occupancy::EmptyFolder : Occupancy::Taken;
}

std::error_code OutputFolder::MakeFolders(const std::filesystem::path& path)
{
    std::error_code error;
    std::filesystem::create_directories(path, error);
    return error;
}

OutputFolder OutputFolder::Open(const std::filesystem::path& path, std::error_code& error)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        error = LastError();
        return {};
    }
    return OutputFolder(path, {}, fd);
}

OutputFolder OutputFolder::MakeFolder(std::u16string_view name, std::error_code& error) const
{
    const std::string native = platform::WideToUtf8(name);
    // Made, then opened without following a link: what is opened is the
    // folder just made, or the attempt fails.
    if (::mkdirat(Descriptor(handle_), native.c_str(), 0777) != 0) {
        error = LastError();
        return {};
    }
    const int fd = ::openat(Descriptor(handle_), native.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        error = LastError();
        return {};
    }
    return OutputFolder(path_ / native, {}, fd);
}

NewFile OutputFolder::MakeFile(std::u16string_view name, std::error_code& error) const
{
    const std::string native = platform::WideToUtf8(name);
    const int fd = ::openat(Descriptor(handle_), native.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0) {
        error = LastError();
        return {};
    }
    return NewFile(fd);
}

std::error_code NewFile::Write(std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t wrote = ::write(Descriptor(handle_), bytes.data(), bytes.size());
        if (wrote < 0 && errno == EINTR)
            continue;
        if (wrote < 0)
            return LastError();
        if (wrote == 0)
            return std::make_error_code(std::errc::io_error);
        bytes.remove_prefix(static_cast<size_t>(wrote));
    }
    return {};
}

std::error_code NewFile::Close()
{
    if (!IsOpen())
        return {};
    const int fd = Descriptor(std::exchange(handle_, kNone));
    // The descriptor is gone even when close reports an error: never retried.
    return ::close(fd) == 0 ? std::error_code() : LastError();
}

}  // namespace vnbview
