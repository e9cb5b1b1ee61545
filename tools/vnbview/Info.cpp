#include "tools/vnbview/Info.h"

#include <cstdio>

#include "model/PageTree.h"
#include "tools/vnbview/OleDate.h"
#include "tools/vnbview/TextOut.h"

namespace vnbview {
namespace {

std::string PageLine(const model::CBook& book, int64_t id)
{
    if (id < 0)
        return "none";
    std::string line = std::to_string(id);
    if (const model::CPage* page = book.FindPage(static_cast<uint32_t>(id))) {
        line += ' ';
        line += LineText(page->Title());
    } else {
        line += " (no such page)";
    }
    return line;
}

std::string ColourText(uint32_t colour)
{
    // 0x00BBGGRR shown the way people write colours.
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "#%02x%02x%02x", colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
    return buffer;
}

}  // namespace

std::string WriterVersionText(const model::CArchiveVersion& version)
{
    // The numbers are DWORDs: shown unsigned, never as negative values.
    return "Vornbook " + std::to_string(version.major) + "." + std::to_string(version.minor) +
           std::to_string(version.release) + " build " + std::to_string(version.build);
}

void WriteInfo(const model::CBook& book, const std::u16string& fileName, std::ostream& out)
{
    out << "file: " << LineText(fileName) << '\n';
    out << "schema: " << book.Schema() << '\n';
    out << "packed: " << (book.Packed() ? "yes" : "no") << '\n';
    out << "written by: " << WriterVersionText(book.Version()) << '\n';
    out << "pages: " << book.PageCount() << '\n';
    size_t inTree = 0;
    model::PageTree(book).WalkExpanded([&inTree](const model::CPage&, size_t) { return ++inTree, true; });
    out << "pages outside the tree: " << book.PageCount() - inTree << '\n';
    out << "protected: " << (book.IsProtected() ? "yes" : "no") << '\n';
    out << "root: " << PageLine(book, book.RootPageId()) << '\n';
    out << "recycle bin: " << PageLine(book, book.RecycleBinId()) << '\n';

    out << "favourites: " << book.FavouritesCount() << '\n';
    for (size_t i = 0; i < book.FavouritesCount(); ++i) {
        const int32_t entry = book.FavouritesEntry(i);
        out << "  " << (entry == -1 ? "(separator)" : PageLine(book, static_cast<uint32_t>(entry))) << '\n';
    }

    const model::CLegend& legend = book.Legend();
    out << "labels: " << legend.Count() << '\n';
    for (size_t i = 0; i < legend.Count(); ++i) {
        const model::CLegendItem& item = *legend.At(i);
        out << "  " << item.id << ' ' << LineText(item.name);
        if (item.HasColour())
            out << " colour " << ColourText(item.colour);
        if (item.Bold())
            out << " bold";
        if (item.HasIcon())
            out << " icon";
        out << '\n';
    }

    const model::ExtraInfoList& extra = book.ExtraInfo();
    out << "attachments: " << extra.CountMatching(model::kAttachedFileType, model::ExtraInfoList::kAnyOwner) << '\n';
    out << "extra info records: " << extra.Count() << '\n';

    const model::MetaHistory& history = book.History();
    out << "history: " << history.Count() << '\n';
    for (size_t i = 0; i < history.Count(); ++i) {
        const model::CBookMetaInfo& entry = history.At(i);
        out << "  " << TimeText(entry.time) << ' ' << LineText(entry.computer) << ' ' << LineText(entry.user) << '\n';
    }
}

}  // namespace vnbview
