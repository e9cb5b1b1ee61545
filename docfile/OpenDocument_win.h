#pragma once
// Opening a document inside a Lister window: progress bar, wait cursor,
// password dialog and the messages of a failed read.
#include "model/Book.h"

#include <windows.h>

#include <filesystem>

namespace docfile {

// Where the password dialog's "Show password on typing" choice is kept.
class PasswordChoice {
public:
    virtual ~PasswordChoice() = default;
    virtual bool ShowPassword() = 0;
    // Called after every showing of the dialog, whichever button closed it.
    virtual void StoreShowPassword(bool show) = 0;
};

enum class OpenOutcome {
    Opened,
    Cancelled,  // the user dismissed the password dialog: nothing more to say
    Failed,     // the caller reports that the document cannot be loaded
};

// Reads `path` into `book`.
OpenOutcome OpenDocument(const std::filesystem::path& path, HWND parent, model::CBook& book, PasswordChoice& choice);

}  // namespace docfile
