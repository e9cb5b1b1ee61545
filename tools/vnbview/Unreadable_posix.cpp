#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

#include "tools/vnbview/Unreadable.h"

namespace vnbview {

std::string WhyUnreadable(const std::filesystem::path& path)
{
    // Opened as the reader opens it: without blocking on a named pipe.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return std::generic_category().message(errno);
    struct stat st {};
    const int statError = fstat(fd, &st) == 0 ? 0 : errno;
    ::close(fd);
    if (statError != 0)
        return std::generic_category().message(statError);
    if (S_ISDIR(st.st_mode))
        return std::generic_category().message(EISDIR);
    if (!S_ISREG(st.st_mode))
        return "not a regular file";
    return {};
}

}  // namespace vnbview
