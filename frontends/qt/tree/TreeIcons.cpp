#include "frontends/qt/tree/TreeIcons.h"

#include "model/Icon.h"
#include "model/PageTree.h"

#include <QApplication>
#include <QImage>
#include <QMimeDatabase>
#include <QStyle>

// Resources compiled into a static library are registered by hand.
static void RegisterIconResources() { Q_INIT_RESOURCE(icons); }

namespace qtviewer {
namespace {

constexpr int kIconSize = 16;

// The sixteen colours a 4-bit icon's indexes name.
constexpr QRgb kVgaPalette[16] = {
    0xFF000000, 0xFF800000, 0xFF008000, 0xFF808000, 0xFF000080, 0xFF800080, 0xFF008080, 0xFFC0C0C0,
    0xFF808080, 0xFFFF0000, 0xFF00FF00, 0xFFFFFF00, 0xFF0000FF, 0xFFFF00FF, 0xFF00FFFF, 0xFFFFFFFF,
};

QIcon Resource(const char* name) { return QIcon(QStringLiteral(":/vornview/") + QLatin1String(name)); }

// The desktop theme's folders when it has both, else ours: never one of
// each.
std::pair<QIcon, QIcon> Folders()
{
    const QIcon closed = QIcon::fromTheme(QStringLiteral("folder"));
    const QIcon open = QIcon::fromTheme(QStringLiteral("folder-open"));
    if (!closed.isNull() && !open.isNull())
        return {closed, open};
    return {Resource("folder-closed.ico"), Resource("folder-open.ico")};
}

// What the desktop shows for a file of that type; the style's file icon
// when its theme knows none.
QIcon FileType(const char* fileName)
{
    const QMimeType type = QMimeDatabase().mimeTypeForFile(QLatin1String(fileName), QMimeDatabase::MatchExtension);
    QIcon icon = QIcon::fromTheme(type.iconName());
    if (icon.isNull())
        icon = QIcon::fromTheme(type.genericIconName());
    return icon.isNull() ? QApplication::style()->standardIcon(QStyle::SP_FileIcon) : icon;
}

QRgb ColourAt(const model::IconImage& image, size_t rowStart, int x)
{
    const auto byte = [&](size_t i) { return i < image.xorBits.size() ? image.xorBits[i] : uint8_t{0}; };
    switch (image.bitsPixel) {
    case 1:
        return (byte(rowStart + x / 8) >> (7 - x % 8)) & 1 ? 0xFFFFFFFF : 0xFF000000;
    case 4:
        return kVgaPalette[(byte(rowStart + x / 2) >> (x % 2 ? 0 : 4)) & 0xF];
    case 8: {
        const uint8_t index = byte(rowStart + static_cast<size_t>(x));
        return index < 16 ? kVgaPalette[index] : qRgb(index, index, index);
    }
    case 24: {
        const size_t at = rowStart + static_cast<size_t>(x) * 3;
        return qRgb(byte(at + 2), byte(at + 1), byte(at));
    }
    case 32: {
        const size_t at = rowStart + static_cast<size_t>(x) * 4;
        return qRgba(byte(at + 2), byte(at + 1), byte(at), byte(at + 3));
    }
    default:
        return 0;
    }
}

}  // namespace

QImage IconToImage(const model::CIcon& icon, int size)
{
    const std::optional<model::IconImage> image = icon.Image(size, size);
    if (!image || image->planes != 1)
        return {};
    const int bits = image->bitsPixel;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32)
        return {};
    // Rows padded to 16 bits, top row first.
    const size_t colourRow = (static_cast<size_t>(image->width) * bits + 15) / 16 * 2;
    const size_t maskRow = (static_cast<size_t>(image->width) + 15) / 16 * 2;
    bool ownAlpha = false;
    if (bits == 32)
        for (size_t i = 3; i < image->xorBits.size(); i += 4)
            ownAlpha = ownAlpha || image->xorBits[i] != 0;
    QImage out(image->width, image->height, QImage::Format_ARGB32);
    for (int y = 0; y < image->height; ++y) {
        for (int x = 0; x < image->width; ++x) {
            QRgb colour = ColourAt(*image, static_cast<size_t>(y) * colourRow, x);
            if (!ownAlpha) {
                const size_t maskByte = static_cast<size_t>(y) * maskRow + static_cast<size_t>(x) / 8;
                const bool transparent = (image->andBits[maskByte] >> (7 - x % 8)) & 1;
                colour = transparent ? 0 : (colour | 0xFF000000);
            }
            out.setPixel(x, y, colour);
        }
    }
    return out;
}

void LoadIconResources()
{
    static const bool registered = (RegisterIconResources(), true);
    (void)registered;
}

TreeIcons::TreeIcons()
{
    LoadIconResources();
    const auto [closedFolder, openFolder] = Folders();
    standard_ = {
        closedFolder,               // model::kImageClosedFolder
        openFolder,                 // model::kImageOpenFolder
        FileType("x.txt"),          // model::kImageTextFile
        FileType("x.rtf"),          // model::kImageRtfFile
        FileType("x.htm"),          // model::kImageHtmlFile
        Resource("recycle-full.ico"),
        Resource("recycle-empty.ico"),
    };
}

QIcon TreeIcons::Standard(int image) const
{
    return image >= 0 && static_cast<size_t>(image) < standard_.size() ? standard_[static_cast<size_t>(image)] : QIcon();
}

QIcon TreeIcons::Own(const model::CIcon& icon)
{
    auto found = own_.find(&icon);
    if (found != own_.end())
        return found->second;
    const QImage image = IconToImage(icon, kIconSize);
    QIcon made = image.isNull() ? QIcon() : QIcon(QPixmap::fromImage(image));
    own_.emplace(&icon, made);
    return made;
}

}  // namespace qtviewer
