#pragma once
// The viewer widgets the plug-in has handed to its host. A window the host
// names is used only when it is one of these: any other pointer is never
// touched.
#include <cstddef>
#include <set>

namespace qtviewer {

class ViewerWidget;

class ViewerRegistry {
public:
    // Registers a widget until it is destroyed, by whoever destroys it (the
    // host may delete its container without closing us first).
    void Add(ViewerWidget* viewer);
    ViewerWidget* Find(const void* window) const;
    // Deletes the widget, if it is ours.
    void Close(const void* window);
    size_t Count() const { return viewers_.size(); }

private:
    std::set<const void*> viewers_;
};

ViewerRegistry& Viewers();

}  // namespace qtviewer
