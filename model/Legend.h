#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/Icon.h"

namespace model {

// A label pages may carry: name, colour, icon and display flags.
struct CLegendItem {
    static constexpr uint32_t kHasColour = 0x1;
    static constexpr uint32_t kBold = 0x10;

    CLegendItem();

    uint32_t flags = 0;
    int32_t id = 0;
    CIcon icon;
    uint32_t colour;
    std::u16string name;
    uint32_t value = 0;

    bool HasColour() const { return (flags & kHasColour) != 0; }
    uint32_t Colour() const { return HasColour() ? colour : 0xFFFFFFu; }
    bool Bold() const { return (flags & kBold) != 0; }
    bool HasIcon() const { return !icon.Empty(); }

    // tag, colour, flags, id LONG, name, icon, value (schema >= 2).
    void Read(LoadArchive& ar);
};

struct CLegendGroup {
    uint32_t value = 1;
    std::u16string name;

    void Read(LoadArchive& ar);
};

class CLegend {
public:
    size_t Count() const { return items_.size(); }
    // Items in name order; nullptr outside 0..Count()-1.
    const CLegendItem* At(size_t i) const { return i < items_.size() ? items_[i].get() : nullptr; }
    // The first item, in name order, with this identifier.
    const CLegendItem* ItemFor(int32_t id) const;
    const std::vector<std::unique_ptr<CLegendGroup>>& Groups() const { return groups_; }

    // Item count and items come before the legend's own class tag; a tag
    // that cannot be read ends the legend there, without groups.
    void Read(LoadArchive& ar);

private:
    std::vector<std::unique_ptr<CLegendItem>> items_;
    std::vector<std::unique_ptr<CLegendGroup>> groups_;
};

}  // namespace model
