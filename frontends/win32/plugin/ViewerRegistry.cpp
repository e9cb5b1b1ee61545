#include "frontends/win32/plugin/ViewerRegistry.h"

#include "frontends/win32/viewer/ViewerWindow_win.h"

namespace plugin {

viewer::ViewerWindow& ViewerRegistry::GetOrCreate(HWND lister)
{
    auto& slot = viewers_[lister];
    if (!slot) {
        HWND parent = GetParent(lister);
        slot = std::make_unique<viewer::ViewerWindow>(parent != nullptr && IsWindow(parent));
    }
    return *slot;
}

viewer::ViewerWindow* ViewerRegistry::Find(HWND lister) const
{
    auto it = viewers_.find(lister);
    return it == viewers_.end() ? nullptr : it->second.get();
}

void ViewerRegistry::Remove(HWND lister)
{
    auto it = viewers_.find(lister);
    if (it == viewers_.end())
        return;
    // Out of the map first: destroying the viewer must not find itself there.
    std::unique_ptr<viewer::ViewerWindow> viewer = std::move(it->second);
    viewers_.erase(it);
    viewer.reset();
}

void ViewerRegistry::Clear()
{
    while (!viewers_.empty())
        Remove(viewers_.begin()->first);
}

ViewerRegistry& Viewers()
{
    static ViewerRegistry registry;
    return registry;
}

}  // namespace plugin
