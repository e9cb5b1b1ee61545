#pragma once
// The reading half of opening a document, shared by the plug-in and the
// command-line reader. Showing progress, asking for passwords and showing
// messages is the caller's.
#include <filesystem>
#include <optional>
#include <string>

#include "docfile/ArchiveError.h"
#include "model/Book.h"

namespace docfile {

struct ReadResult {
    bool opened = false;  // false: the file could not be opened at all
    bool loaded = false;  // false once anything went wrong while reading
    // The archive error to show, when reading stopped at one.
    std::optional<ArchiveError> error;
};

// Opens `path` and reads the book from it, front to back, calling
// `progress` after each page. What was read before a failure stays in the
// book. Never throws.
ReadResult ReadDocument(const std::filesystem::path& path, model::CBook& book,
                        const model::ProgressFn& progress = {});

// True when the name ends in ".vnb", in any case: the viewer takes no other
// file, so the host can offer it to another viewer.
bool IsDocumentName(std::u16string_view fileName);

enum class Unlock {
    Accepted,        // password right, every page deciphered
    WrongPassword,   // ask again
    DecipherFailed,  // right password, a page could not be deciphered
};

// Checks a typed password against a protected book and deciphers it.
Unlock UnlockBook(model::CBook& book, std::u16string_view password);

}  // namespace docfile
