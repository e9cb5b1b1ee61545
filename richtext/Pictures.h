#pragma once
// A picture of rich text from what its group says: the data as the page
// holds it and the words that describe it.
#include "richtext/Document.h"

#include <optional>
#include <string>

namespace richtext {

enum class PictureSource : uint8_t { Png, Jpeg, DeviceIndependentBitmap, DeviceBitmap, WindowsMetafile, Emf, Other };

struct PictureWords {
    PictureSource source = PictureSource::Other;
    int32_t width = 0, height = 0;          // \picw, \pich: pixels, or 0.01 mm for metafiles
    int32_t goalWidth = 0, goalHeight = 0;  // \picwgoal, \pichgoal: twips
    int32_t scaleX = 100, scaleY = 100;     // \picscalex, \picscaley: percent
    int32_t bitsPerPixel = 1, planes = 1, widthBytes = 0;  // of a device bitmap
};

// Png and Jpeg data are kept as they are; a device-independent bitmap gets
// the header of a BMP file, a device bitmap is made a BMP file (the rows
// its data holds, no more). The size shown is the goal size scaled, else
// the picture's own size. Nothing for data that makes no picture.
std::optional<Picture> MakePicture(const PictureWords& words, std::string data);

}  // namespace richtext
