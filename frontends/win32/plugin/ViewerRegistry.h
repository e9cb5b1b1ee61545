#pragma once
// Which viewer belongs to which Lister window.
#include <windows.h>

#include <map>
#include <memory>

namespace viewer {
class ViewerWindow;
}

namespace plugin {

class ViewerRegistry {
public:
    // Never null: a Lister window without a viewer gets a new one, embedded
    // when the Lister itself sits inside another window.
    viewer::ViewerWindow& GetOrCreate(HWND lister);
    // The viewer of the Lister window, or null: closing and commands never
    // make a viewer only to use it once.
    viewer::ViewerWindow* Find(HWND lister) const;
    // Deletes the viewer of the Lister window, if there is one.
    void Remove(HWND lister);
    void Clear();
    size_t Count() const { return viewers_.size(); }

private:
    std::map<HWND, std::unique_ptr<viewer::ViewerWindow>> viewers_;
};

ViewerRegistry& Viewers();

}  // namespace plugin
