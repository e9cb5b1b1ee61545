#pragma once
// The steps the open procedure is made of, each usable alone: opening the
// file, reading the book from it, unlocking a protected book.
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "docfile/ArchiveError.h"
#include "docfile/ByteSource.h"
#include "model/Book.h"

namespace opening {

struct ReadResult {
    bool loaded = false;  // false once anything went wrong while reading
    // The archive error to show, when reading stopped at one.
    std::optional<docfile::ArchiveError> error;
};

// The document file, open for reading; null when the system refuses it.
// Never throws.
std::unique_ptr<docfile::FileSource> OpenForReading(const std::filesystem::path& path);

// Reads the book from `source`, front to back, naming the document `name`
// in archive errors and calling `progress` after each page. What was read
// before a failure stays in the book. Never throws.
ReadResult ReadBook(docfile::ByteSource& source, std::u16string name, model::CBook& book,
                    const model::ProgressFn& progress = {});

enum class Unlock {
    Accepted,        // password right, every page deciphered
    WrongPassword,   // ask again
    DecipherFailed,  // right password, a page could not be deciphered
};

// Checks a typed password against a protected book and deciphers it.
Unlock UnlockBook(model::CBook& book, std::u16string_view password);

}  // namespace opening
