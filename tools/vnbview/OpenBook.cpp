#include "tools/vnbview/OpenBook.h"

#include <filesystem>

#include "docfile/Messages.h"
#include "docfile/OpenDocument.h"
#include "platform/CodePage.h"
#include "platform/FilePath.h"
#include "tools/vnbview/ExitCodes.h"
#include "tools/vnbview/Unreadable.h"

namespace vnbview {

int OpenBook(const std::filesystem::path& path, model::CBook& book, PasswordSource& passwords, const MessageSink& message)
{
    using docfile::FormatText;
    const std::u16string fullPath = FullPath(path);
    const docfile::ReadResult read = docfile::ReadDocument(path, book);
    if (!read.opened) {
        if (const std::string reason = WhyUnreadable(path); !reason.empty())
            message(u"vnbview: cannot open " + fullPath + u": " + platform::Utf8ToWide(reason));
        message(FormatText(docfile::kCantLoadDocument, {fullPath}));
        return kExitLoad;
    }
    if (read.error)
        message(read.error->Message());

    // The password comes before the load failure is reported: a damaged
    // protected document still asks for it when its verifier was read.
    if (book.IsProtected()) {
        const std::u16string name = docfile::FileNamePart(fullPath);
        const std::u16string prompt = FormatText(docfile::kRequiredPassword, {name});
        bool rejectedLast = false;
        for (bool first = true;; first = false) {
            const std::optional<std::u16string> password = passwords.Next(prompt);
            if (!password) {
                // None was given at all: say how to give one, not that it was wrong.
                if (first)
                    message(name + u" is protected: give its password with --password PW or --password-file FILE");
                else if (!rejectedLast)
                    message(FormatText(docfile::kInvalidPassword, {name}));
                return kExitPassword;
            }
            const docfile::Unlock unlock = docfile::UnlockBook(book, *password);
            if (unlock == docfile::Unlock::Accepted)
                break;
            if (unlock == docfile::Unlock::DecipherFailed) {
                message(FormatText(docfile::kCantEncodeWithPassword, {*password, name}));
                message(FormatText(docfile::kCantLoadDocument, {fullPath}));
                return kExitLoad;
            }
            message(FormatText(docfile::kInvalidPassword, {name}));
            passwords.Rejected();
            rejectedLast = true;
        }
    }
    if (!read.loaded) {
        message(FormatText(docfile::kCantLoadDocument, {fullPath}));
        return kExitLoad;
    }
    return kExitOk;
}

std::u16string FullPath(const std::filesystem::path& path)
{
    std::error_code error;
    const std::filesystem::path full = std::filesystem::absolute(path, error);
    return platform::PathText(error ? path : full);
}

}  // namespace vnbview
