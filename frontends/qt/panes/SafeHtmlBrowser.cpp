#include "frontends/qt/panes/SafeHtmlBrowser.h"

#include "frontends/qt/panes/PictureImage.h"
#include "platform/CodePage.h"
#include "text/HtmlPageFile.h"

#include <QTextDocument>
#include <QUrl>

namespace qtviewer {
namespace {

QString PartText(const text::ArchivePart& part)
{
    const unsigned codePage = text::CharsetCodePage(part.charset, platform::AnsiCodePage());
    const std::u16string text =
        codePage == 0 ? platform::Utf8ToWide(part.body) : platform::NarrowToWide(part.body, codePage);
    return QString::fromStdU16String(text);
}

}  // namespace

std::optional<QByteArray> DataUrlBytes(const QString& address)
{
    if (!address.startsWith(QLatin1String("data:"), Qt::CaseInsensitive))
        return std::nullopt;
    const int comma = address.indexOf(QLatin1Char(','));
    if (comma < 0)
        return std::nullopt;
    const QString header = address.mid(5, comma - 5);
    const QByteArray payload = address.mid(comma + 1).toLatin1();
    if (header.endsWith(QLatin1String(";base64"), Qt::CaseInsensitive))
        return QByteArray::fromBase64(payload);
    return QByteArray::fromPercentEncoding(payload);
}

SafeHtmlBrowser::SafeHtmlBrowser(QWidget* parent) : QTextBrowser(parent)
{
    setOpenLinks(false);
    setOpenExternalLinks(false);
    setReadOnly(true);
    setUndoRedoEnabled(false);
}

void SafeHtmlBrowser::ShowHtml(std::u16string_view source)
{
    parts_.clear();
    requested_.clear();
    setHtml(QString::fromUtf16(source.data(), static_cast<int>(source.size())));
}

void SafeHtmlBrowser::ShowWebArchive(std::u16string_view text)
{
    requested_.clear();
    parts_ = text::ReadWebArchive(text::PageFileBytes(text::PageFileKind::WebArchive, text, platform::AnsiCodePage()));
    if (const text::ArchivePart* html = text::HtmlPart(parts_))
        setHtml(PartText(*html));
    else
        setPlainText(QString::fromUtf16(text.data(), static_cast<int>(text.size())));
}

// Only what the page carries: its own data and the archive's parts, its
// pictures decoded here within the size limit. Any other address gets
// empty data rather than none, since the text document reads a local file
// itself when its viewer gives it nothing.
QVariant SafeHtmlBrowser::loadResource(int type, const QUrl& name)
{
    requested_.append(name);
    const QString address = name.toString();
    const auto picture = [](const char* bytes, size_t size) {
        const QImage image = DecodePicture(bytes, size);
        return image.isNull() ? QVariant(QByteArray("")) : QVariant(image);
    };
    if (std::optional<QByteArray> inline_ = DataUrlBytes(address))
        return type == QTextDocument::ImageResource ? picture(inline_->constData(), static_cast<size_t>(inline_->size()))
                                                    : QVariant(*inline_);
    const text::ArchivePart* part = text::PartNamed(parts_, address.toStdString());
    // A relative name is the HTML part's neighbour in the archive.
    if (const text::ArchivePart* html = text::HtmlPart(parts_); !part && html && !html->location.empty())
        part = text::PartNamed(parts_, QUrl(QString::fromStdString(html->location)).resolved(name).toString().toStdString());
    if (part) {
        if (type == QTextDocument::ImageResource)
            return picture(part->body.data(), part->body.size());
        return PartText(*part);
    }
    return QVariant(QByteArray(""));
}

}  // namespace qtviewer
