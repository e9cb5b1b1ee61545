#pragma once
// Writers of every stored record, each for any schema its reader accepts.
// Each record writes its own class tag through the writer's numbering.
#include <cstdint>
#include <vector>

#include "tests/kit/ArchiveWriter.h"
#include "tests/kit/Records.h"

namespace kit {

// Schema written in the class tag of each record kind. Defaults are the
// current ones; fixed-schema classes are here so tests can break them.
struct Schemas {
    uint16_t book = 17;
    uint16_t page = 23;
    uint16_t options = 17;
    uint16_t legendItem = 2;
    uint16_t version = 1;
    uint16_t metaInfo = 1;
    uint16_t extraInfo = 1;
    uint16_t icon = 1;
    uint16_t legend = 1;
    uint16_t legendGroup = 1;
    uint16_t ref = 1;
};

// Pages of any schema; throws std::invalid_argument for a text store the
// schema cannot hold.
void WritePage(ArchiveWriter& w, const PageSpec& page, uint16_t schema = 23);

void WriteArchiveVersion(ArchiveWriter& w, const ArchiveVersionSpec& version, uint16_t schema = 1);
void WriteMetaHistory(ArchiveWriter& w, const std::vector<MetaInfoSpec>& history, uint16_t schema = 1);
void WriteBookOptions(ArchiveWriter& w, const BookOptionsSpec& options, uint16_t schema = 17);
void WriteExtraInfoList(ArchiveWriter& w, const std::vector<ExtraInfoSpec>& list, uint16_t schema = 1);
void WriteIcon(ArchiveWriter& w, const IconSpec& icon, uint16_t schema = 1);
void WriteIconCollection(ArchiveWriter& w, const std::vector<IconEntrySpec>& entries, uint16_t iconSchema = 1);
void WriteLegend(ArchiveWriter& w, const LegendSpec& legend, const Schemas& schemas = {});
// The legacy reference list: LONG count, then per record a CRef tag and
// three DWORDs. The list has no tag of its own.
void WriteRefs(ArchiveWriter& w, const std::vector<RefSpec>& refs, uint16_t refSchema = 1);
void WriteFavourites(ArchiveWriter& w, const std::vector<uint32_t>& favourites);

// The book's fields for schemas.book, everything after the book's class
// tag and packed flag.
void WriteBookBody(ArchiveWriter& w, const BookSpec& book, const Schemas& schemas = {});

}  // namespace kit
