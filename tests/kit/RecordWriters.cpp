// Writers of every stored record, each for any schema its reader accepts.
#include <algorithm>
#include <stdexcept>

#include "tests/kit/RecordWriters.h"

namespace kit {

// Stored as DWORD status, then the OLE date as a double.
void WriteTimeStamp(ArchiveWriter& w, const TimeStamp& time) {
    w.Dword(time.status), w.Double(time.date);
}

void WriteSystemTime(ArchiveWriter& w, const SystemTime& time) {
    for (uint16_t field : {time.year, time.month, time.dayOfWeek, time.day, time.hour, time.minute, time.second,
                           time.milliseconds})
        w.Word(field);
}

void WriteArchiveVersion(ArchiveWriter& w, const ArchiveVersionSpec& version, uint16_t schema) {
    w.ClassTag("CArchiveVersion", schema);
    for (uint32_t part : {version.major, version.minor, version.release, version.build}) w.Dword(part);
}

// tag, computer, former text, user, save time.
void WriteMetaInfo(ArchiveWriter& w, const MetaInfoSpec& info, uint16_t schema) {
    w.ClassTag("CBookMetaInfo", schema);
    w.String(info.computer), w.String(info.former), w.String(info.user);
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
    if (s >= 14) w.Long(o.value4), w.Dword(o.value5);
    if (s >= 15) w.Dword(o.value3);
    if (s >= 16) w.Dword(o.optionFlags);
    if (s >= 17) w.Dword(o.expansionPolicy);
}

// tag, type, owner page, two SYSTEMTIMEs, DWORD size, data (only when size > 0).
void WriteExtraInfo(ArchiveWriter& w, const ExtraInfoSpec& info, uint16_t schema) {
    w.ClassTag("CExtraInfo", schema);
    w.String(info.type), w.Long(info.ownerPage), WriteSystemTime(w, info.first), WriteSystemTime(w, info.second);
    w.Dword(static_cast<uint32_t>(info.data.size())), w.Raw(info.data);
}

void WriteExtraInfoList(ArchiveWriter& w, const std::vector<ExtraInfoSpec>& list, uint16_t schema) {
    w.Long(static_cast<int32_t>(list.size()));
    for (const auto& info : list) WriteExtraInfo(w, info, schema);
}

// tag, width, height, BYTE planes, BYTE bpp, LONG count, then per bitmap:
// WORD bitsPixel, LONG height, WORD planes, LONG type, LONG width,
// LONG widthBytes, height * widthBytes bytes.
void WriteIcon(ArchiveWriter& w, const IconSpec& icon, uint16_t schema) {
    w.ClassTag("CIcon", schema);
    w.Long(icon.width), w.Long(icon.height), w.Byte(icon.planes), w.Byte(icon.bitsPerPixel);
    w.Long(static_cast<int32_t>(icon.bitmaps.size()));
    for (const auto& bitmap : icon.bitmaps) {
        w.Word(bitmap.bitsPixel), w.Long(bitmap.height), w.Word(bitmap.planes), w.Long(bitmap.type);
        w.Long(bitmap.width), w.Long(bitmap.widthBytes);
        const int64_t total = int64_t{bitmap.height} * bitmap.widthBytes;
        const auto size = static_cast<size_t>(total > 0 ? total : 0);
        const size_t copied = std::min(size, bitmap.bits.size());
        w.Raw(std::span(bitmap.bits.data(), copied));
        w.Zeros(size - copied);
    }
}

// LONG count, then per entry: DWORD key, DWORD has-icon, CIcon or DWORD reference.
void WriteIconCollection(ArchiveWriter& w, const std::vector<IconEntrySpec>& entries, uint16_t iconSchema) {
    w.Long(static_cast<int32_t>(entries.size()));
    for (const auto& entry : entries) {
        w.Dword(entry.key), w.Dword(entry.icon ? 1 : 0);
        entry.icon ? WriteIcon(w, *entry.icon, iconSchema) : w.Dword(entry.reference);
    }
}

// tag, colour, flags, LONG id, name, icon, value (schema >= 2).
void WriteLegendItem(ArchiveWriter& w, const LegendItemSpec& item, uint16_t schema, uint16_t iconSchema) {
    w.ClassTag("CLegendItem", schema);
    w.Dword(item.colour), w.Dword(item.flags), w.Long(item.id), w.String(item.name);
    WriteIcon(w, item.icon, iconSchema);
    if (schema >= 2) w.Dword(item.value);
}

void WriteLegendGroup(ArchiveWriter& w, const LegendGroupSpec& group, uint16_t schema) {
    w.ClassTag("CLegendGroup", schema);
    w.Dword(group.value), w.String(group.name);
}

// The items come ahead of the legend's own class tag; the groups follow it.
void WriteLegend(ArchiveWriter& w, const LegendSpec& legend, const Schemas& schemas) {
    w.Long(static_cast<int32_t>(legend.items.size()));
    for (const auto& item : legend.items) WriteLegendItem(w, item, schemas.legendItem, schemas.icon);
    if (!legend.withTag) return;
    w.ClassTag("CLegend", schemas.legend);
    w.Long(static_cast<int32_t>(legend.groups.size()));
    for (const auto& group : legend.groups) WriteLegendGroup(w, group, schemas.legendGroup);
}

void WriteRefs(ArchiveWriter& w, const std::vector<RefSpec>& refs, uint16_t refSchema) {
    w.Long(static_cast<int32_t>(refs.size()));
    for (const auto& ref : refs) {
        w.ClassTag("CRef", refSchema);
        for (uint32_t value : ref.values) w.Dword(value);
    }
}

namespace {

std::string NarrowOf(const PageText& field) {
    if (field.narrow) return *field.narrow;
    std::string out;
    for (char16_t unit : field.text) {
        if (unit > 0xFF) throw std::invalid_argument("page text has no Latin-1 narrow form; set PageText::narrow");
        out.push_back(static_cast<char>(unit));
    }
    return out;
}

// The schema-23 content block of a page: `content` or the text as UTF-16LE
// with one NUL unit (empty text: empty block).
std::vector<uint8_t> PageContentBytes(const PageSpec& page) {
    if (page.content) return *page.content;
    std::vector<uint8_t> bytes;
    for (char16_t unit : page.text.text) bytes.insert(bytes.end(), {static_cast<uint8_t>(unit), static_cast<uint8_t>(unit >> 8)});
    if (!bytes.empty()) bytes.insert(bytes.end(), {0, 0});
    return bytes;
}

}  // namespace

// A page text field by the rule of the page schema: archive string below 4,
// compressed string for 4 and 5, DWORD selector and either form from 6.
void WritePageText(ArchiveWriter& w, const PageText& field, uint16_t pageSchema) {
    const bool compressed = field.store == TextStore::Jb01 || field.store == TextStore::RawNarrow;
    if (pageSchema < 4 && compressed) throw std::invalid_argument("page schemas below 4 have no compressed text");
    if (pageSchema >= 4 && pageSchema < 6 && (field.store == TextStore::Wide || field.store == TextStore::Narrow)) {
        throw std::invalid_argument("page schemas 4 and 5 store text compressed only");
    }
    if (pageSchema >= 6) w.Dword(compressed ? 1 : 0);
    if (compressed || (pageSchema >= 4 && pageSchema < 6)) {
        w.CompressedString(NarrowOf(field), field.store == TextStore::RawNarrow ? Compression::Raw : Compression::Jb01);
    } else if (field.store == TextStore::Narrow) {
        w.NarrowString(NarrowOf(field));
    } else {
        w.String(field.text);
    }
}

// Field order, with the schemas that carry each field:
//   tag, id, parent, kind, title, text (<23) | content block (>=23),
//   created, background, caret, expanded, former text, aux text 1,
//   former value (<16), folder flag (<9), former text (2..6), tip (>=3),
//   revision (>=3), former value (5..19), sort weight (>=8),
//   optional value + 16-byte block (>=10), aux value (>=11),
//   child sort key (>=12), page colour (>=13), colour switch (13..16),
//   modified (>=14), HTML caret (>=15), sort text (>=16),
//   children descending (>=18), flags (>=19), label (>=20).
void WritePage(ArchiveWriter& w, const PageSpec& page, uint16_t schema) {
    const uint16_t s = schema;
    w.ClassTag("CPage", s);
    w.Dword(page.id);
    w.Dword(page.parentId);
    w.Dword(page.kind);
    WritePageText(w, page.title, s);
    if (s < 23) {
        WritePageText(w, page.text, s);
    } else {
        const auto bytes = PageContentBytes(page);
        w.Dword(page.leadingValue);
        w.Dword(page.codePage);
        w.Dword(static_cast<uint32_t>(bytes.size()));
        w.Raw(bytes);
    }
    WriteTimeStamp(w, page.created);
    w.Dword(page.backgroundColour);
    w.Dword(page.caretPosition);
    w.Dword(page.expanded);
    WritePageText(w, page.formerText11, s);
    WritePageText(w, page.auxText1, s);
    if (s < 16) w.Dword(page.formerValue13);
    if (s < 9) w.Dword(page.folderFlag);
    if (s >= 2 && s < 7) WritePageText(w, page.formerText15, s);
    if (s >= 3) {
        WritePageText(w, page.tipText, s);
        w.Dword(page.revision);
    }
    if (s >= 5 && s < 20) w.Dword(page.formerValue18);
    if (s >= 8) w.Dword(page.sortWeight);
    if (s >= 10) {
        w.Dword(page.optionalValue);
        w.Raw(page.optionalBlock);
    }
    if (s >= 11) w.Long(page.auxValue);
    if (s >= 12) w.Dword(page.childSortKey);
    if (s >= 13) w.Dword(page.pageColour);
    if (s >= 13 && s < 17) w.Dword(page.colourSwitch);
    if (s >= 14) WriteTimeStamp(w, page.modified);
    if (s >= 15) w.Dword(page.htmlCaretPosition);
    if (s >= 16) w.String(page.sortText);
    if (s >= 18) w.Dword(page.childrenDescending);
    if (s >= 19) w.Dword(page.flags);
    if (s >= 20) w.Dword(page.labelId);
}

void WriteFavourites(ArchiveWriter& w, const std::vector<uint32_t>& favourites) {
    w.Dword(static_cast<uint32_t>(favourites.size()));
    for (uint32_t id : favourites) w.Dword(id);
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
