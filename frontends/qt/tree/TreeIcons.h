#pragma once
// The tree's images: the standard ones by index (model::TreeImage) and
// the pages' own icons, made once per icon.
#include <QIcon>

#include <unordered_map>

namespace model {
class CIcon;
}

namespace qtviewer {

class TreeIcons {
public:
    TreeIcons();
    // Null for kImageNone or an index out of range.
    QIcon Standard(int image) const;
    // Null when the icon cannot be made: the standard image stands in.
    QIcon Own(const model::CIcon& icon);

private:
    std::vector<QIcon> standard_;
    std::unordered_map<const model::CIcon*, QIcon> own_;
};

// Makes the icons embedded in the library (":/vornview/...") available.
void LoadIconResources();

// A stored icon as an image of its pixels: colour bits of 1, 4, 8, 24 or
// 32 bits per pixel under the AND mask (32-bit ones by their own alpha
// when they have any). Null when the bits do not make one.
QImage IconToImage(const model::CIcon& icon, int size);

}  // namespace qtviewer
