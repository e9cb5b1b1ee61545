#include "frontends/qt/links/LinkOpening.h"

#include "core/links/LinkTarget.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>

namespace qtviewer {
namespace {

class Desktop final : public LinkOpener {
public:
    bool Ask(QWidget* owner, const QString& question) override
    {
        return QMessageBox::warning(owner, QStringLiteral("Vorn View"), question, QMessageBox::Yes | QMessageBox::No,
                                    QMessageBox::No) == QMessageBox::Yes;
    }
    bool Open(const QUrl& url) override { return QDesktopServices::openUrl(url); }
    void Beep() override { QApplication::beep(); }
};

}  // namespace

LinkOpener& DesktopLinks()
{
    static Desktop desktop;
    return desktop;
}

std::optional<QUrl> UrlOfTarget(const QString& target)
{
    if (target.startsWith(u'/'))
        return QUrl::fromLocalFile(target);
    const QUrl url(target, QUrl::TolerantMode);
    if (!url.isValid() || url.scheme().isEmpty())
        return std::nullopt;
    return url;
}

bool ActivateLink(const ShownLink& link, QWidget* owner, LinkOpener& opener,
                  const std::function<bool(uint32_t page)>& openPage)
{
    if (link.page) {
        if (!openPage || !openPage(*link.page))
            opener.Beep();
        return true;
    }
    const core::ShellLink decided = core::DecideShellLink(link.text.toStdU16String());
    if (decided.target.empty())
        return false;
    if (decided.ask && !opener.Ask(owner, QString::fromStdU16String(core::OpenQuestion(decided.target))))
        return true;
    const std::optional<QUrl> url = UrlOfTarget(QString::fromStdU16String(decided.target));
    if (!url) {
        opener.Beep();
        return true;
    }
    return opener.Open(*url);
}

}  // namespace qtviewer
