#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "model/BookOptions.h"
#include "model/ExtraInfo.h"
#include "model/Icon.h"
#include "model/Legend.h"
#include "model/MetaHistory.h"
#include "model/Page.h"
#include "model/PageList.h"
#include "model/PageStrings.h"

namespace model {

// Called after each page is read with (index of that page, page count).
using ProgressFn = std::function<void(uint32_t index, uint32_t count)>;

inline constexpr int64_t kNoPage = -1;

// The root object of a document: every page in stored order and the members
// describing the document as a whole.
class CBook {
public:
    // Reads a book from an archive positioned at the book's class tag,
    // including a packed body, then runs the after-reading steps.
    void Load(LoadArchive& ar, const ProgressFn& progress = {});

    uint32_t Schema() const { return schema_; }
    bool Packed() const { return packed_; }

    size_t PageCount() const { return pages_.Size(); }
    const CPage* PageAt(size_t index) const { return index < pages_.Size() ? &pages_[index] : nullptr; }
    const CPage* FindPage(uint32_t id) const;
    int64_t IndexOfPage(uint32_t id) const;
    bool HasPage(uint32_t id) const { return FindPage(id) != nullptr; }
    bool HasChildren(uint32_t id) const;
    const CPage* RootPage() const;
    int64_t RootPageId() const;
    bool IsTopPage(uint32_t id) const;
    int64_t RecycleBinId() const;
    const CPage* RecycleBin() const;

    bool IsProtected() const { return !verifier_.empty(); }
    const std::u16string& Verifier() const { return verifier_; }
    bool CheckPassword(std::u16string_view typed) const;
    // Deciphers every page in order; false at the first page that fails.
    bool Decipher(std::u16string_view password);

    size_t FavouritesCount() const { return favourites_.size(); }
    // Entry i, or -1 (also the separator's value) outside the list.
    int32_t FavouritesEntry(size_t i) const { return i < favourites_.size() ? static_cast<int32_t>(favourites_[i]) : -1; }

    const CIcon* IconOfPage(uint32_t id) const;
    bool HasIconEntry(uint32_t id) const { return icons_.Contains(id); }
    size_t AttachmentCount(uint32_t pageId) const;
    size_t ExtraInfoCount() const { return extraInfo_.Count(); }

    const CArchiveVersion& Version() const { return version_; }
    const CBookOptions& Options() const { return options_; }
    const CLegend& Legend() const { return legend_; }
    const ExtraInfoList& ExtraInfo() const { return extraInfo_; }
    const MetaHistory& History() const { return history_; }
    const IconCollection& Icons() const { return icons_; }
    uint32_t SaveCounter() const { return saveCounter_; }
    uint32_t CurrentPage() const { return currentPage_; }
    const std::u16string& BookText2() const { return bookText2_; }
    // Page identifiers recorded in memory only (the removed recycle bin).
    const std::vector<uint32_t>& PageHistory() const { return pageHistory_; }

private:
    void ReadPackedBody(LoadArchive& ar, const ProgressFn& progress);
    void ReadBody(LoadArchive& ar, uint32_t schema, const ProgressFn& progress);
    void ReadFavourites(LoadArchive& ar, std::vector<uint32_t>& list);
    void RemoveEmptyRecycleBin();
    void ApplyExpansionPolicy();
    void RecordInHistory(uint32_t id);

    MetaHistory history_;
    CArchiveVersion version_;
    ExtraInfoList extraInfo_;
    CLegend legend_;
    std::vector<uint32_t> favourites_;
    CBookOptions options_;
    uint32_t saveCounter_ = 0;
    uint32_t currentPage_ = 0;
    PageList pages_;
    PageStrings strings_;  // the pages' titles and contents
    IconCollection icons_;
    std::u16string verifier_;
    std::u16string bookText2_;
    std::vector<uint32_t> pageHistory_;

    uint32_t schema_ = 0;
    bool packed_ = false;

    // Lookup tables built on first use after a load, so that queries cost a
    // binary search instead of a pass over every page.
    struct Indexes {
        std::vector<std::pair<uint32_t, uint32_t>> firstIndexById;  // (id, index), sorted
        std::vector<uint32_t> parentIds;                             // sorted
        std::vector<std::pair<int32_t, uint32_t>> attachments;       // (owner, count), sorted
    };
    const Indexes& Index() const;
    mutable std::unique_ptr<Indexes> indexes_;
};

}  // namespace model
