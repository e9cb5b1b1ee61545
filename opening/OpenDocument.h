#pragma once
// The open procedure: a path becomes a loaded book, or the user hears why
// not. Every front end runs this one sequence; what it shows and how it
// asks for a password are the front end's, through the three sinks below.
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "model/Book.h"

namespace opening {

// How the front end asks for the password of a protected book.
class PasswordPrompt {
public:
    virtual ~PasswordPrompt() = default;
    // The next password to try; `previous` is the last one tried (empty at
    // first). Nothing when the user gives up or none is left.
    virtual std::optional<std::u16string> Ask(const std::u16string& prompt, const std::u16string& previous) = 0;
    // Waits before the check that follows a wrong password.
    virtual void Wait(std::chrono::milliseconds delay) = 0;
};

// Where the procedure's messages go, in the order it sends them.
class MessageSink {
public:
    virtual ~MessageSink() = default;
    // An archive error, a wrong password, a page that cannot be deciphered.
    virtual void Warn(const std::u16string& text) = 0;
    // The last word of a failed open: "Cant load document" with the full path.
    virtual void CantLoad(const std::u16string& text) = 0;
    // Before CantLoad, when the system refused to open the file at all.
    virtual void CannotOpen(const std::filesystem::path& path, const std::u16string& fullPath) {}
};

// What the front end shows while the document is read. Nothing by default.
class ProgressSink {
public:
    virtual ~ProgressSink() = default;
    virtual void ReadingStarted() {}
    // After each page: `index` counts from 0.
    virtual void PageRead(uint32_t index, uint32_t count) {}
    virtual void ReadingEnded() {}
    // The display is no longer wanted: once, after the archive error was
    // shown and before the password is asked for.
    virtual void Dismiss() {}
};

enum class OpenOutcome {
    Opened,
    Cancelled,  // no password came: nothing more is said
    Failed,     // CantLoad was the last message
};

struct OpenResult {
    OpenOutcome outcome = OpenOutcome::Failed;
    std::u16string fullPath;  // as the messages name the document
    int passwordsTried = 0;
};

// Reads the document at `path`, exactly as given, into `book`.
OpenResult OpenDocument(const std::filesystem::path& path, model::CBook& book, PasswordPrompt& passwords,
                        MessageSink& messages, ProgressSink& progress);

// The absolute form of a path, as the messages name it. Not normalised:
// "lnk/../a.vnb" stays so, since the system may resolve it to another file
// than the letters suggest; a path that is already absolute stays as it is.
std::u16string FullPath(const std::filesystem::path& path);

// True when the name ends in ".vnb", in any case: the viewer takes no other
// file, so the host can offer it to another viewer.
bool IsDocumentName(std::u16string_view fileName);

}  // namespace opening
