#include "frontends/qt/links/LinkClicks.h"

#include "frontends/qt/viewer/Guard.h"

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

// The link's format names its place in the list ("#3").
const ShownLink* LinkClicks::LinkAtPoint(QPoint point) const
{
    const QString anchor = anchorAt_(point);
    bool number = false;
    const int index = anchor.startsWith(u'#') ? anchor.mid(1).toInt(&number) : -1;
    if (!number || index < 0 || static_cast<size_t>(index) >= links_.Links().size())
        return nullptr;
    return &links_.Links()[static_cast<size_t>(index)];
}

bool LinkClicks::eventFilter(QObject* watched, QEvent* event)
{
    return GuardedOr(false, [&] { return Filter(event); });
}

bool LinkClicks::Filter(QEvent* event)
{
    if (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseButtonRelease)
        return false;
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() != Qt::LeftButton)
        return false;
    const ShownLink* link = LinkAtPoint(mouse->pos());
    const int index = link ? static_cast<int>(link - links_.Links().data()) : -1;
    if (event->type() == QEvent::MouseButtonPress) {
        pressed_ = index;
        return false;
    }
    const bool same = link && index == pressed_;
    pressed_ = -1;
    return same && ActivateLink(*link, &view_, *opener_, openPage_);
}

}  // namespace qtviewer
