#include "tests/kit/RecordWriters.h"

namespace kit {

void WriteRefs(ArchiveWriter& w, const std::vector<RefSpec>& refs, uint16_t refSchema) {
    w.Long(static_cast<int32_t>(refs.size()));
    for (const auto& ref : refs) {
        w.ClassTag("CRef", refSchema);
        for (uint32_t value : ref.values) w.Dword(value);
    }
}

}  // namespace kit
