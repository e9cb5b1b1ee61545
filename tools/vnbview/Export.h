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
    size_t outsideTree = 0;  // pages the tree does not show, written beside it
};

// The folder beside the tree for the pages the tree does not show (a
// missing parent, a second top-level page, a cycle without the root).
inline constexpr char16_t kOutsideTreeFolder[] = u"Not in the tree";

// Writes every page under `dir`, which must not exist or be empty, plus
// dir/index.html: the fully expanded tree, then the pages outside it in a
// folder of their own. Nothing is written outside `dir`.
ExportResult ExportBook(const model::CBook& book, const std::filesystem::path& dir, const std::u16string& title,
                        unsigned codePage);

}  // namespace vnbview
