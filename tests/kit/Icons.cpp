#include "tests/kit/Icons.h"

namespace kit {
namespace {

int WordAlignedRow(int bits) { return (bits + 15) / 16 * 2; }

BitmapSpec MakeMask(int size, const std::function<bool(int x, int y)>& transparent) {
    BitmapSpec mask;
    mask.bitsPixel = 1;
    mask.planes = 1;
    mask.width = size;
    mask.height = size;
    mask.widthBytes = WordAlignedRow(size);
    mask.bits.assign(static_cast<size_t>(mask.widthBytes) * size, 0);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            if (transparent(x, y)) mask.bits[y * mask.widthBytes + x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
        }
    }
    return mask;
}

IconSpec Frame(int size, int bitsPerPixel) {
    IconSpec icon;
    icon.width = size;
    icon.height = size;
    icon.planes = 1;
    icon.bitsPerPixel = static_cast<uint8_t>(bitsPerPixel);
    return icon;
}

}  // namespace

IconSpec MakeIcon32(int size, const std::function<uint32_t(int x, int y)>& pixel) {
    IconSpec icon = Frame(size, 32);
    BitmapSpec colour;
    colour.bitsPixel = 32;
    colour.planes = 1;
    colour.width = size;
    colour.height = size;
    colour.widthBytes = size * 4;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const uint32_t argb = pixel(x, y);
            // BGRA byte order; transparent pixels are black so the mask
            // alone decides what shows through.
            const uint32_t value = (argb >> 24) == 0 ? 0 : argb;
            colour.bits.insert(colour.bits.end(), {static_cast<uint8_t>(value), static_cast<uint8_t>(value >> 8),
                                                   static_cast<uint8_t>(value >> 16), static_cast<uint8_t>(value >> 24)});
        }
    }
    icon.bitmaps.push_back(MakeMask(size, [&](int x, int y) { return (pixel(x, y) >> 24) == 0; }));
    icon.bitmaps.push_back(std::move(colour));
    return icon;
}

IconSpec MakeIcon4(int size, const std::function<int(int x, int y)>& pixel) {
    IconSpec icon = Frame(size, 4);
    BitmapSpec colour;
    colour.bitsPixel = 4;
    colour.planes = 1;
    colour.width = size;
    colour.height = size;
    colour.widthBytes = WordAlignedRow(size * 4);
    colour.bits.assign(static_cast<size_t>(colour.widthBytes) * size, 0);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const int index = pixel(x, y);
            if (index < 0) continue;
            const int shift = x % 2 == 0 ? 4 : 0;
            colour.bits[y * colour.widthBytes + x / 2] |= static_cast<uint8_t>((index & 0xF) << shift);
        }
    }
    icon.bitmaps.push_back(MakeMask(size, [&](int x, int y) { return pixel(x, y) < 0; }));
    icon.bitmaps.push_back(std::move(colour));
    return icon;
}

}  // namespace kit
