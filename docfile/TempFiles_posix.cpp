#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "docfile/TempFiles.h"
#include "platform/CodePage.h"

namespace docfile {
namespace {

class PosixTempFileSystem final : public TempFileSystem {
public:
    std::u16string UniqueTempName(uint32_t attempt) override
    {
        const char* dir = std::getenv("TMPDIR");
        std::string folder = dir && *dir ? dir : "/tmp";
        if (folder.back() != '/')
            folder += '/';
        const auto ticks = std::chrono::duration_cast<std::chrono::milliseconds>(
                               std::chrono::steady_clock::now().time_since_epoch()).count();
        char name[16];
        std::snprintf(name, sizeof name, "abc%X.tmp", static_cast<unsigned>((ticks + attempt) & 0xFFFF));
        return platform::Utf8ToWide(folder + name);
    }
    bool Exists(const std::u16string& path) override
    {
        struct stat st {};
        return ::stat(platform::WideToUtf8(path).c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
    }
    void Delete(const std::u16string& path) override { ::unlink(platform::WideToUtf8(path).c_str()); }
};

}  // namespace

TempFileList& TempFiles()
{
    static PosixTempFileSystem fileSystem;
    static TempFileList list(fileSystem);
    return list;
}

}  // namespace docfile
