#pragma once
// The view of HTML pages and web archives. It draws what the page holds
// and nothing from elsewhere: no remote resource, no local file, no
// script (Qt's text engine runs none). Pictures come from the page itself
// (data: addresses) or from the web archive's own parts.
#include "text/WebArchive.h"

#include <QTextBrowser>

#include <string_view>
#include <vector>

namespace qtviewer {

class SafeHtmlBrowser : public QTextBrowser {
    Q_OBJECT
public:
    explicit SafeHtmlBrowser(QWidget* parent = nullptr);

    // An HTML page's source.
    void ShowHtml(std::u16string_view source);
    // A web archive's text, as the page holds it: its HTML part, with the
    // archive's other parts for its pictures; the whole text when it has
    // no HTML part.
    void ShowWebArchive(std::u16string_view text);

    // Every address the page asked for, allowed or not.
    const QList<QUrl>& Requested() const { return requested_; }

    QVariant loadResource(int type, const QUrl& name) override;

private:
    std::vector<text::ArchivePart> parts_;
    QList<QUrl> requested_;
};

// The data of a "data:" address, or nothing when it is not one.
std::optional<QByteArray> DataUrlBytes(const QString& address);

}  // namespace qtviewer
