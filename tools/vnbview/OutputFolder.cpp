#include "tools/vnbview/OutputFolder.h"

#include <utility>

namespace vnbview {

OutputFolder::OutputFolder(OutputFolder&& other) noexcept
    : path_(std::move(other.path_)), handle_(std::exchange(other.handle_, kNone))
{
}

OutputFolder& OutputFolder::operator=(OutputFolder&& other) noexcept
{
    std::swap(path_, other.path_);
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

}  // namespace vnbview
