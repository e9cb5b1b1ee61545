#pragma once
// Opening a document as the plug-in does: read, report the archive error,
// ask for the password of a protected book, then report the failed load.
#include <functional>
#include <optional>
#include <string>

#include "model/Book.h"

namespace vnbview {

class PasswordSource {
public:
    virtual ~PasswordSource() = default;
    // The next password to try, or nothing when there is none (not given,
    // input ended, or no attempts left).
    virtual std::optional<std::u16string> Next(const std::u16string& prompt) = 0;
    // The last password was wrong.
    virtual void Rejected() {}
};

using MessageSink = std::function<void(const std::u16string& message)>;

// Loads `fullPath` into `book`, sending the messages the plug-in would show,
// in its order, to `message`. Returns an exit code of ExitCodes.h.
int OpenBook(const std::u16string& fullPath, model::CBook& book, PasswordSource& passwords, const MessageSink& message);

// The absolute form of a path as given on the command line, which is what
// the messages name; the path itself when it cannot be made absolute.
std::u16string FullPath(const std::u16string& path);

}  // namespace vnbview
