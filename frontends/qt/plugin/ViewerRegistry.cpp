#include "frontends/qt/plugin/ViewerRegistry.h"

#include "frontends/qt/viewer/ViewerWidget.h"

namespace qtviewer {

void ViewerRegistry::Add(ViewerWidget* viewer)
{
    viewers_.insert(viewer);
    QObject::connect(viewer, &QObject::destroyed, [this, viewer] { viewers_.erase(viewer); });
}

ViewerWidget* ViewerRegistry::Find(const void* window) const
{
    return viewers_.count(window) ? static_cast<ViewerWidget*>(const_cast<void*>(window)) : nullptr;
}

void ViewerRegistry::Close(const void* window)
{
    if (ViewerWidget* viewer = Find(window)) {
        viewers_.erase(window);
        delete viewer;
    }
}

// The host never unloads the library. The registry is never destroyed:
// widgets that outlive static destruction still find it when they go.
ViewerRegistry& Viewers()
{
    static ViewerRegistry* registry = new ViewerRegistry;
    return *registry;
}

}  // namespace qtviewer
