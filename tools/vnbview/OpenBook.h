#pragma once
// Opening a document as the plug-in does, its messages on standard error.
#include <filesystem>
#include <string>

#include "model/Book.h"
#include "opening/OpenDocument.h"

namespace vnbview {

struct OpenedBook {
    int exitCode;             // of ExitCodes.h
    std::u16string fullPath;  // as the messages name the document
};

// Loads the file at `path`, exactly as given, into `book`; when the file
// cannot be opened at all the system's reason comes before "Cant load".
OpenedBook OpenBook(const std::filesystem::path& path, model::CBook& book, opening::PasswordPrompt& passwords);

}  // namespace vnbview
