#pragma once
#include <memory>
#include <string>
#include <vector>

#include "model/Records.h"

namespace model {

// One recorded write of the document: where, by whom and when.
struct CBookMetaInfo {
    CBookMetaInfo();

    bool loaded = false;
    std::u16string computer;
    std::u16string user;
    DateTime time;

    // tag, computer, former text (dropped), user, time.
    void Read(LoadArchive& ar);
};

class MetaHistory {
public:
    size_t Count() const { return entries_.size(); }
    const CBookMetaInfo& At(size_t i) const { return *entries_[i]; }

    // LONG count, then that many entries. Clears the list first.
    void Read(LoadArchive& ar);
    // Drops entries not read from a document, then records this write.
    void RecordSave();
    // Keeps the `limit` newest entries.
    void Trim(size_t limit);

private:
    std::vector<std::unique_ptr<CBookMetaInfo>> entries_;
};

}  // namespace model
