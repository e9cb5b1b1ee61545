#include "tests/kit/RecordWriters.h"

namespace kit {

void WriteFavourites(ArchiveWriter& w, const std::vector<uint32_t>& favourites) {
    w.List(favourites, [](ArchiveWriter& out, uint32_t id) { out.Dword(id); });
}

// Field order, with the book schemas that carry each field:
//   page flag summary, verifier, LONG page count, current page,
//   version record (>=14), former value (3..6), save counter (>=3),
//   pages, former favourites (<5), favourites (>=2), former value (4..9),
//   options (>=6), two former metadata entries (8), history (>=9),
//   book text 2 (>=10), icon collection (>=11), references (12),
//   legend (>=16), extra-info list (>=17).
void WriteBookBody(ArchiveWriter& w, const BookSpec& book, const Schemas& schemas) {
    const uint16_t s = schemas.book;
    w.Dword(book.pageFlagSummary);
    w.String(book.verifier);
    w.Long(book.pageCount.value_or(static_cast<int32_t>(book.pages.size())));
    w.Dword(book.currentPage);
    if (s >= 14) WriteArchiveVersion(w, book.version, schemas.version);
    if (s >= 3 && s < 7) w.Dword(book.formerValue6);
    if (s >= 3) w.Dword(book.saveCounter);
    for (const auto& page : book.pages) WritePage(w, page, schemas.page);
    if (s < 5) WriteFavourites(w, book.formerFavourites);
    if (s >= 2) WriteFavourites(w, book.favourites);
    if (s >= 4 && s < 10) w.Dword(book.formerValue12);
    if (s >= 6) WriteBookOptions(w, book.options, schemas.options);
    if (s == 8) {
        for (const auto& info : book.formerMeta) WriteMetaInfo(w, info, schemas.metaInfo);
    }
    if (s >= 9) WriteMetaHistory(w, book.history, schemas.metaInfo);
    if (s >= 10) w.String(book.bookText2);
    if (s >= 11) WriteIconCollection(w, book.icons, schemas.icon);
    if (s == 12) WriteRefs(w, book.refs, schemas.ref);
    if (s >= 16) WriteLegend(w, book.legend, schemas);
    if (s >= 17) WriteExtraInfoList(w, book.extraInfo, schemas.extraInfo);
}

}  // namespace kit
