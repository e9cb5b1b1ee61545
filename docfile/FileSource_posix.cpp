#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "docfile/ByteSource.h"

namespace docfile {

std::unique_ptr<FileSource> FileSource::Open(const std::filesystem::path& path)
{
    // Not blocking while opening: a named pipe without a writer would wait
    // for one for ever. Only a regular file is read, and read blocking.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return nullptr;
    struct stat st {};
    const int flags = fcntl(fd, F_GETFL);
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || flags < 0 || fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
        ::close(fd);
        return nullptr;
    }
    auto* handle = reinterpret_cast<void*>(static_cast<intptr_t>(fd));
    return std::unique_ptr<FileSource>(new FileSource(handle, static_cast<uint64_t>(st.st_size)));
}

FileSource::~FileSource() { ::close(static_cast<int>(reinterpret_cast<intptr_t>(handle_))); }

size_t FileSource::Read(void* dst, size_t n)
{
    const int fd = static_cast<int>(reinterpret_cast<intptr_t>(handle_));
    size_t done = 0;
    while (done < n) {
        const ssize_t got = ::read(fd, static_cast<char*>(dst) + done, n - done);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        done += static_cast<size_t>(got);
    }
    pos_ += done;
    // A file that shrinks while being read ends here.
    if (done < n)
        size_ = pos_;
    return done;
}

}  // namespace docfile
