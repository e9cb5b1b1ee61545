#pragma once
#include <filesystem>
#include <string>

#include "model/Book.h"

namespace vnbview {

// Folders nest at most this deep below the export folder; deeper pages go
// into the deepest folder (index.html still shows their true place), so
// paths stay within what file systems accept.
inline constexpr size_t kMaxFolderDepth = 24;

struct ExportResult {
    bool ok = false;
    bool usage = false;  // the folder was unsuitable (not a folder, not empty)
    std::string error;
    size_t files = 0;
};

// Writes every page of the fully expanded tree under `dir`, which must not
// exist or be empty, plus dir/index.html. Nothing is written outside `dir`.
ExportResult ExportBook(const model::CBook& book, const std::filesystem::path& dir, const std::u16string& title,
                        unsigned codePage);

}  // namespace vnbview
