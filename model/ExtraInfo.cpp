#include "model/ExtraInfo.h"

#include "platform/System.h"

namespace model {

CExtraInfo::CExtraInfo() : time1(platform::CurrentLocalSystemTime()), time2(time1) {}

static std::array<uint16_t, 8> ReadSystemTime(LoadArchive& ar)
{
    std::array<uint16_t, 8> fields{};
    for (uint16_t& field : fields)
        field = ar.ReadWord();
    return fields;
}

void CExtraInfo::Read(LoadArchive& ar)
{
    ar.ReadClassTag(docfile::ArchiveClass::ExtraInfo);
    type = ar.ReadString();
    ownerPage = ar.ReadLong();
    time1 = ReadSystemTime(ar);
    time2 = ReadSystemTime(ar);
    // A size beyond the input keeps what arrived; the next read then meets
    // the end of the stream.
    data = ar.ReadBlock(ar.ReadDword());
}

size_t ExtraInfoList::CountMatching(std::optional<std::u16string_view> type, int32_t owner) const
{
    size_t count = 0;
    for (const CExtraInfo& record : records_)
        if ((!type || record.type == *type) && (owner == kAnyOwner || record.ownerPage == owner))
            ++count;
    return count;
}

void ExtraInfoList::Read(LoadArchive& ar)
{
    records_.clear();
    const int32_t count = ar.ReadLong();
    for (int32_t i = 0; i < count; ++i) {
        CExtraInfo record;
        record.Read(ar);
        records_.push_back(std::move(record));
    }
}

}  // namespace model
