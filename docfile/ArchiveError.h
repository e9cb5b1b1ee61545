#pragma once
#include <cstdint>
#include <exception>
#include <string>

namespace docfile {

// Causes of reading errors; the numbers are part of the message table.
enum class ArchiveCause : int {
    None = 0,
    Generic = 1,
    ReadOnly = 2,
    EndOfFile = 3,
    WriteOnly = 4,
    BadIndex = 5,
    BadClass = 6,
    BadSchema = 7,
};

// A reading error: the first one ends the read. `fileName` is the archive's
// name at the point of failure (empty for memory archives and end-of-file).
class ArchiveError : public std::exception {
public:
    ArchiveError(ArchiveCause cause, std::u16string fileName) : cause_(cause), fileName_(std::move(fileName)) {}

    ArchiveCause Cause() const { return cause_; }
    const std::u16string& FileName() const { return fileName_; }
    std::u16string Message() const;
    const char* what() const noexcept override { return "archive error"; }

private:
    ArchiveCause cause_;
    std::u16string fileName_;
};

// The message for a cause with %1 replaced by the name, or "an unnamed file".
std::u16string ArchiveMessage(ArchiveCause cause, const std::u16string& fileName);

}  // namespace docfile
