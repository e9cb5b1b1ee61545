#include "richtext/Pictures.h"

#include <algorithm>

namespace richtext {
namespace {

constexpr int32_t kLargestTwips = 20 * 1440 * 10;  // ten times 20 inches

void PutLittleEndian(std::string& out, uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

uint32_t LittleEndianAt(const std::string& data, size_t at, int bytes)
{
    uint32_t value = 0;
    for (int i = bytes - 1; i >= 0; --i)
        value = value << 8 | static_cast<uint8_t>(data[at + static_cast<size_t>(i)]);
    return value;
}

void PutFileHeader(std::string& out, uint32_t fileSize, uint32_t bitsOffset)
{
    out += "BM";
    PutLittleEndian(out, fileSize, 4);
    PutLittleEndian(out, 0, 4);
    PutLittleEndian(out, bitsOffset, 4);
}

// A packed device-independent bitmap (header, colours, bits) as a BMP file.
std::optional<std::string> BmpOfDib(const std::string& dib)
{
    if (dib.size() < 40)
        return std::nullopt;
    const uint32_t headerSize = LittleEndianAt(dib, 0, 4);
    if (headerSize < 12 || headerSize > dib.size())
        return std::nullopt;
    uint64_t colours = 0;
    uint64_t masks = 0;
    if (headerSize >= 40) {
        const uint32_t bitCount = LittleEndianAt(dib, 14, 2);
        const uint32_t compression = LittleEndianAt(dib, 16, 4);
        colours = LittleEndianAt(dib, 32, 4);
        if (colours == 0 && bitCount <= 8)
            colours = uint64_t{1} << bitCount;
        if (headerSize == 40 && (compression == 3 || compression == 6))
            masks = compression == 3 ? 12 : 16;
    }
    const uint64_t bitsOffset = 14 + headerSize + masks + colours * 4;
    if (bitsOffset > 14 + dib.size())
        return std::nullopt;
    std::string file;
    file.reserve(14 + dib.size());
    PutFileHeader(file, static_cast<uint32_t>(14 + dib.size()), static_cast<uint32_t>(bitsOffset));
    file += dib;
    return file;
}

// A device bitmap: rows of `widthBytes` bytes, top row first, no colours.
// Monochrome and 4- and 8-bit ones get a grey scale, as there is no palette.
std::optional<std::string> BmpOfDeviceBitmap(const PictureWords& words, const std::string& bits)
{
    const int32_t bpp = words.bitsPerPixel * std::max(words.planes, 1);
    if ((bpp != 1 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32) || words.widthBytes <= 0 ||
        words.width <= 0 || words.height <= 0)
        return std::nullopt;
    const auto sourceStride = static_cast<uint64_t>(words.widthBytes);
    const uint64_t width = std::min<uint64_t>(static_cast<uint64_t>(words.width), sourceStride * 8 / static_cast<uint64_t>(bpp));
    const uint64_t height = std::min<uint64_t>(static_cast<uint64_t>(words.height), bits.size() / sourceStride);
    if (width == 0 || height == 0)
        return std::nullopt;
    const uint64_t stride = (width * static_cast<uint64_t>(bpp) + 31) / 32 * 4;
    const uint32_t colours = bpp <= 8 ? 1u << bpp : 0;
    const uint64_t bitsOffset = 14 + 40 + uint64_t{colours} * 4;
    std::string file;
    file.reserve(bitsOffset + stride * height);
    PutFileHeader(file, static_cast<uint32_t>(bitsOffset + stride * height), static_cast<uint32_t>(bitsOffset));
    PutLittleEndian(file, 40, 4);
    PutLittleEndian(file, static_cast<uint32_t>(width), 4);
    PutLittleEndian(file, static_cast<uint32_t>(-static_cast<int32_t>(height)), 4);  // top-down
    PutLittleEndian(file, 1, 2);
    PutLittleEndian(file, static_cast<uint32_t>(bpp), 2);
    for (int i = 0; i < 6; ++i)
        PutLittleEndian(file, i == 4 ? colours : 0, 4);
    for (uint32_t i = 0; i < colours; ++i) {
        const auto grey = static_cast<uint8_t>(colours == 1 ? 0 : i * 255 / (colours - 1));
        file += static_cast<char>(grey);
        file += static_cast<char>(grey);
        file += static_cast<char>(grey);
        file += '\0';
    }
    for (uint64_t row = 0; row < height; ++row) {
        const uint64_t take = std::min(stride, sourceStride);
        file.append(bits, row * sourceStride, take);
        file.append(stride - take, '\0');
    }
    return file;
}

int32_t Scaled(int32_t twips, int32_t percent)
{
    const int64_t scaled = int64_t{twips} * (percent > 0 ? percent : 100) / 100;
    return static_cast<int32_t>(std::clamp<int64_t>(scaled, 1, kLargestTwips));
}

}  // namespace

std::optional<Picture> MakePicture(const PictureWords& words, std::string data)
{
    if (data.empty())
        return std::nullopt;
    Picture picture;
    switch (words.source) {
    case PictureSource::Png: picture.kind = PictureKind::Png; picture.bytes = std::move(data); break;
    case PictureSource::Jpeg: picture.kind = PictureKind::Jpeg; picture.bytes = std::move(data); break;
    case PictureSource::WindowsMetafile: picture.kind = PictureKind::Wmf; picture.bytes = std::move(data); break;
    case PictureSource::Emf: picture.kind = PictureKind::Emf; picture.bytes = std::move(data); break;
    case PictureSource::Other: picture.kind = PictureKind::Other; picture.bytes = std::move(data); break;
    case PictureSource::DeviceIndependentBitmap:
    case PictureSource::DeviceBitmap: {
        std::optional<std::string> bmp = words.source == PictureSource::DeviceBitmap ? BmpOfDeviceBitmap(words, data)
                                                                                       : BmpOfDib(data);
        if (!bmp)
            return std::nullopt;
        picture.kind = PictureKind::Bmp;
        picture.bytes = std::move(*bmp);
        break;
    }
    }
    // Bitmaps measure themselves in pixels (15 twips each at 96 dots per
    // inch), metafiles in hundredths of a millimetre.
    const bool metafile = picture.kind == PictureKind::Wmf || picture.kind == PictureKind::Emf;
    const auto ownSize = [&](int32_t size) {
        const int64_t twips = metafile ? int64_t{size} * 1440 / 2540 : int64_t{size} * 15;
        return static_cast<int32_t>(std::clamp<int64_t>(twips, 0, kLargestTwips));
    };
    const int32_t width = words.goalWidth > 0 ? words.goalWidth : ownSize(words.width);
    const int32_t height = words.goalHeight > 0 ? words.goalHeight : ownSize(words.height);
    picture.width = width > 0 ? Scaled(width, words.scaleX) : 0;
    picture.height = height > 0 ? Scaled(height, words.scaleY) : 0;
    return picture;
}

}  // namespace richtext
