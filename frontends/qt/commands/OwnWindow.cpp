#include "frontends/qt/commands/OwnWindow.h"

#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QWidget>

namespace qtviewer {
namespace {

bool IsBar(const QWidget& widget)
{
    return qobject_cast<const QMenuBar*>(&widget) || qobject_cast<const QStatusBar*>(&widget) ||
           qobject_cast<const QToolBar*>(&widget);
}

// Below `container`, which holds the viewer, nothing shows but the way down
// to the viewer and bars. Hidden widgets and windows of their own (dialogs)
// do not count.
bool ShowsOnly(const QWidget& container, const QWidget& viewer)
{
    for (const QObject* child : container.children()) {
        const auto* widget = qobject_cast<const QWidget*>(child);
        if (!widget || widget == &viewer || widget->isHidden() || widget->isWindow() || IsBar(*widget))
            continue;
        if (!widget->isAncestorOf(&viewer) || !ShowsOnly(*widget, viewer))
            return false;
    }
    return true;
}

}  // namespace

// A host gives its viewer window's client area to the viewer; a file
// manager that shows the same viewer in one of its panels (Double
// Commander's Quick View sets the whole viewer window, menu bar hidden,
// into the panel) shows its file lists, bars of buttons and command line
// beside it. Looking at what the window shows tells the two apart without
// knowing the host's widgets by name.
QWidget* OwnWindowOf(const QWidget& viewer)
{
    QWidget* window = viewer.window();
    if (!window || window == &viewer)
        return nullptr;
    return ShowsOnly(*window, viewer) ? window : nullptr;
}

}  // namespace qtviewer
