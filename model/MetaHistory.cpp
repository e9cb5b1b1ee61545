#include "model/MetaHistory.h"

#include <utility>

#include "platform/System.h"

namespace model {

CBookMetaInfo::CBookMetaInfo()
    : computer(platform::ComputerName()), user(platform::UserName()), time(DateTime::Now())
{
}

void CBookMetaInfo::Read(LoadArchive& ar)
{
    ar.ReadClassTag(docfile::ArchiveClass::BookMetaInfo);
    computer = ar.ReadString();
    ar.ReadString();
    user = ar.ReadString();
    time = DateTime::Read(ar);
    loaded = true;
}

void MetaHistory::Read(LoadArchive& ar)
{
    entries_.clear();
    const int32_t count = ar.ReadLong();
    for (int32_t i = 0; i < count; ++i) {
        auto entry = std::make_unique<CBookMetaInfo>();
        entry->Read(ar);
        entries_.push_back(std::move(entry));
    }
}

void MetaHistory::RecordSave()
{
    for (size_t i = entries_.size(); i-- > 0;)
        if (!entries_[i]->loaded)
            entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(i));
    entries_.push_back(std::make_unique<CBookMetaInfo>());
}

void MetaHistory::Trim(size_t limit)
{
    if (entries_.size() <= limit)
        return;
    // Oldest first. This all-pairs exchange looks wrong but ends in ascending
    // order of the OLE date; it is the order writers have always produced.
    for (size_t i = 0; i < entries_.size(); ++i)
        for (size_t j = 0; j < entries_.size(); ++j)
            if (entries_[j]->time.date > entries_[i]->time.date)
                std::swap(entries_[i], entries_[j]);
    entries_.erase(entries_.begin(), entries_.begin() + static_cast<std::ptrdiff_t>(entries_.size() - limit));
}

}  // namespace model
