#include "tests/kit/RecordWriters.h"

namespace kit {

// tag, type, owner page, two SYSTEMTIMEs, DWORD size, data (only when size > 0).
void WriteExtraInfo(ArchiveWriter& w, const ExtraInfoSpec& info, uint16_t schema) {
    w.ClassTag("CExtraInfo", schema);
    w.String(info.type);
    w.Long(info.ownerPage);
    WriteSystemTime(w, info.first);
    WriteSystemTime(w, info.second);
    w.Dword(static_cast<uint32_t>(info.data.size()));
    w.Raw(info.data);
}

void WriteExtraInfoList(ArchiveWriter& w, const std::vector<ExtraInfoSpec>& list, uint16_t schema) {
    w.Long(static_cast<int32_t>(list.size()));
    for (const auto& info : list) WriteExtraInfo(w, info, schema);
}

}  // namespace kit
