#pragma once
// Opening a document as the plug-in does: read, report the archive error,
// ask for the password of a protected book, then report the failed load.
#include <filesystem>
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

// Loads the file at `path`, exactly as given, into `book`, sending the
// messages the plug-in would show, in its order, to `message`; when the file
// cannot be opened at all the system's reason comes first. Returns an exit
// code of ExitCodes.h.
int OpenBook(const std::filesystem::path& path, model::CBook& book, PasswordSource& passwords, const MessageSink& message);

// The absolute form of a path as given on the command line, as the messages
// name it. Not normalised: "lnk/../a.vnb" stays so, since the system may
// resolve it to another file than the letters suggest.
std::u16string FullPath(const std::filesystem::path& path);

}  // namespace vnbview
