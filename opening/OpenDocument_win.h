#pragma once
// Opening a document inside a Lister window: progress bar, wait cursor,
// password dialog, message boxes and the wait before a retry.
#include "model/Book.h"

#include <windows.h>

#include <filesystem>

namespace opening {

// Where the password dialog's "Show password on typing" choice is kept.
class PasswordChoice {
public:
    virtual ~PasswordChoice() = default;
    virtual bool ShowPassword() = 0;
    // Called after every showing of the dialog, whichever button closed it.
    virtual void StoreShowPassword(bool show) = 0;
};

// Reads `path` into `book`; false when it is not loaded. A failed open ends
// with "Cant load document" in a message box owned by `lister`; a cancelled
// password dialog ends quietly.
bool OpenInWindow(const std::filesystem::path& path, HWND lister, model::CBook& book, PasswordChoice& choice);

}  // namespace opening
