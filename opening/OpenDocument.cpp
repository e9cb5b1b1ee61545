#include "opening/OpenDocument.h"

#include "opening/Messages.h"
#include "opening/ReadDocument.h"
#include "platform/Ascii.h"
#include "platform/FilePath.h"

namespace opening {
namespace {

// Every check after a wrong password waits this long, to slow guessing; the
// number of tries is the prompt's to limit.
constexpr std::chrono::milliseconds kRetryDelay{1000};

// Overwrites a password before its memory is given back.
void Forget(std::u16string& text)
{
    volatile char16_t* unit = text.data();
    for (size_t i = 0; i < text.size(); ++i)
        unit[i] = u'\0';
    text.clear();
}

// Asks until the password is right or none comes. The prompt never changes.
OpenOutcome AskPassword(model::CBook& book, const std::u16string& name, PasswordPrompt& passwords,
                        MessageSink& messages, int& tried)
{
    const std::u16string prompt = FormatText(kRequiredPassword, {name});
    std::u16string previous;
    for (;;) {
        std::optional<std::u16string> password = passwords.Ask(prompt, previous);
        Forget(previous);
        if (!password)
            return OpenOutcome::Cancelled;
        previous = std::move(*password);
        if (tried++ > 0)
            passwords.Wait(kRetryDelay);
        switch (UnlockBook(book, previous)) {
        case Unlock::Accepted:
            Forget(previous);
            return OpenOutcome::Opened;
        case Unlock::WrongPassword:
            messages.Warn(FormatText(kInvalidPassword, {name}));
            break;
        case Unlock::DecipherFailed:
            messages.Warn(FormatText(kCantEncodeWithPassword, {previous, name}));
            Forget(previous);
            return OpenOutcome::Failed;
        }
    }
}

}  // namespace

OpenResult OpenDocument(const std::filesystem::path& path, model::CBook& book, PasswordPrompt& passwords,
                        MessageSink& messages, ProgressSink& progress)
{
    OpenResult result{.fullPath = FullPath(path)};
    const auto fail = [&] {
        messages.CantLoad(FormatText(kCantLoadDocument, {result.fullPath}));
        result.outcome = OpenOutcome::Failed;
        return result;
    };
    ReadResult read;
    {  // the file is open only while it is read: every message comes after
        const std::unique_ptr<docfile::FileSource> file = OpenForReading(path);
        if (!file) {
            messages.CannotOpen(path, result.fullPath);
            return fail();
        }
        progress.ReadingStarted();
        read = ReadBook(*file, platform::PathText(path), book,
                        [&progress](uint32_t index, uint32_t count) { progress.PageRead(index, count); });
        progress.ReadingEnded();
    }
    if (read.error)
        messages.Warn(read.error->Message());
    progress.Dismiss();

    // The password is asked for even when reading stopped early: what was
    // read carries the verifier, and the load is reported as failed after.
    if (book.IsProtected()) {
        result.outcome = AskPassword(book, FileNamePart(result.fullPath), passwords, messages, result.passwordsTried);
        if (result.outcome == OpenOutcome::Failed)
            return fail();
        if (result.outcome == OpenOutcome::Cancelled)
            return result;
    }
    if (!read.loaded)
        return fail();
    result.outcome = OpenOutcome::Opened;
    return result;
}

std::u16string FullPath(const std::filesystem::path& path)
{
    std::error_code error;
    const std::filesystem::path full = std::filesystem::absolute(path, error);
    return platform::PathText(error ? path : full);
}

bool IsDocumentName(std::u16string_view fileName)
{
    constexpr std::u16string_view kExtension = u".vnb";
    if (fileName.size() < kExtension.size())
        return false;
    return platform::EqualsFolded(fileName.substr(fileName.size() - kExtension.size()), kExtension);
}

}  // namespace opening
