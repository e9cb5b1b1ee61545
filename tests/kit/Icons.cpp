#include "tests/kit/Icons.h"

namespace kit {
namespace {

// An icon of `bitsPerPixel` colour bits with rows of whole WORDs, and its
// AND mask; setPixel(bits, rowStart, x, y) fills the colour bits and says
// whether the pixel is transparent.
IconSpec MakeIcon(int size, int bitsPerPixel, const std::function<bool(std::vector<uint8_t>&, size_t, int, int)>& setPixel)
{
    const auto bitmap = [size](int bits) {
        const int widthBytes = (size * bits + 15) / 16 * 2;
        return BitmapSpec{static_cast<uint16_t>(bits), size, 1, 0, size, widthBytes,
                          std::vector<uint8_t>(static_cast<size_t>(widthBytes) * size, 0)};
    };
    IconSpec icon{size, size, 1, static_cast<uint8_t>(bitsPerPixel), {bitmap(1), bitmap(bitsPerPixel)}};
    BitmapSpec& mask = icon.bitmaps[0];
    BitmapSpec& colour = icon.bitmaps[1];
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            if (setPixel(colour.bits, static_cast<size_t>(y) * colour.widthBytes, x, y))
                mask.bits[y * mask.widthBytes + x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
    return icon;
}

}  // namespace

IconSpec MakeIcon32(int size, const std::function<uint32_t(int x, int y)>& pixel)
{
    return MakeIcon(size, 32, [&](std::vector<uint8_t>& bits, size_t row, int x, int y) {
        // BGRA byte order; transparent pixels are black so the mask alone
        // decides what shows through.
        const uint32_t argb = pixel(x, y), value = (argb >> 24) == 0 ? 0 : argb;
        for (int i = 0; i < 4; ++i)
            bits[row + 4 * x + i] = static_cast<uint8_t>(value >> (8 * i));
        return value == 0;
    });
}

IconSpec MakeIcon4(int size, const std::function<int(int x, int y)>& pixel)
{
    return MakeIcon(size, 4, [&](std::vector<uint8_t>& bits, size_t row, int x, int y) {
        const int index = pixel(x, y);
        if (index >= 0)
            bits[row + x / 2] |= static_cast<uint8_t>((index & 0xF) << (x % 2 == 0 ? 4 : 0));
        return index < 0;
    });
}

}  // namespace kit
