#pragma once
// Whole document files: the book's class tag, the packed flag and body.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "tests/kit/ArchiveWriter.h"
#include "tests/kit/RecordWriters.h"

namespace kit {

struct DocumentOptions {
    Schemas schemas;  // schemas.book selects the book layout
    // Book schema 15 and later: pack the body as a JB01 stream. Earlier
    // schemas have no packed flag and ignore this.
    bool packed = true;
    // Non-empty: the book gets this password's verifier (unless the book
    // already has one) and page titles and texts are enciphered with it.
    std::u16string password;
    // Overrides the packed length DWORD, e.g. to claim more than follows.
    std::optional<uint32_t> packedLength;
    // Replaces the packed body bytes (after the length), e.g. with a
    // crafted JB01 stream; the length then describes these bytes.
    std::optional<std::vector<uint8_t>> packedBody;
    KnownTagForm knownTags = KnownTagForm::Short;
};

// The book body alone, as a packed document's JB01 stream would hold it
// (its own stream: class indices start again at 1).
std::vector<uint8_t> BookBodyBytes(const BookSpec& book, const DocumentOptions& options = {});

std::vector<uint8_t> WriteDocument(const BookSpec& book, const DocumentOptions& options = {});

}  // namespace kit
