#pragma once
// What a click on a link does: a page link shows its page, any other link
// goes to the desktop under the same rules as on Windows, a doubtful one
// only after the user agreed. The desktop is a seam: tests see the requests
// and open nothing.
#include "frontends/qt/links/PageLinks.h"

#include <QUrl>

#include <cstdint>
#include <functional>
#include <optional>

class QWidget;

namespace qtviewer {

class LinkOpener {
public:
    virtual ~LinkOpener() = default;
    // Yes or No, No the default.
    virtual bool Ask(QWidget* owner, const QString& question) = 0;
    virtual bool Open(const QUrl& url) = 0;
    virtual void Beep() = 0;
};

// The desktop's: a message box, QDesktopServices and the system's beep.
LinkOpener& DesktopLinks();

// What the desktop is given for a target: a URL with a scheme, or an
// absolute path as a file's URL; nothing for anything else (a relative name
// would resolve against whatever folder the host runs in).
std::optional<QUrl> UrlOfTarget(const QString& target);

// True when the click was taken.
bool ActivateLink(const ShownLink& link, QWidget* owner, LinkOpener& opener,
                  const std::function<bool(uint32_t page)>& openPage);

}  // namespace qtviewer
