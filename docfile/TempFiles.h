#pragma once
#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

namespace docfile {

// What the temporary-file list needs of the file system; the Win32 one is
// the real thing, tests bring their own.
class TempFileSystem {
public:
    virtual ~TempFileSystem() = default;
    // A fresh name "<folder>\abc<hex>.tmp" (not created), or empty. The
    // hex part comes from the clock; `attempt` moves it on when a name made
    // in the same clock tick is already taken.
    virtual std::u16string UniqueTempName(uint32_t attempt) = 0;
    virtual bool Exists(const std::u16string& path) = 0;
    virtual void Delete(const std::u16string& path) = 0;
};

// The process-wide list of temporary files made for HTML pages and icon
// lookups, deleted when a viewer closes.
class TempFileList {
public:
    explicit TempFileList(TempFileSystem& fileSystem) : fs_(fileSystem) {}

    // Builds a fresh name ending in ".<extension>", lists it and returns it
    // (empty when no name could be made). The file is not created. A name
    // that is listed already or exists is never given out twice.
    std::u16string Make(std::u16string_view extension);
    // Lists an existing path.
    void Register(const std::u16string& path);
    // Deletes every listed file. When any of them survives, the whole list
    // is kept for the next try; otherwise it is emptied.
    void DeleteAll();
    std::vector<std::u16string> Paths() const;

private:
    TempFileSystem& fs_;
    mutable std::mutex lock_;
    std::vector<std::u16string> paths_;
};

// "name.tmp" + "htm" or ".htm" -> "name.tmp.htm".
std::u16string AppendExtension(std::u16string name, std::u16string_view extension);

// The process-wide list over the system's file system.
TempFileList& TempFiles();

}  // namespace docfile
