#include "model/Legend.h"

#include <algorithm>

#include "platform/System.h"

namespace model {

CLegendItem::CLegendItem() : colour(platform::WindowTextColour()) {}

void CLegendItem::Read(LoadArchive& ar)
{
    const uint32_t s = ar.ReadClassTag(docfile::ArchiveClass::LegendItem);
    colour = ar.ReadDword();
    flags = ar.ReadDword();
    id = ar.ReadLong();
    name = ar.ReadString();
    icon.Read(ar);
    if (s >= 2)
        value = ar.ReadDword();
}

void CLegendGroup::Read(LoadArchive& ar)
{
    ar.ReadClassTag(docfile::ArchiveClass::LegendGroup);
    value = ar.ReadDword();
    name = ar.ReadString();
}

const CLegendItem* CLegend::ItemFor(int32_t id) const
{
    for (const auto& item : items_)
        if (item->id == id)
            return item.get();
    return nullptr;
}

void CLegend::Read(LoadArchive& ar)
{
    items_.clear();
    groups_.clear();
    const int32_t itemCount = ar.ReadLong();
    for (int32_t i = 0; i < itemCount; ++i) {
        auto item = std::make_unique<CLegendItem>();
        item->Read(ar);
        items_.push_back(std::move(item));
    }
    // Older writers stopped after the items; whatever follows is not ours.
    bool hasGroups = true;
    try {
        ar.ReadClassTag(docfile::ArchiveClass::Legend);
    } catch (const docfile::ArchiveError&) {
        hasGroups = false;
    }
    if (hasGroups) {
        const int32_t groupCount = ar.ReadLong();
        for (int32_t i = 0; i < groupCount; ++i) {
            auto group = std::make_unique<CLegendGroup>();
            group->Read(ar);
            groups_.push_back(std::move(group));
        }
    }
    // UTF-16 code units compared as unsigned numbers: case-sensitive.
    std::stable_sort(items_.begin(), items_.end(),
                     [](const auto& a, const auto& b) { return a->name < b->name; });
}

}  // namespace model
