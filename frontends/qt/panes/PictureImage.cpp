#include "frontends/qt/panes/PictureImage.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>

#include <climits>

namespace qtviewer {

QImage DecodePicture(const char* bytes, size_t size)
{
    if (!bytes || size == 0 || size > static_cast<size_t>(INT_MAX))
        return {};
    QByteArray data = QByteArray::fromRawData(bytes, static_cast<int>(size));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QSize claimed = reader.size();
    if (!claimed.isValid() || static_cast<qint64>(claimed.width()) * claimed.height() > kMaxPicturePixels)
        return {};
    return reader.read();
}

}  // namespace qtviewer
