#include "tools/vnbview/OutputFolder.h"

#include <string>
#include <utility>

namespace vnbview {

OutputFolder::OutputFolder(OutputFolder&& other) noexcept
    : path_(std::move(other.path_)), systemPath_(std::move(other.systemPath_)), handle_(std::exchange(other.handle_, kNone))
{
}

OutputFolder& OutputFolder::operator=(OutputFolder&& other) noexcept
{
    std::swap(path_, other.path_);
    std::swap(systemPath_, other.systemPath_);
    std::swap(handle_, other.handle_);
    return *this;
}

NewFile::NewFile(NewFile&& other) noexcept : handle_(std::exchange(other.handle_, kNone)) {}

NewFile& NewFile::operator=(NewFile&& other) noexcept
{
    std::swap(handle_, other.handle_);
    return *this;
}

NewFile::~NewFile() { Close(); }

std::u16string LongPathForm(std::u16string_view fullPath)
{
    if (fullPath.starts_with(u"\\\\?\\") || fullPath.starts_with(u"\\\\.\\"))
        return std::u16string(fullPath);
    if (fullPath.starts_with(u"\\\\"))
        return u"\\\\?\\UNC\\" + std::u16string(fullPath.substr(2));
    return u"\\\\?\\" + std::u16string(fullPath);
}

}  // namespace vnbview
