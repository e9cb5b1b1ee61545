#pragma once
// Folders and files the export makes. A folder is held open while it is
// written into, and everything inside it is made relative to that hold, not
// by its path: a symbolic link put in place of a folder or file meanwhile is
// never followed, and nothing that is already there is written over.
#include <cstdint>
#include <filesystem>
#include <string_view>
#include <system_error>

namespace vnbview {

class NewFile;

class OutputFolder {
public:
    OutputFolder() = default;
    OutputFolder(OutputFolder&& other) noexcept;
    OutputFolder& operator=(OutputFolder&& other) noexcept;
    OutputFolder(const OutputFolder&) = delete;
    OutputFolder& operator=(const OutputFolder&) = delete;
    ~OutputFolder();

    // The existing folder the user named, links in its path followed as
    // the user meant them.
    static OutputFolder Open(const std::filesystem::path& path, std::error_code& error);

    // A folder `name` made inside this one; an error when anything of that
    // name is there already or is put there before it is held.
    OutputFolder MakeFolder(std::u16string_view name, std::error_code& error) const;
    // A file `name` made inside this one; an error when anything of that
    // name, a link included, is there already.
    NewFile MakeFile(std::u16string_view name, std::error_code& error) const;

    // Where the folder is, for messages.
    const std::filesystem::path& Path() const { return path_; }
    bool IsOpen() const { return handle_ != kNone; }

private:
    static constexpr intptr_t kNone = -1;
    OutputFolder(std::filesystem::path path, intptr_t handle) : path_(std::move(path)), handle_(handle) {}

    std::filesystem::path path_;
    intptr_t handle_ = kNone;  // a descriptor on POSIX, a HANDLE on Windows
};

class NewFile {
public:
    NewFile() = default;
    NewFile(NewFile&& other) noexcept;
    NewFile& operator=(NewFile&& other) noexcept;
    NewFile(const NewFile&) = delete;
    NewFile& operator=(const NewFile&) = delete;
    ~NewFile();

    // Writes all of `bytes`; an error, the system's, when it cannot.
    std::error_code Write(std::string_view bytes);
    // Closes the file: some systems report a failed write only here.
    std::error_code Close();

    bool IsOpen() const { return handle_ != kNone; }

private:
    friend class OutputFolder;
    static constexpr intptr_t kNone = -1;
    explicit NewFile(intptr_t handle) : handle_(handle) {}

    intptr_t handle_ = kNone;
};

}  // namespace vnbview
