#pragma once
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "docfile/ArchiveError.h"
#include "docfile/ByteSource.h"
#include "docfile/ClassTable.h"

namespace docfile {

// Reader of one archive stream: little-endian numbers, length-prefixed
// strings, class tags and compressed strings, through a 4096-byte buffer.
// Every error is an ArchiveError; the first one ends the read.
class LoadArchive {
public:
    static constexpr size_t kBufferSize = 4096;

    // `name` is the full path of a file source, empty for a memory block.
    LoadArchive(ByteSource& source, std::u16string name);
    LoadArchive(const LoadArchive&) = delete;
    LoadArchive& operator=(const LoadArchive&) = delete;

    uint8_t ReadByte() { return Fixed<uint8_t>(); }
    uint16_t ReadWord() { return Fixed<uint16_t>(); }
    uint32_t ReadDword() { return Fixed<uint32_t>(); }
    int32_t ReadLong() { return static_cast<int32_t>(Fixed<uint32_t>()); }
    double ReadDouble();

    // Copies up to n bytes; fewer only at the end of the stream. Never raises.
    size_t ReadRaw(void* dst, size_t n);
    // Reads up to n bytes into a vector sized to what actually arrived, so a
    // size field larger than the input never allocates beyond the input.
    std::vector<uint8_t> ReadBlock(uint64_t n);
    // Bytes that can still be read.
    uint64_t Remaining() const { return static_cast<uint64_t>(end_ - pos_) + source_.Remaining(); }

    std::u16string ReadString();
    std::u16string ReadCompressedString();
    // Checks that the next class tag names `expected` and returns its schema.
    uint32_t ReadClassTag(ArchiveClass expected);

    const std::u16string& Name() const { return name_; }
    // Raises an error of `cause` naming this archive (end-of-file is always unnamed).
    [[noreturn]] void Fail(ArchiveCause cause) const;

private:
    template <typename T>
    T Fixed()
    {
        if (static_cast<size_t>(end_ - pos_) < sizeof(T))
            Fill(sizeof(T));
        // Widen byte by byte so the value is little-endian on every host.
        T value = 0;
        for (size_t i = 0; i < sizeof(T); ++i)
            value = static_cast<T>(value | static_cast<T>(static_cast<T>(pos_[i]) << (8 * i)));
        pos_ += sizeof(T);
        return value;
    }
    // Makes at least `need` bytes available in the buffer or raises end-of-file.
    void Fill(size_t need);
    uint32_t ReadLengthPrefix(bool& wideMarker);

    struct KnownClass {
        ArchiveClass id;
        uint32_t schema;
    };

    ByteSource& source_;
    std::u16string name_;
    uint8_t buffer_[kBufferSize];
    uint8_t* pos_ = buffer_;
    uint8_t* end_ = buffer_;
    std::vector<KnownClass> classes_;  // index i + 1 is classes_[i]
};

// The next `size` bytes of an archive as a byte source of their own, for a
// stream nested in it. Reads never go past them.
class ArchiveSection final : public ByteSource {
public:
    ArchiveSection(LoadArchive& archive, uint64_t size) : archive_(archive), left_(size) {}

    size_t Read(void* dst, size_t n) override;
    uint64_t Remaining() const override { return std::min(left_, archive_.Remaining()); }

private:
    LoadArchive& archive_;
    uint64_t left_;
};

}  // namespace docfile
