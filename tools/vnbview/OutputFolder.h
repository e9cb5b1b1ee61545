#pragma once
// Folders and files the export makes. A folder is held open while it is
// written into, and everything inside it is made relative to that hold, not
// by its path: a symbolic link put in place of a folder or file meanwhile is
// never followed, and nothing that is already there is written over.
#include <cstdint>
#include <filesystem>
#include <string>
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

    // What is at a path the user named, for an export that starts only in
    // a new or empty folder. `Taken`: a file, a folder with something in
    // it, or a folder that cannot be read. `Missing` also when nothing can
    // be seen there (making it then fails with the reason).
    enum class Occupancy { Missing, EmptyFolder, Taken };
    static Occupancy Occupied(const std::filesystem::path& path);
    // Makes the folder `path` and the missing folders above it.
    static std::error_code MakeFolders(const std::filesystem::path& path);

    // The existing folder the user named, links in its path followed as
    // the user meant them.
    static OutputFolder Open(const std::filesystem::path& path, std::error_code& error);

    // A folder `name` made inside this one; an error when anything of that
    // name is there already (std::errc::file_exists when the system saw
    // the name as taken) or is put there before it is held.
    OutputFolder MakeFolder(std::u16string_view name, std::error_code& error) const;
    // A file `name` made inside this one; an error when anything of that
    // name, a link included, is there already (std::errc::file_exists when
    // the system saw the name as taken).
    NewFile MakeFile(std::u16string_view name, std::error_code& error) const;

    // Where the folder is, as the user named it, for messages.
    const std::filesystem::path& Path() const { return path_; }
    bool IsOpen() const { return handle_ != kNone; }

private:
    static constexpr intptr_t kNone = -1;
    OutputFolder(std::filesystem::path path, std::filesystem::path systemPath, intptr_t handle)
        : path_(std::move(path)), systemPath_(std::move(systemPath)), handle_(handle)
    {
    }

    std::filesystem::path path_;
    std::filesystem::path systemPath_;  // Windows: the long form of path_, which file calls are given
    intptr_t handle_ = kNone;           // a descriptor on POSIX, a HANDLE on Windows
};

// The long form of a full Windows path (as GetFullPathNameW gives it), which
// reaches the file system whatever its length (plain paths end at 260
// characters): "C:\a" becomes "\\?\C:\a", "\\server\share\a" becomes
// "\\?\UNC\server\share\a"; a path in such a form already, or a device
// path, stays as it is.
std::u16string LongPathForm(std::u16string_view fullPath);

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
