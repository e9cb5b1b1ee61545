#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

#include "model/Records.h"

namespace model {

// One bitmap of an icon: the fields of a GDI BITMAP and the bits as read.
// The bitmap's own copy is `paddedSize` bytes (rows padded to 32 bits);
// only `bits` are stored, the rest of the copy is zero.
struct IconBitmap {
    int32_t type = 0;
    int32_t width = 0;
    int32_t height = 0;
    int32_t widthBytes = 0;
    uint16_t planes = 0;
    uint16_t bitsPixel = 0;
    uint64_t paddedSize = 0;
    std::vector<uint8_t> bits;

    // Byte i of the padded copy.
    uint8_t At(uint64_t i) const { return i < bits.size() ? bits[i] : 0; }
};

// The pixels a Windows icon is made from, checked and ready for CreateIcon.
struct IconImage {
    int width = 0;
    int height = 0;
    uint8_t planes = 0;
    uint8_t bitsPixel = 0;
    std::vector<uint8_t> andBits;
    std::vector<uint8_t> xorBits;
};

// A page's or label's own image: AND mask (bitmap 0) and colour bits
// (bitmap 1). Bits per pixel 0 means the icon is empty.
class CIcon {
public:
    int32_t width = 0;
    int32_t height = 0;
    uint8_t planes = 0;
    uint8_t bitsPixel = 0;
    std::vector<IconBitmap> bitmaps;

    bool Empty() const { return bitsPixel == 0; }
    void Read(LoadArchive& ar);
    // The bits for an icon of the given size (negative: the stored one), or
    // nothing when the icon is empty, lacks a bitmap, or its copies are
    // shorter than what an icon of that size reads (rows padded to 16 bits).
    std::optional<IconImage> Image(int wantWidth, int wantHeight) const;
};

// Page identifier -> icon entry; an entry owns an icon or refers to the key
// of another entry whose icon it shares.
class IconCollection {
public:
    struct Entry {
        uint32_t reference = 0;
        std::unique_ptr<CIcon> icon;
    };

    bool Contains(uint32_t key) const { return entries_.count(key) != 0; }
    // Follows references; a missing entry or a loop gives nothing.
    const CIcon* IconFor(uint32_t key) const;
    size_t Count() const { return entries_.size(); }
    const std::unordered_map<uint32_t, Entry>& Entries() const { return entries_; }

    // LONG n, then n times: DWORD key, DWORD has-icon, CIcon | DWORD reference.
    void Read(LoadArchive& ar);

private:
    std::unordered_map<uint32_t, Entry> entries_;
};

}  // namespace model
