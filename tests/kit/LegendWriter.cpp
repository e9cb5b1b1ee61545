#include "tests/kit/RecordWriters.h"

namespace kit {

// tag, colour, flags, LONG id, name, icon, value (schema >= 2).
void WriteLegendItem(ArchiveWriter& w, const LegendItemSpec& item, uint16_t schema, uint16_t iconSchema) {
    w.ClassTag("CLegendItem", schema);
    w.Dword(item.colour);
    w.Dword(item.flags);
    w.Long(item.id);
    w.String(item.name);
    WriteIcon(w, item.icon, iconSchema);
    if (schema >= 2) w.Dword(item.value);
}

void WriteLegendGroup(ArchiveWriter& w, const LegendGroupSpec& group, uint16_t schema) {
    w.ClassTag("CLegendGroup", schema);
    w.Dword(group.value);
    w.String(group.name);
}

// The items come ahead of the legend's own class tag; the groups follow it.
void WriteLegend(ArchiveWriter& w, const LegendSpec& legend, const Schemas& schemas) {
    w.Long(static_cast<int32_t>(legend.items.size()));
    for (const auto& item : legend.items) WriteLegendItem(w, item, schemas.legendItem, schemas.icon);
    if (!legend.withTag) return;
    w.ClassTag("CLegend", schemas.legend);
    w.Long(static_cast<int32_t>(legend.groups.size()));
    for (const auto& group : legend.groups) WriteLegendGroup(w, group, schemas.legendGroup);
}

}  // namespace kit
