#include "tests/kit/Picture.h"

#include <vector>

namespace kit {
namespace {

class Bytes {
public:
    void Word(uint32_t value) { Put(value, 2); }
    void Dword(uint32_t value) { Put(value, 4); }
    void Append(const std::vector<uint8_t>& more) { bytes_.insert(bytes_.end(), more.begin(), more.end()); }
    const std::vector<uint8_t>& Get() const { return bytes_; }

private:
    void Put(uint32_t value, int count) {
        for (int i = 0; i < count; ++i) bytes_.push_back(static_cast<uint8_t>(value >> (8 * i)));
    }
    std::vector<uint8_t> bytes_;
};

// A 4-bit bitmap, bottom row first, rows padded to whole DWORDs.
std::vector<uint8_t> Dib(int width, int height, const std::vector<uint32_t>& palette,
                         const std::function<int(int, int)>& pixel) {
    const int rowBytes = ((width + 1) / 2 + 3) / 4 * 4;
    Bytes dib;
    dib.Dword(40), dib.Dword(width), dib.Dword(height), dib.Word(1), dib.Word(4), dib.Dword(0);
    dib.Dword(rowBytes * height), dib.Dword(0), dib.Dword(0), dib.Dword(16), dib.Dword(0);
    for (int i = 0; i < 16; ++i) dib.Dword(i < static_cast<int>(palette.size()) ? palette[i] : 0);
    for (int y = height - 1; y >= 0; --y) {
        std::vector<uint8_t> row(rowBytes, 0);
        for (int x = 0; x < width; ++x)
            row[x / 2] |= static_cast<uint8_t>((pixel(x, y) & 0xF) << (x % 2 ? 0 : 4));
        dib.Append(row);
    }
    // Some controls take the bits one colour entry late: with a margin of
    // colour 0 at both sides and these spare bytes, they still show the
    // whole picture, a few pixels to the left.
    dib.Dword(0);
    return dib.Get();
}

}  // namespace

std::u16string PictureRtf(int width, int height, const std::vector<uint32_t>& palette,
                          const std::function<int(int x, int y)>& pixel) {
    constexpr int kTwipsPerPixel = 15;
    std::u16string rtf = u"{\\pict\\dibitmap0\\picw";
    auto number = [](int value) {
        std::string digits = std::to_string(value);
        return std::u16string(digits.begin(), digits.end());
    };
    rtf += number(width) + u"\\pich" + number(height) + u"\\picwgoal" +
           number(width * kTwipsPerPixel) + u"\\pichgoal" + number(height * kTwipsPerPixel);
    const std::vector<uint8_t> dib = Dib(width, height, palette, pixel);
    static const char16_t kHex[] = u"0123456789abcdef";
    for (size_t i = 0; i < dib.size(); ++i) {
        if (i % 64 == 0) rtf += u"\r\n";
        rtf += kHex[dib[i] >> 4];
        rtf += kHex[dib[i] & 0xF];
    }
    return rtf + u"}";
}

}  // namespace kit
