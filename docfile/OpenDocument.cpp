#include "docfile/OpenDocument.h"

#include "docfile/ByteSource.h"
#include "docfile/LoadArchive.h"

namespace docfile {

ReadResult ReadDocument(const std::u16string& path, model::CBook& book, const model::ProgressFn& progress)
{
    ReadResult result;
    std::unique_ptr<FileSource> file;
    try {
        file = FileSource::Open(path);
    } catch (...) {
    }
    if (!file)
        return result;
    result.opened = true;
    try {
        LoadArchive archive(*file, path);
        book.Load(archive, progress);
        result.loaded = true;
    } catch (const ArchiveError& error) {
        result.error = error;
    } catch (...) {
        // Out of memory and the like: a failed load without a message.
    }
    return result;
}

Unlock UnlockBook(model::CBook& book, std::u16string_view password)
{
    if (!book.CheckPassword(password))
        return Unlock::WrongPassword;
    return book.Decipher(password) ? Unlock::Accepted : Unlock::DecipherFailed;
}

}  // namespace docfile
