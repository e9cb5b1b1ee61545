#pragma once
// Writes one archive stream: little-endian numbers, length-prefixed strings,
// class tags numbered per stream, counted lists and compressed strings.
#include <cstddef>
#include <cstdint>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kit {

// How a string length is prefixed. Shortest picks what a real writer picks;
// the others force a longer form than needed, which readers must accept.
enum class PrefixForm { Shortest, Word, Dword };

// Form of a known-class tag: WORD 0x8000+i, or WORD 0x7FFF + DWORD 0x80000000+i.
enum class KnownTagForm { Short, Long };

// Content of a compressed archive string: a JB01 stream of the narrow text,
// or the narrow text itself.
enum class Compression { Jb01, Raw };

class ArchiveWriter {
public:
    void Byte(uint8_t value);
    void Word(uint16_t value);
    void Dword(uint32_t value);
    void Long(int32_t value);
    void Double(double value);
    void Raw(std::span<const uint8_t> bytes);
    void Raw(std::string_view bytes);
    void Zeros(size_t count);

    void LengthPrefix(uint32_t length, PrefixForm form = PrefixForm::Shortest);
    // Wide form: FF FFFE, length prefix, UTF-16LE units.
    void String(std::u16string_view text, PrefixForm form = PrefixForm::Shortest);
    // Narrow form: length prefix, then the bytes as they are.
    void NarrowString(std::string_view bytes, PrefixForm form = PrefixForm::Shortest);
    // DWORD n, then n bytes; empty text is n = 0 either way.
    void CompressedString(std::string_view narrow, Compression how = Compression::Jb01);
    // DWORD n, then exactly these bytes (e.g. a crafted JB01 stream).
    void CompressedRaw(std::span<const uint8_t> bytes);

    // Class tag with automatic numbering: new-class form the first time the
    // name occurs in this stream, known-class form afterwards. Throws
    // std::logic_error when a later call asks for another schema, since one
    // stream can carry only one schema per class.
    void ClassTag(std::string_view name, uint16_t schema);
    // Always the new-class form (gives out the next index), for crafted input.
    void NewClassTag(std::string_view name, uint16_t schema);
    // A known-class tag for any index, registered or not.
    void KnownClassTag(uint32_t index, KnownTagForm form);
    // Where each new-class tag went: the tag from `begin`, its name from
    // `nameBegin`, up to `end`.
    struct TagSpan {
        std::string name;
        size_t begin, nameBegin, end;
    };
    const std::vector<TagSpan>& NewClassTags() const { return newTags_; }
    void SetKnownTagForm(KnownTagForm form) { knownTagForm_ = form; }

    const std::vector<uint8_t>& Bytes() const { return bytes_; }
    std::vector<uint8_t> Take() { return std::move(bytes_); }
    size_t Size() const { return bytes_.size(); }

private:
    struct ClassEntry {
        uint32_t index;
        uint16_t schema;
    };
    std::vector<uint8_t> bytes_;
    std::map<std::string, ClassEntry, std::less<>> classes_;
    std::vector<TagSpan> newTags_;
    uint32_t nextIndex_ = 1;
    KnownTagForm knownTagForm_ = KnownTagForm::Short;
};

}  // namespace kit
