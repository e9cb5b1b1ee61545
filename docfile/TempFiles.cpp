#include "docfile/TempFiles.h"

#include <algorithm>

namespace docfile {

std::u16string AppendExtension(std::u16string name, std::u16string_view extension)
{
    if (name.empty())
        return name;
    if (extension.empty() || extension.front() != u'.') {
        if (name.back() != u'.')
            name += u'.';
    }
    name += extension;
    return name;
}

std::u16string TempFileList::Make(std::u16string_view extension)
{
    // Names come from a clock that ticks every few milliseconds, so two
    // pages shown in quick succession would otherwise share one file.
    constexpr uint32_t kAttempts = 256;
    std::lock_guard<std::mutex> guard(lock_);
    for (uint32_t attempt = 0; attempt < kAttempts; ++attempt) {
        std::u16string path = AppendExtension(fs_.UniqueTempName(attempt), extension);
        if (path.empty())
            return path;
        if (std::find(paths_.begin(), paths_.end(), path) != paths_.end() || fs_.Exists(path))
            continue;
        paths_.push_back(path);
        return path;
    }
    return {};
}

void TempFileList::Register(const std::u16string& path)
{
    std::lock_guard<std::mutex> guard(lock_);
    paths_.push_back(path);
}

void TempFileList::DeleteAll()
{
    std::lock_guard<std::mutex> guard(lock_);
    for (const std::u16string& path : paths_)
        if (fs_.Exists(path))
            fs_.Delete(path);
    for (const std::u16string& path : paths_)
        if (fs_.Exists(path))
            return;
    paths_.clear();
}

std::vector<std::u16string> TempFileList::Paths() const
{
    std::lock_guard<std::mutex> guard(lock_);
    return paths_;
}

}  // namespace docfile
