#include "model/Icon.h"

#include <unordered_set>

namespace model {

// tag, width LONG, height LONG, planes BYTE, bpp BYTE, count LONG, then per
// bitmap: WORD bitsPixel, LONG height, WORD planes, LONG type, LONG width,
// LONG widthBytes, height * widthBytes bytes.
void CIcon::Read(LoadArchive& ar)
{
    width = height = 0;
    planes = bitsPixel = 0;
    bitmaps.clear();
    ar.ReadClassTag(docfile::ArchiveClass::Icon);
    width = ar.ReadLong();
    height = ar.ReadLong();
    planes = ar.ReadByte();
    bitsPixel = ar.ReadByte();
    const int32_t count = ar.ReadLong();
    for (int32_t i = 0; i < count; ++i) {
        IconBitmap bitmap;
        bitmap.bitsPixel = ar.ReadWord();
        bitmap.height = ar.ReadLong();
        bitmap.planes = ar.ReadWord();
        bitmap.type = ar.ReadLong();
        bitmap.width = ar.ReadLong();
        bitmap.widthBytes = ar.ReadLong();
        const int64_t stored = static_cast<int64_t>(bitmap.height) * bitmap.widthBytes;
        if (stored > 0) {
            if (static_cast<uint64_t>(stored) > ar.Remaining())
                ar.Fail(docfile::ArchiveCause::EndOfFile);
            bitmap.bits.resize(static_cast<size_t>(stored));
            ar.ReadRaw(bitmap.bits.data(), bitmap.bits.size());
        }
        if (bitmap.width < 1 || bitmap.height < 1)
            continue;  // such a bitmap has no bits and is not kept
        const uint64_t rowBits = static_cast<uint64_t>(bitmap.bitsPixel) * bitmap.planes * static_cast<uint32_t>(bitmap.width);
        bitmap.paddedSize = (rowBits + 31) / 32 * 4 * static_cast<uint32_t>(bitmap.height);
        if (bitmap.bits.size() > bitmap.paddedSize)
            bitmap.bits.resize(static_cast<size_t>(bitmap.paddedSize));
        bitmaps.push_back(std::move(bitmap));
    }
}

std::optional<IconImage> CIcon::Image(int wantWidth, int wantHeight) const
{
    if (Empty() || bitmaps.size() < 2)
        return std::nullopt;
    IconImage image;
    image.width = wantWidth < 0 ? width : wantWidth;
    image.height = wantHeight < 0 ? height : wantHeight;
    if (image.width <= 0 || image.height <= 0 || image.width > 256 || image.height > 256)
        return std::nullopt;
    image.planes = planes;
    image.bitsPixel = bitsPixel;
    // Icon rows are padded to 16 bits; the mask has one bit per pixel.
    const uint64_t andSize = (static_cast<uint64_t>(image.width) + 15) / 16 * 2 * image.height;
    const uint64_t xorSize =
        (static_cast<uint64_t>(image.width) * planes * bitsPixel + 15) / 16 * 2 * image.height;
    const IconBitmap& mask = bitmaps[0];
    const IconBitmap& colour = bitmaps[1];
    if (mask.paddedSize < andSize || colour.paddedSize < xorSize)
        return std::nullopt;
    image.andBits.resize(static_cast<size_t>(andSize));
    image.xorBits.resize(static_cast<size_t>(xorSize));
    for (size_t i = 0; i < image.andBits.size(); ++i)
        image.andBits[i] = mask.At(i);
    for (size_t i = 0; i < image.xorBits.size(); ++i)
        image.xorBits[i] = colour.At(i);
    return image;
}

const CIcon* IconCollection::IconFor(uint32_t key) const
{
    std::unordered_set<uint32_t> visited;
    for (;;) {
        auto it = entries_.find(key);
        if (it == entries_.end() || !visited.insert(key).second)
            return nullptr;
        if (it->second.icon)
            return it->second.icon.get();
        key = it->second.reference;
    }
}

void IconCollection::Read(LoadArchive& ar)
{
    entries_.clear();
    const int32_t count = ar.ReadLong();
    for (int32_t i = 0; i < count; ++i) {
        const uint32_t key = ar.ReadDword();
        Entry entry;
        if (ar.ReadDword() != 0) {
            entry.icon = std::make_unique<CIcon>();
            entry.icon->Read(ar);
        } else {
            entry.reference = ar.ReadDword();
        }
        entries_[key] = std::move(entry);
    }
}

}  // namespace model
