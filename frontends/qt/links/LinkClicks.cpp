#include "frontends/qt/links/LinkClicks.h"

#include "platform/Guard.h"

#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace qtviewer {

LinkClicks::LinkClicks(QTextEdit& view, const PageLinks& links, std::function<bool(uint32_t page)> openPage)
    : LinkClicks(view, [&view](QPoint point) { return view.anchorAt(point); }, links, std::move(openPage))
{
}

LinkClicks::LinkClicks(QPlainTextEdit& view, const PageLinks& links, std::function<bool(uint32_t page)> openPage)
    : LinkClicks(view, [&view](QPoint point) { return view.anchorAt(point); }, links, std::move(openPage))
{
}

LinkClicks::LinkClicks(QAbstractScrollArea& view, std::function<QString(QPoint)> anchorAt, const PageLinks& links,
                       std::function<bool(uint32_t page)> openPage)
    : QObject(&view), view_(view), anchorAt_(std::move(anchorAt)), links_(links), openPage_(std::move(openPage))
{
    view_.viewport()->installEventFilter(this);
}

std::optional<ShownLink> LinkClicks::LinkAtPoint(QPoint point) const
{
    const QString anchor = anchorAt_(point);
    if (anchor.isEmpty())
        return std::nullopt;
    if (const ShownLink* link = links_.LinkOfAnchor(anchor))
        return *link;
    ShownLink field;
    field.text = anchor;
    return field;
}

bool LinkClicks::eventFilter(QObject* watched, QEvent* event)
{
    return platform::Guard(false, [&] { return Filter(event); });
}

bool LinkClicks::Filter(QEvent* event)
{
    if (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseButtonRelease)
        return false;
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() != Qt::LeftButton)
        return false;
    const QString anchor = anchorAt_(mouse->pos());
    if (event->type() == QEvent::MouseButtonPress) {
        pressed_ = anchor;
        return false;
    }
    const bool same = !anchor.isEmpty() && anchor == pressed_;
    pressed_.clear();
    const std::optional<ShownLink> link = same ? LinkAtPoint(mouse->pos()) : std::nullopt;
    return link && ActivateLink(*link, &view_, *opener_, openPage_);
}

}  // namespace qtviewer
