#include "tests/kit/Document.h"

#include "tests/kit/Cipher.h"
#include "tests/kit/Jb01.h"

namespace kit {
namespace {

void ProtectText(PageText& field, const std::u16string& password) {
    field.text = Transform(field.text, password);
    field.narrow.reset();
    if (field.store != TextStore::Auto) field.store = TextStore::Wide;
}

// Reads a content block the way the page does: UTF-16LE up to the first NUL.
std::u16string ContentText(const std::vector<uint8_t>& bytes) {
    std::u16string text;
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const auto unit = static_cast<char16_t>(bytes[i] | (bytes[i + 1] << 8));
        if (unit == 0) break;
        text.push_back(unit);
    }
    return text;
}

}  // namespace

BookSpec ProtectBook(BookSpec book, const std::u16string& password) {
    if (password.empty()) return book;
    if (book.verifier.empty()) book.verifier = MakeVerifier(password);
    for (auto& page : book.pages) {
        ProtectText(page.title, password);
        if (page.content) {
            page.text = ContentText(*page.content);
            page.content.reset();
        }
        ProtectText(page.text, password);
    }
    return book;
}

std::vector<uint8_t> BookBodyBytes(const BookSpec& book, const DocumentOptions& options) {
    ArchiveWriter body;
    body.SetKnownTagForm(options.knownTags);
    WriteBookBody(body, ProtectBook(book, options.password), options.schemas);
    return body.Take();
}

std::vector<uint8_t> WriteDocument(const BookSpec& book, const DocumentOptions& options) {
    ArchiveWriter file;
    file.SetKnownTagForm(options.knownTags);
    file.ClassTag("CBook", options.schemas.book);
    const bool packed = options.schemas.book >= 15 && options.packed;
    if (options.schemas.book >= 15) file.Dword(packed ? options.packedFlag : 0);
    if (!packed) {
        WriteBookBody(file, ProtectBook(book, options.password), options.schemas);
        return file.Take();
    }
    const auto stream = options.packedBody ? *options.packedBody : Jb01Encode(BookBodyBytes(book, options));
    file.Dword(options.packedLength.value_or(static_cast<uint32_t>(stream.size())));
    file.Raw(stream);
    return file.Take();
}

}  // namespace kit
