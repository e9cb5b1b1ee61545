#include <windows.h>

#include <algorithm>

#include "docfile/ByteSource.h"

namespace docfile {

std::unique_ptr<FileSource> FileSource::Open(const std::filesystem::path& path)
{
    // Other readers are welcome, writers are not: the document must not
    // change under the reader. The handle is not inheritable.
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return nullptr;
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file, &size)) {
        CloseHandle(file);
        return nullptr;
    }
    return std::unique_ptr<FileSource>(new FileSource(file, static_cast<uint64_t>(size.QuadPart)));
}

FileSource::~FileSource() { CloseHandle(static_cast<HANDLE>(handle_)); }

size_t FileSource::Read(void* dst, size_t n)
{
    size_t done = 0;
    while (done < n) {
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(n - done, 1u << 30));
        DWORD got = 0;
        if (!ReadFile(static_cast<HANDLE>(handle_), static_cast<char*>(dst) + done, chunk, &got, nullptr) || got == 0)
            break;
        done += got;
    }
    pos_ += done;
    if (done < n)
        size_ = pos_;
    return done;
}

}  // namespace docfile
