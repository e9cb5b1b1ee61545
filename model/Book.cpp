#include "model/Book.h"

#include <algorithm>
#include <exception>

#include "docfile/Cipher.h"
#include "docfile/Jb01Source.h"
#include "model/Refs.h"
#include "platform/System.h"

namespace model {

using docfile::ArchiveCause;
using docfile::ArchiveError;

// File layout: CBook class tag; from schema 15 a packed flag, and when it is
// set a DWORD length and that many bytes of JB01 holding the body as a second
// archive stream (own class numbering); otherwise the body follows directly.
void CBook::Load(LoadArchive& ar, const ProgressFn& progress)
{
    indexes_.reset();
    schema_ = ar.ReadClassTag(docfile::ArchiveClass::Book);
    packed_ = false;
    if (schema_ >= 15 && ar.ReadDword() != 0) {
        packed_ = true;
        ReadPackedBody(ar, progress);
    } else {
        ReadBody(ar, schema_, progress);
    }
    RemoveEmptyRecycleBin();
    ApplyExpansionPolicy();
}

// The body is decoded while it is read, so neither the packed nor the
// decoded bytes are ever held whole. A broken stream counts as no body at
// all, wherever the break lies (even after the last field): nothing read
// from it is kept and the read fails as at the first field of an empty
// body. So the body is read aside and taken only from a sound stream.
void CBook::ReadPackedBody(LoadArchive& ar, const ProgressFn& progress)
{
    const uint32_t length = ar.ReadDword();
    if (length > ar.Remaining())
        ar.Fail(ArchiveCause::BadIndex);
    docfile::ArchiveSection packed(ar, length);
    docfile::Jb01Source decoded(packed, length);
    LoadArchive bodyArchive(decoded, std::u16string());
    CBook staged;
    std::exception_ptr failure;
    try {
        staged.ReadBody(bodyArchive, schema_, progress);
    } catch (const ArchiveError&) {
        failure = std::current_exception();
    }
    if (decoded.Finish() != docfile::Jb01Status::Ok) {
        pages_.Clear();
        strings_.Clear();
        bodyArchive.Fail(ArchiveCause::EndOfFile);
    }
    staged.schema_ = schema_;
    staged.packed_ = packed_;
    staged.pageHistory_ = std::move(pageHistory_);
    *this = std::move(staged);
    if (failure)
        std::rethrow_exception(failure);
}

// Body fields by schema s:
//   flag summary (dropped), verifier, page count (signed), current page,
//   version (>=14), former DWORD (3..6), save counter (>=3), pages,
//   former favourites (<5), favourites (>=2), former DWORD (4..9),
//   options (>=6), two former metadata entries (8), history (>=9),
//   book text 2 (>=10), icons (>=11), legacy references (12),
//   legend (>=16), extra info (>=17).
void CBook::ReadBody(LoadArchive& ar, uint32_t s, const ProgressFn& progress)
{
    pages_.Clear();
    strings_.Clear();
    ar.ReadDword();
    verifier_ = ar.ReadString();
    const int32_t count = ar.ReadLong();
    currentPage_ = ar.ReadDword();
    if (s >= 14)
        version_.Read(ar);
    else
        version_ = CArchiveVersion{};
    if (s >= 3 && s < 7)
        ar.ReadDword();
    if (s >= 3)
        saveCounter_ = ar.ReadDword();
    if (count < 0)
        ar.Fail(ArchiveCause::BadIndex);
    const uint32_t background = platform::WindowColour();
    const DateTime now = DateTime::Now();
    for (int32_t i = 0; i < count; ++i) {
        CPage page(background, now);
        page.Read(ar, strings_);
        pages_.PushBack(std::move(page));
        if (progress)
            progress(static_cast<uint32_t>(i), static_cast<uint32_t>(count));
    }
    if (s < 5) {
        std::vector<uint32_t> former;
        ReadFavourites(ar, former);
    }
    if (s >= 2)
        ReadFavourites(ar, favourites_);
    if (s >= 4 && s < 10)
        ar.ReadDword();
    if (s >= 6) {
        try {
            options_.Read(ar);
        } catch (const ArchiveError& error) {
            // Some writers left the options short; what was read stays.
            if (error.Cause() != ArchiveCause::BadIndex)
                throw;
        }
    }
    if (s == 8) {
        CBookMetaInfo former;
        former.Read(ar);
        former.Read(ar);
    }
    if (s >= 9)
        history_.Read(ar);
    if (s >= 10)
        bookText2_ = ar.ReadString();
    if (s >= 11)
        icons_.Read(ar);
    if (s == 12)
        SkipLegacyReferences(ar);
    if (s >= 16)
        legend_.Read(ar);
    if (s >= 17)
        extraInfo_.Read(ar);
}

// DWORD n, then n DWORDs. A damaged list keeps what was read and the book
// goes on with its next field.
void CBook::ReadFavourites(LoadArchive& ar, std::vector<uint32_t>& list)
{
    list.clear();
    try {
        const uint32_t count = ar.ReadDword();
        for (uint32_t i = 0; i < count; ++i)
            list.push_back(ar.ReadDword());
    } catch (const ArchiveError&) {
    }
}

void CBook::RecordInHistory(uint32_t id)
{
    auto last = std::find(pageHistory_.rbegin(), pageHistory_.rend(), id);
    if (last != pageHistory_.rend())
        pageHistory_.erase(std::next(last).base());
    pageHistory_.push_back(id);
}

void CBook::RemoveEmptyRecycleBin()
{
    size_t bin = 0;
    while (bin < pages_.Size() && !pages_[bin].IsKind5())
        ++bin;
    if (bin == pages_.Size())
        return;
    const uint32_t binId = pages_[bin].Id();
    bool hasChildren = false;
    pages_.ForEach([&](const CPage& page) { hasChildren |= page.ParentId() == binId; });
    if (hasChildren)
        return;
    pages_.Erase(bin);
    indexes_.reset();
    if (currentPage_ == binId) {
        currentPage_ = static_cast<uint32_t>(RootPageId());
        RecordInHistory(binId);
    }
}

void CBook::ApplyExpansionPolicy()
{
    const uint32_t policy = options_.expansionPolicy;
    if (policy != 1 && policy != 2)
        return;
    pages_.ForEach([policy](CPage& page) { page.SetExpanded(policy == 2 || (page.IsTopLevel() && page.Id() != 2)); });
}

const CBook::Indexes& CBook::Index() const
{
    if (indexes_)
        return *indexes_;
    auto built = std::make_unique<Indexes>();
    built->firstIndexById.reserve(pages_.Size());
    built->parentIds.reserve(pages_.Size());
    for (uint32_t i = 0; i < pages_.Size(); ++i) {
        built->firstIndexById.emplace_back(pages_[i].Id(), i);
        built->parentIds.push_back(pages_[i].ParentId());
    }
    // Sorting (id, index) pairs puts the first page of each id first.
    std::sort(built->firstIndexById.begin(), built->firstIndexById.end());
    std::sort(built->parentIds.begin(), built->parentIds.end());
    for (size_t i = 0; i < extraInfo_.Count(); ++i) {
        const CExtraInfo& record = extraInfo_.At(i);
        if (record.type == kAttachedFileType)
            built->attachments.emplace_back(record.ownerPage, 0);
    }
    std::sort(built->attachments.begin(), built->attachments.end());
    std::vector<std::pair<int32_t, uint32_t>> counted;
    for (const auto& entry : built->attachments) {
        if (counted.empty() || counted.back().first != entry.first)
            counted.emplace_back(entry.first, 0);
        ++counted.back().second;
    }
    built->attachments = std::move(counted);
    indexes_ = std::move(built);
    return *indexes_;
}

int64_t CBook::IndexOfPage(uint32_t id) const
{
    if (id >= 1 && id <= pages_.Size() && pages_[id - 1].Id() == id)
        return id - 1;
    const auto& byId = Index().firstIndexById;
    auto it = std::lower_bound(byId.begin(), byId.end(), std::make_pair(id, uint32_t{0}));
    return it != byId.end() && it->first == id ? static_cast<int64_t>(it->second) : kNoPage;
}

const CPage* CBook::FindPage(uint32_t id) const
{
    const int64_t index = IndexOfPage(id);
    return index < 0 ? nullptr : &pages_[static_cast<size_t>(index)];
}

bool CBook::HasChildren(uint32_t id) const
{
    if (!HasPage(id))
        return false;
    const auto& parents = Index().parentIds;
    return std::binary_search(parents.begin(), parents.end(), id);
}

const CPage* CBook::RootPage() const
{
    for (size_t i = 0; i < pages_.Size(); ++i)
        if (pages_[i].IsTopLevel() && pages_[i].Id() != 2)
            return &pages_[i];
    return nullptr;
}

int64_t CBook::RootPageId() const
{
    const CPage* root = RootPage();
    return root ? static_cast<int64_t>(root->Id()) : kNoPage;
}

bool CBook::IsTopPage(uint32_t id) const
{
    const CPage* page = FindPage(id);
    return page && page->IsTopLevel() && id != 2;
}

const CPage* CBook::RecycleBin() const
{
    for (size_t i = 0; i < pages_.Size(); ++i)
        if (pages_[i].IsKind5())
            return &pages_[i];
    return nullptr;
}

int64_t CBook::RecycleBinId() const
{
    const CPage* bin = RecycleBin();
    return bin ? static_cast<int64_t>(bin->Id()) : kNoPage;
}

bool CBook::CheckPassword(std::u16string_view typed) const { return docfile::CheckPassword(verifier_, typed); }

bool CBook::Decipher(std::u16string_view password)
{
    for (size_t i = 0; i < pages_.Size(); ++i)
        if (!pages_[i].Decipher(password, strings_))
            return false;
    return true;
}

const CIcon* CBook::IconOfPage(uint32_t id) const
{
    return HasPage(id) ? icons_.IconFor(id) : nullptr;
}

size_t CBook::AttachmentCount(uint32_t pageId) const
{
    const auto& counts = Index().attachments;
    const auto owner = static_cast<int32_t>(pageId);
    auto it = std::lower_bound(counts.begin(), counts.end(), std::make_pair(owner, uint32_t{0}));
    return it != counts.end() && it->first == owner ? it->second : 0;
}

}  // namespace model
