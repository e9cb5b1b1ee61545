#include "opening/ReadDocument.h"

#include "docfile/LoadArchive.h"

namespace opening {

std::unique_ptr<docfile::FileSource> OpenForReading(const std::filesystem::path& path)
{
    try {
        return docfile::FileSource::Open(path);
    } catch (...) {
        return nullptr;
    }
}

ReadResult ReadBook(docfile::ByteSource& source, std::u16string name, model::CBook& book,
                    const model::ProgressFn& progress)
{
    ReadResult result;
    try {
        docfile::LoadArchive archive(source, std::move(name));
        book.Load(archive, progress);
        result.loaded = true;
    } catch (const docfile::ArchiveError& error) {
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

}  // namespace opening
