#pragma once
// Opening a document inside a Lister window: progress bar, wait cursor,
// password dialog and the messages of a failed open.
#include "model/Book.h"

#include <windows.h>

#include <string>

namespace docfile {

// Where the password dialog's "Show password on typing" choice is kept.
class PasswordChoice {
public:
    virtual ~PasswordChoice() = default;
    virtual bool ShowPassword() = 0;
    // Called after every showing of the dialog, whichever button closed it.
    virtual void StoreShowPassword(bool show) = 0;
};

// Reads `path` into `book`. On false, `cancelled` tells whether the user
// dismissed the password dialog; the caller reports other failures.
bool OpenDocument(const std::wstring& path, HWND parent, model::CBook& book, bool& cancelled, PasswordChoice& choice);

}  // namespace docfile
