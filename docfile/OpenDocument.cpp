#include "docfile/OpenDocument.h"

#include "docfile/ByteSource.h"
#include "docfile/LoadArchive.h"
#include "platform/FilePath.h"

namespace docfile {

ReadResult ReadDocument(const std::filesystem::path& path, model::CBook& book, const model::ProgressFn& progress)
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
        LoadArchive archive(*file, platform::PathText(path));
        book.Load(archive, progress);
        result.loaded = true;
    } catch (const ArchiveError& error) {
        result.error = error;
    } catch (...) {
        // Out of memory and the like: a failed load without a message.
    }
    return result;
}

bool IsDocumentName(std::u16string_view fileName)
{
    constexpr std::u16string_view kExtension = u".vnb";
    if (fileName.size() < kExtension.size())
        return false;
    const std::u16string_view tail = fileName.substr(fileName.size() - kExtension.size());
    for (size_t i = 0; i < tail.size(); ++i) {
        char16_t c = tail[i];
        if (c >= u'A' && c <= u'Z')
            c = static_cast<char16_t>(c - u'A' + u'a');
        if (c != kExtension[i])
            return false;
    }
    return true;
}

Unlock UnlockBook(model::CBook& book, std::u16string_view password)
{
    if (!book.CheckPassword(password))
        return Unlock::WrongPassword;
    return book.Decipher(password) ? Unlock::Accepted : Unlock::DecipherFailed;
}

}  // namespace docfile
