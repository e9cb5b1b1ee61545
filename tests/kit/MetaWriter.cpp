#include "tests/kit/RecordWriters.h"

namespace kit {

void WriteArchiveVersion(ArchiveWriter& w, const ArchiveVersionSpec& version, uint16_t schema) {
    w.ClassTag("CArchiveVersion", schema);
    w.Dword(version.major);
    w.Dword(version.minor);
    w.Dword(version.release);
    w.Dword(version.build);
}

// tag, computer, former text, user, save time.
void WriteMetaInfo(ArchiveWriter& w, const MetaInfoSpec& info, uint16_t schema) {
    w.ClassTag("CBookMetaInfo", schema);
    w.String(info.computer);
    w.String(info.former);
    w.String(info.user);
    WriteTimeStamp(w, info.saved);
}

void WriteMetaHistory(ArchiveWriter& w, const std::vector<MetaInfoSpec>& history, uint16_t schema) {
    w.Long(static_cast<int32_t>(history.size()));
    for (const auto& info : history) WriteMetaInfo(w, info, schema);
}

void WriteBookOptions(ArchiveWriter& w, const BookOptionsSpec& o, uint16_t schema) {
    const uint16_t s = schema;
    w.ClassTag("CBookOptions", s);
    w.Dword(o.leading);
    if (s >= 2 && s < 10) w.Dword(o.formerValue3);
    if (s >= 3 && s < 13) w.Dword(o.formerValue4);
    if (s >= 4) w.Dword(o.value1);
    if (s >= 5) w.Dword(o.optionalBlockOption);
    if (s >= 6 && s < 10) w.Dword(o.formerValue7);
    if (s >= 7) w.Dword(o.historySwitch);
    if (s >= 8) w.Dword(o.value2);
    if (s >= 9) w.String(o.text1);
    if (s >= 11) w.String(o.text2);
    if (s >= 12) w.Dword(o.historyLimit);
    if (s >= 14) {
        w.Long(o.value4);
        w.Dword(o.value5);
    }
    if (s >= 15) w.Dword(o.value3);
    if (s >= 16) w.Dword(o.optionFlags);
    if (s >= 17) w.Dword(o.expansionPolicy);
}

}  // namespace kit
