#pragma once
// Pictures from a page's own bytes. A page is untrusted: a small file may
// claim a huge image, so the size is read before anything is decoded.
#include <QImage>

#include <cstddef>

namespace qtviewer {

// Beyond this many pixels (64 MB of image) a picture is not decoded.
inline constexpr qint64 kMaxPicturePixels = 16 * 1024 * 1024;
// The most a picture is shown wide or high, in pixels.
inline constexpr int kMaxShownSide = 8192;

// The picture, or a null image when its bytes make none or it is larger
// than kMaxPicturePixels.
QImage DecodePicture(const char* bytes, size_t size);

}  // namespace qtviewer
