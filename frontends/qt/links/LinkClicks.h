#pragma once
// Clicks on the links of a text view: a left click that starts and ends on
// one link activates it (the view never sees that release, so a text
// browser follows nothing itself); the link under a point is there for the
// context menu. A link the page's own markup made (a rich text field) leads
// to its target, under the same rules.
#include "frontends/qt/links/LinkOpening.h"

#include <QObject>
#include <QPoint>

class QAbstractScrollArea;
class QPlainTextEdit;
class QTextEdit;

namespace qtviewer {

class LinkClicks final : public QObject {
public:
    LinkClicks(QTextEdit& view, const PageLinks& links, std::function<bool(uint32_t page)> openPage);
    LinkClicks(QPlainTextEdit& view, const PageLinks& links, std::function<bool(uint32_t page)> openPage);

    void SetOpener(LinkOpener& opener) { opener_ = &opener; }
    // In the view's viewport's coordinates.
    std::optional<ShownLink> LinkAtPoint(QPoint point) const;

protected:
    // Runs guarded: the host's event loop calls it.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool Filter(QEvent* event);
    LinkClicks(QAbstractScrollArea& view, std::function<QString(QPoint)> anchorAt, const PageLinks& links,
               std::function<bool(uint32_t page)> openPage);

    QAbstractScrollArea& view_;
    std::function<QString(QPoint)> anchorAt_;
    const PageLinks& links_;
    std::function<bool(uint32_t page)> openPage_;
    LinkOpener* opener_ = &DesktopLinks();
    QString pressed_;  // the anchor a left press was on
};

}  // namespace qtviewer
