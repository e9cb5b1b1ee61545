#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/Records.h"

namespace model {

inline constexpr std::u16string_view kAttachedFileType = u"File2VornFileData";

// A typed record attached to a page; "File2VornFileData" records are the
// page's attached files. The data block is never interpreted here.
struct CExtraInfo {
    CExtraInfo();

    std::u16string type;
    int32_t ownerPage = -1;
    std::array<uint16_t, 8> time1{};  // SYSTEMTIME fields
    std::array<uint16_t, 8> time2{};
    std::vector<uint8_t> data;

    // tag, type, owner LONG, two 16-byte SYSTEMTIMEs, DWORD n, n bytes.
    void Read(LoadArchive& ar);
};

class ExtraInfoList {
public:
    static constexpr int32_t kAnyOwner = -2;

    size_t Count() const { return records_.size(); }
    const CExtraInfo& At(size_t i) const { return records_[i]; }
    // Records of `type` (any type when none is given) owned by `owner`
    // (any owner for kAnyOwner). Types compare case-sensitively.
    size_t CountMatching(std::optional<std::u16string_view> type, int32_t owner) const;

    // LONG count, then that many records. Empties the list first.
    void Read(LoadArchive& ar);

private:
    std::vector<CExtraInfo> records_;
};

}  // namespace model
