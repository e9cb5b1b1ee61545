#pragma once
// The tree's image list: the standard images 0 to 6 in their fixed order,
// then one image per item that shows an icon of its own.
#include <windows.h>
#include <commctrl.h>

namespace model {
class CIcon;
}

namespace viewer {

class PageTreeImages {
public:
    PageTreeImages() = default;
    ~PageTreeImages();
    PageTreeImages(const PageTreeImages&) = delete;
    PageTreeImages& operator=(const PageTreeImages&) = delete;

    // Made on the first call; later calls return the same list.
    HIMAGELIST Create(COLORREF background);
    // Appends the icon as a new image; its index, or -1 when it cannot be
    // made.
    int AddOwnIcon(const model::CIcon& icon);

private:
    HIMAGELIST list_ = nullptr;
};

}  // namespace viewer
