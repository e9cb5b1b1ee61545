#include <algorithm>

#include "tests/kit/RecordWriters.h"

namespace kit {

// tag, width, height, BYTE planes, BYTE bpp, LONG count, then per bitmap:
// WORD bitsPixel, LONG height, WORD planes, LONG type, LONG width,
// LONG widthBytes, height * widthBytes bytes.
void WriteIcon(ArchiveWriter& w, const IconSpec& icon, uint16_t schema) {
    w.ClassTag("CIcon", schema);
    w.Long(icon.width);
    w.Long(icon.height);
    w.Byte(icon.planes);
    w.Byte(icon.bitsPerPixel);
    w.Long(static_cast<int32_t>(icon.bitmaps.size()));
    for (const auto& bitmap : icon.bitmaps) {
        w.Word(bitmap.bitsPixel);
        w.Long(bitmap.height);
        w.Word(bitmap.planes);
        w.Long(bitmap.type);
        w.Long(bitmap.width);
        w.Long(bitmap.widthBytes);
        const int64_t total = int64_t{bitmap.height} * bitmap.widthBytes;
        const auto size = static_cast<size_t>(total > 0 ? total : 0);
        const size_t copied = std::min(size, bitmap.bits.size());
        w.Raw(std::span(bitmap.bits.data(), copied));
        w.Zeros(size - copied);
    }
}

// LONG count, then per entry: DWORD key, DWORD has-icon, CIcon or DWORD reference.
void WriteIconCollection(ArchiveWriter& w, const std::vector<IconEntrySpec>& entries, uint16_t iconSchema) {
    w.Long(static_cast<int32_t>(entries.size()));
    for (const auto& entry : entries) {
        w.Dword(entry.key);
        w.Dword(entry.icon ? 1 : 0);
        if (entry.icon) {
            WriteIcon(w, *entry.icon, iconSchema);
        } else {
            w.Dword(entry.reference);
        }
    }
}

}  // namespace kit
