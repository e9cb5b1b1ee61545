#include "docfile/LoadArchive.h"

#include <algorithm>

#include "docfile/Jb01Source.h"
#include "platform/CodePage.h"

namespace docfile {
namespace {

constexpr uint16_t kNewClassTag = 0xFFFF;
constexpr uint16_t kBigClassTag = 0x7FFF;
constexpr uint32_t kClassTagBit = 0x80000000u;
constexpr uint32_t kMaxClassIndex = 0x3FFFFFFE;
constexpr uint16_t kMaxClassNameLength = 64;

}  // namespace

LoadArchive::LoadArchive(ByteSource& source, std::u16string name) : source_(source), name_(std::move(name)) {}

void LoadArchive::Fail(ArchiveCause cause) const
{
    throw ArchiveError(cause, cause == ArchiveCause::EndOfFile ? std::u16string() : name_);
}

void LoadArchive::Fill(size_t need)
{
    const size_t have = static_cast<size_t>(end_ - pos_);
    std::memmove(buffer_, pos_, have);
    pos_ = buffer_;
    end_ = buffer_ + have;
    end_ += source_.Read(end_, kBufferSize - have);
    if (static_cast<size_t>(end_ - pos_) < need)
        Fail(ArchiveCause::EndOfFile);
}

double LoadArchive::ReadDouble()
{
    const uint64_t low = ReadDword();
    const uint64_t bits = low | (static_cast<uint64_t>(ReadDword()) << 32);
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

size_t LoadArchive::ReadRaw(void* dst, size_t n)
{
    auto* out = static_cast<uint8_t*>(dst);
    const size_t buffered = std::min(n, static_cast<size_t>(end_ - pos_));
    if (buffered > 0)
        std::memcpy(out, pos_, buffered);
    pos_ += buffered;
    if (buffered == n)
        return n;
    // Large reads bypass the buffer.
    return buffered + source_.Read(out + buffered, n - buffered);
}

std::vector<uint8_t> LoadArchive::ReadBlock(uint64_t n)
{
    std::vector<uint8_t> block(static_cast<size_t>(std::min(n, Remaining())));
    block.resize(ReadRaw(block.data(), block.size()));
    return block;
}

size_t ArchiveSection::Read(void* dst, size_t n)
{
    const size_t got = archive_.ReadRaw(dst, static_cast<size_t>(std::min<uint64_t>(n, left_)));
    left_ -= got;
    return got;
}

// Length prefix: BYTE n < 255 | FF, WORD n < 0xFFFE | FF, FFFF, DWORD n.
// FF FE FF in the WORD position is the wide-string marker.
uint32_t LoadArchive::ReadLengthPrefix(bool& wideMarker)
{
    wideMarker = false;
    const uint8_t b = ReadByte();
    if (b < 0xFF)
        return b;
    const uint16_t w = ReadWord();
    if (w == 0xFFFE) {
        wideMarker = true;
        return 0;
    }
    if (w < 0xFFFF)
        return w;
    return ReadDword();
}

std::u16string LoadArchive::ReadString()
{
    bool wide = false;
    uint32_t length = ReadLengthPrefix(wide);
    if (wide) {
        bool again = false;
        length = ReadLengthPrefix(again);
        if (again)
            Fail(ArchiveCause::BadIndex);
        if (static_cast<uint64_t>(length) * 2 > Remaining())
            Fail(ArchiveCause::EndOfFile);
        std::u16string text(length, u'\0');
        for (char16_t& unit : text)
            unit = ReadWord();
        return text;
    }
    if (length > Remaining())
        Fail(ArchiveCause::EndOfFile);
    std::string narrow(length, '\0');
    ReadRaw(narrow.data(), length);
    narrow.resize(std::min(narrow.size(), narrow.find('\0')));
    return platform::AnsiToWide(narrow);
}

// DWORD n, then n bytes: a JB01 stream of narrow text, or the narrow text
// itself when the bytes carry no valid JB01 header.
std::u16string LoadArchive::ReadCompressedString()
{
    const uint32_t n = ReadDword();
    if (n == 0)
        return {};
    if (n > Remaining())
        Fail(ArchiveCause::EndOfFile);
    std::vector<uint8_t> raw(n);
    ReadRaw(raw.data(), n);
    std::string narrow;
    if (Jb01ReadHeader(raw.data(), raw.size()) > 0) {
        MemorySource packed(raw.data(), raw.size());
        Jb01Source text(packed, raw.size());
        // Every way a stream can be broken shows users the same message;
        // a claim the input cannot honour fails before anything is allocated.
        if (text.Status() != Jb01Status::Ok)
            Fail(ArchiveCause::Generic);
        narrow.resize(static_cast<size_t>(text.Remaining()));
        if (text.Read(narrow.data(), narrow.size()) != narrow.size())
            Fail(ArchiveCause::Generic);
    } else {
        narrow.assign(raw.begin(), raw.end());
    }
    narrow.resize(std::min(narrow.size(), narrow.find('\0')));
    return platform::AnsiToWide(narrow);
}

// New class:   WORD FFFF, WORD schema, WORD name length L, L bytes of name.
// Known class: WORD 8000+i, or WORD 7FFF then DWORD 80000000+i.
// Class indices count from 1 in order of first appearance in this stream.
uint32_t LoadArchive::ReadClassTag(ArchiveClass expected)
{
    const uint16_t word = ReadWord();
    uint32_t tag;
    if (word == kBigClassTag)
        tag = ReadDword();
    else
        tag = (word & 0x7FFFu) | (static_cast<uint32_t>(word & 0x8000u) << 16);
    if ((tag & kClassTagBit) == 0)
        Fail(ArchiveCause::BadIndex);

    KnownClass found;
    if (word == kNewClassTag) {
        const uint16_t schema = ReadWord();
        const uint16_t length = ReadWord();
        if (length >= kMaxClassNameLength || length > Remaining())
            Fail(ArchiveCause::BadClass);
        char name[kMaxClassNameLength];
        ReadRaw(name, length);
        const ClassInfo* info = FindClass(std::string_view(name, length));
        if (!info)
            Fail(ArchiveCause::BadClass);
        if (!info->versionable && info->currentSchema != schema)
            Fail(ArchiveCause::BadSchema);
        if (classes_.size() + 1 >= kMaxClassIndex)
            Fail(ArchiveCause::BadIndex);
        found = {info->id, schema};
        classes_.push_back(found);
    } else {
        const uint32_t index = tag & ~kClassTagBit;
        if (index == 0 || index > classes_.size())
            Fail(ArchiveCause::BadIndex);
        found = classes_[index - 1];
    }
    if (found.id != expected)
        Fail(ArchiveCause::BadClass);
    return found.schema;
}

}  // namespace docfile
