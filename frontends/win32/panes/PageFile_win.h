#pragma once
#include "text/HtmlPageFile.h"

#include <string>

namespace viewer {

// The temporary file that holds the page the browser shows: one on disk at
// a time, listed with the temporary files so that a file which cannot be
// deleted now goes when a viewer closes.
class PageFile {
public:
    PageFile() = default;
    PageFile(const PageFile&) = delete;
    PageFile& operator=(const PageFile&) = delete;
    ~PageFile() { Delete(); }

    // Deletes the previous file, then writes the page to a new one; false
    // (and no file) when it could not be written.
    bool Write(text::PageFileKind kind, std::u16string_view text);
    void Delete();
    // Empty when there is no file.
    const std::u16string& Path() const { return path_; }

private:
    std::u16string path_;
};

}  // namespace viewer
