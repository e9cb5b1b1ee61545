#include "tests/kit/Document.h"

#include <stdexcept>

#include "tests/kit/Cipher.h"
#include "tests/kit/Jb01.h"

namespace kit {
namespace {

void ProtectText(PageText& field, const std::u16string& password) {
    field.text = Transform(field.text, password);
    field.narrow.reset();
    if (field.store != TextStore::Auto) field.store = TextStore::Wide;
}

// Enciphers every page title and text with the password and sets the
// verifier. Narrow or compressed text stores cannot hold ciphered text,
// so such fields are switched to the wide form.
BookSpec ProtectBook(BookSpec book, const std::u16string& password) {
    if (password.empty()) return book;
    if (book.verifier.empty()) book.verifier = MakeVerifier(password);
    for (auto& page : book.pages) {
        ProtectText(page.title, password);
        if (page.content) throw std::invalid_argument("a crafted content block cannot be enciphered");
        ProtectText(page.text, password);
    }
    return book;
}

}  // namespace

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
    if (options.schemas.book >= 15) file.Dword(packed ? 1 : 0);
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
