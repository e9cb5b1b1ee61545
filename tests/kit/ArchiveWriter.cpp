#include "tests/kit/ArchiveWriter.h"

#include <bit>
#include <cstring>
#include <stdexcept>

#include "tests/kit/Jb01.h"

namespace kit {

void ArchiveWriter::Byte(uint8_t value) { bytes_.push_back(value); }

void ArchiveWriter::Word(uint16_t value) { Byte(static_cast<uint8_t>(value)), Byte(static_cast<uint8_t>(value >> 8)); }

void ArchiveWriter::Dword(uint32_t value) { Word(static_cast<uint16_t>(value)), Word(static_cast<uint16_t>(value >> 16)); }

void ArchiveWriter::Long(int32_t value) { Dword(static_cast<uint32_t>(value)); }

void ArchiveWriter::Double(double value) {
    const auto bits = std::bit_cast<uint64_t>(value);
    Dword(static_cast<uint32_t>(bits)), Dword(static_cast<uint32_t>(bits >> 32));
}

void ArchiveWriter::Raw(std::span<const uint8_t> bytes) { bytes_.insert(bytes_.end(), bytes.begin(), bytes.end()); }
void ArchiveWriter::Raw(std::string_view bytes) { bytes_.insert(bytes_.end(), bytes.begin(), bytes.end()); }

void ArchiveWriter::Zeros(size_t count) { bytes_.insert(bytes_.end(), count, 0); }

// n < 255: BYTE n; n < 0xFFFE: FF + WORD n; otherwise FF FFFF + DWORD n.
// The WORD value 0xFFFE is the wide marker, so it never names a length.
void ArchiveWriter::LengthPrefix(uint32_t length, PrefixForm form) {
    if (form == PrefixForm::Shortest)
        form = length < 0xFF ? PrefixForm::Shortest : length < 0xFFFE ? PrefixForm::Word : PrefixForm::Dword;
    if (form == PrefixForm::Shortest) {
        Byte(static_cast<uint8_t>(length));
    } else if (form == PrefixForm::Word) {
        if (length >= 0xFFFE) throw std::invalid_argument("length does not fit a WORD prefix");
        Byte(0xFF);
        Word(static_cast<uint16_t>(length));
    } else {
        Byte(0xFF);
        Word(0xFFFF);
        Dword(length);
    }
}

void ArchiveWriter::String(std::u16string_view text, PrefixForm form) {
    Byte(0xFF);
    Word(0xFFFE);
    LengthPrefix(static_cast<uint32_t>(text.size()), form);
    for (char16_t unit : text) Word(static_cast<uint16_t>(unit));
}

void ArchiveWriter::NarrowString(std::string_view bytes, PrefixForm form) {
    LengthPrefix(static_cast<uint32_t>(bytes.size()), form);
    Raw(bytes);
}

void ArchiveWriter::CompressedString(std::string_view narrow, Compression how) {
    const std::span bytes(reinterpret_cast<const uint8_t*>(narrow.data()), narrow.size());
    if (narrow.empty() || how == Compression::Raw) return CompressedRaw(bytes);
    CompressedRaw(Jb01Encode(bytes));
}

void ArchiveWriter::CompressedRaw(std::span<const uint8_t> bytes) {
    Dword(static_cast<uint32_t>(bytes.size()));
    Raw(bytes);
}

void ArchiveWriter::ClassTag(std::string_view name, uint16_t schema) {
    const auto found = classes_.find(name);
    if (found == classes_.end()) {
        NewClassTag(name, schema);
        return;
    }
    if (found->second.schema != schema) {
        throw std::logic_error("class " + std::string(name) + " already has another schema in this stream");
    }
    KnownClassTag(found->second.index, knownTagForm_);
}

void ArchiveWriter::NewClassTag(std::string_view name, uint16_t schema) {
    const size_t begin = bytes_.size();
    Word(0xFFFF);
    Word(schema);
    Word(static_cast<uint16_t>(name.size()));
    Raw(name);
    newTags_.push_back({std::string(name), begin, bytes_.size() - name.size(), bytes_.size()});
    // A repeated new-class tag gives the class a fresh index; the latest wins.
    classes_[std::string(name)] = ClassEntry{nextIndex_++, schema};
}

void ArchiveWriter::KnownClassTag(uint32_t index, KnownTagForm form) {
    if (form == KnownTagForm::Short && index < 0x7FFF) {
        Word(static_cast<uint16_t>(0x8000 + index));
    } else {
        Word(0x7FFF);
        Dword(0x80000000u + index);
    }
}

}  // namespace kit
