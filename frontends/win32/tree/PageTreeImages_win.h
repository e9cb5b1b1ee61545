#pragma once
// The tree's image list: the standard images 0 to 6 in their fixed order,
// then one image per item that shows an icon of its own.
#include <windows.h>
#include <commctrl.h>

#include <vector>

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

    // Made on the first call; later calls return the same list. Images are
    // size x size pixels.
    HIMAGELIST Create(COLORREF background, int size = 16);
    // Appends the icon as a new image; its index, or -1 when it cannot be
    // made. The icon must live as long as the list (it is drawn again at
    // another size).
    int AddOwnIcon(const model::CIcon& icon);
    // A new list of every image at another size, at the same indices; the
    // old list is destroyed once the caller has the new one, so the control
    // must be given it at once. Null when there is no list or it cannot be made.
    HIMAGELIST Resize(int size);
    void SetBackground(COLORREF background);

private:
    HIMAGELIST MakeList(COLORREF background, int size);
    int AddIcon(const model::CIcon& icon);
    // The own icons in the order of their images.
    std::vector<const model::CIcon*> ownIcons_;
    HIMAGELIST list_ = nullptr;
    int size_ = 16;
};

}  // namespace viewer
