#include <stdexcept>

#include "tests/kit/RecordWriters.h"

namespace kit {
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

void WriteArchiveStringForm(ArchiveWriter& w, const PageText& field) {
    if (field.store == TextStore::Narrow) {
        w.NarrowString(NarrowOf(field));
    } else {
        w.String(field.text);
    }
}

void WriteCompressedForm(ArchiveWriter& w, const PageText& field) {
    w.CompressedString(NarrowOf(field), field.store == TextStore::RawNarrow ? Compression::Raw : Compression::Jb01);
}

bool IsCompressed(TextStore store) { return store == TextStore::Jb01 || store == TextStore::RawNarrow; }

}  // namespace

void WritePageText(ArchiveWriter& w, const PageText& field, uint16_t pageSchema) {
    if (pageSchema < 4) {
        if (IsCompressed(field.store)) throw std::invalid_argument("page schemas below 4 have no compressed text");
        WriteArchiveStringForm(w, field);
    } else if (pageSchema < 6) {
        if (field.store == TextStore::Wide || field.store == TextStore::Narrow) {
            throw std::invalid_argument("page schemas 4 and 5 store text compressed only");
        }
        WriteCompressedForm(w, field);
    } else if (IsCompressed(field.store)) {
        w.Dword(field.selector);
        WriteCompressedForm(w, field);
    } else {
        w.Dword(0);
        WriteArchiveStringForm(w, field);
    }
}

std::vector<uint8_t> PageContentBytes(const PageSpec& page) {
    if (page.content) return *page.content;
    std::vector<uint8_t> bytes;
    if (page.text.text.empty()) return bytes;
    for (char16_t unit : page.text.text) {
        bytes.push_back(static_cast<uint8_t>(unit));
        bytes.push_back(static_cast<uint8_t>(unit >> 8));
    }
    bytes.insert(bytes.end(), {0, 0});
    return bytes;
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

}  // namespace kit
