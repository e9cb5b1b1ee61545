#include "tools/vnbview/OpenBook.h"

#include <filesystem>

#include "docfile/Messages.h"
#include "docfile/OpenDocument.h"
#include "tools/vnbview/ExitCodes.h"

namespace vnbview {

int OpenBook(const std::u16string& fullPath, model::CBook& book, PasswordSource& passwords, const MessageSink& message)
{
    using docfile::FormatText;
    const docfile::ReadResult read = docfile::ReadDocument(fullPath, book);
    if (!read.opened) {
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

std::u16string FullPath(const std::u16string& path)
{
    try {
        return std::filesystem::absolute(std::filesystem::path(path)).lexically_normal().u16string();
    } catch (...) {
        return path;
    }
}

}  // namespace vnbview
