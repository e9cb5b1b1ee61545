#include "tools/vnbview/DumpJson.h"

#include <algorithm>

#include "tools/vnbview/Json.h"

namespace vnbview {
namespace {

void WriteTime(JsonWriter& json, std::string_view key, const model::DateTime& time)
{
    json.Key(key);
    json.BeginObject();
    json.FieldUnsigned("status", time.status);
    json.Key("date");
    json.Double(time.date);
    json.EndObject();
}

void WriteIcon(JsonWriter& json, const model::CIcon* icon)
{
    if (!icon) {
        json.Null();
        return;
    }
    json.BeginObject();
    json.FieldSigned("width", icon->width);
    json.FieldSigned("height", icon->height);
    json.FieldUnsigned("planes", icon->planes);
    json.FieldUnsigned("bpp", icon->bitsPixel);
    json.Key("bitmaps");
    json.BeginArray();
    for (const model::IconBitmap& bitmap : icon->bitmaps) {
        json.BeginObject();
        json.FieldSigned("type", bitmap.type);
        json.FieldSigned("width", bitmap.width);
        json.FieldSigned("height", bitmap.height);
        json.FieldSigned("width_bytes", bitmap.widthBytes);
        json.FieldUnsigned("planes", bitmap.planes);
        json.FieldUnsigned("bits_pixel", bitmap.bitsPixel);
        json.FieldUnsigned("size", bitmap.paddedSize);
        json.EndObject();
    }
    json.EndArray();
    json.EndObject();
}

void WriteOptions(JsonWriter& json, const model::CBookOptions& options)
{
    json.Key("options");
    json.BeginObject();
    json.FieldUnsigned("history_switch", options.historySwitch);
    json.FieldUnsigned("optional_block", options.optionalBlock);
    json.FieldUnsigned("value1", options.value1);
    json.FieldUnsigned("value2", options.value2);
    json.FieldUnsigned("expansion_policy", options.expansionPolicy);
    json.FieldUnsigned("flags", options.flags);
    json.FieldUnsigned("value3", options.value3);
    json.FieldUnsigned("history_limit", options.historyLimit);
    json.Field("text1", options.text1);
    json.Field("text2", options.text2);
    json.FieldSigned("value4", options.value4);
    json.FieldUnsigned("value5", options.value5);
    json.EndObject();
}

void WriteHistory(JsonWriter& json, const model::MetaHistory& history)
{
    json.Key("history");
    json.BeginArray();
    for (size_t i = 0; i < history.Count(); ++i) {
        const model::CBookMetaInfo& entry = history.At(i);
        json.BeginObject();
        json.Field("computer", entry.computer);
        json.Field("user", entry.user);
        WriteTime(json, "time", entry.time);
        json.EndObject();
    }
    json.EndArray();
}

std::u16string HexBytes(const std::array<uint8_t, 16>& bytes)
{
    static const char16_t kHex[] = u"0123456789abcdef";
    std::u16string text;
    for (uint8_t byte : bytes) {
        text += kHex[byte >> 4];
        text += kHex[byte & 0xF];
    }
    return text;
}

void WritePage(JsonWriter& json, const model::CBook& book, const model::CPage& page)
{
    json.BeginObject();
    json.FieldUnsigned("id", page.Id());
    json.FieldUnsigned("parent", page.ParentId());
    json.FieldUnsigned("kind", page.Kind());
    json.Field("title", page.Title());
    json.Field("text", page.Text());
    json.FieldUnsigned("flags", page.Flags());
    json.FieldUnsigned("label", page.LabelId());
    json.Field("tip", page.TipText());
    json.FieldUnsigned("expanded", page.ExpandedValue());
    json.FieldUnsigned("sort_key", page.ChildSortKey());
    json.FieldBool("descending", page.ChildrenDescending());
    json.FieldUnsigned("sort_weight", page.SortWeight());
    json.Field("sort_text", page.SortText());
    json.FieldUnsigned("caret", page.Caret());
    json.FieldUnsigned("html_caret", page.HtmlCaret());
    json.FieldUnsigned("background", page.Background());
    json.FieldUnsigned("colour", page.Colour());
    json.FieldUnsigned("revision", page.Revision());
    json.Field("aux_text", page.AuxText());
    json.FieldSigned("aux_value", page.AuxValue());
    json.FieldUnsigned("optional_value", page.OptionalValue());
    json.Field("optional_block", HexBytes(page.OptionalBlock()));
    WriteTime(json, "created", page.Created());
    WriteTime(json, "modified", page.Modified());
    json.Key("content");
    json.BeginObject();
    json.FieldUnsigned("leading", page.Content().leading);
    json.FieldUnsigned("code_page", page.Content().codePage);
    json.FieldUnsigned("size", page.Content().block.size());
    json.EndObject();
    json.FieldUnsigned("attachments", book.AttachmentCount(page.Id()));
    json.EndObject();
}

void WriteLegend(JsonWriter& json, const model::CLegend& legend)
{
    json.Key("legend");
    json.BeginObject();
    json.Key("items");
    json.BeginArray();
    for (size_t i = 0; i < legend.Count(); ++i) {
        const model::CLegendItem& item = *legend.At(i);
        json.BeginObject();
        json.FieldSigned("id", item.id);
        json.Field("name", item.name);
        json.FieldUnsigned("flags", item.flags);
        json.FieldUnsigned("colour", item.colour);
        json.FieldUnsigned("value", item.value);
        json.Key("icon");
        WriteIcon(json, &item.icon);
        json.EndObject();
    }
    json.EndArray();
    json.Key("groups");
    json.BeginArray();
    for (const auto& group : legend.Groups()) {
        json.BeginObject();
        json.Field("name", group->name);
        json.FieldUnsigned("value", group->value);
        json.EndObject();
    }
    json.EndArray();
    json.EndObject();
}

void WriteIcons(JsonWriter& json, const model::IconCollection& icons)
{
    // The collection is a hash map: sorted keys make the output stable.
    std::vector<uint32_t> keys;
    keys.reserve(icons.Count());
    for (const auto& entry : icons.Entries())
        keys.push_back(entry.first);
    std::sort(keys.begin(), keys.end());
    json.Key("icons");
    json.BeginArray();
    for (uint32_t key : keys) {
        const model::IconCollection::Entry& entry = icons.Entries().at(key);
        json.BeginObject();
        json.FieldUnsigned("key", key);
        if (entry.icon) {
            json.Key("icon");
            WriteIcon(json, entry.icon.get());
        } else {
            json.FieldUnsigned("ref", entry.reference);
        }
        json.EndObject();
    }
    json.EndArray();
}

void WriteExtraInfo(JsonWriter& json, const model::ExtraInfoList& list)
{
    json.Key("extra_info");
    json.BeginArray();
    for (size_t i = 0; i < list.Count(); ++i) {
        const model::CExtraInfo& record = list.At(i);
        json.BeginObject();
        json.Field("type", record.type);
        json.FieldSigned("page", record.ownerPage);
        json.FieldUnsigned("size", record.data.size());
        json.EndObject();
    }
    json.EndArray();
}

}  // namespace

void WriteJsonDump(const model::CBook& book, std::ostream& out)
{
    JsonWriter json(out);
    json.BeginObject();
    json.FieldUnsigned("schema", book.Schema());
    json.FieldBool("packed", book.Packed());
    json.Key("version");
    json.BeginObject();
    json.FieldUnsigned("major", book.Version().major);
    json.FieldUnsigned("minor", book.Version().minor);
    json.FieldUnsigned("release", book.Version().release);
    json.FieldUnsigned("build", book.Version().build);
    json.EndObject();
    json.FieldBool("protected", book.IsProtected());
    json.FieldUnsigned("save_counter", book.SaveCounter());
    json.FieldUnsigned("current_page", book.CurrentPage());
    json.Field("book_text2", book.BookText2());
    json.Key("favourites");
    json.BeginArray();
    for (size_t i = 0; i < book.FavouritesCount(); ++i)
        json.Signed(book.FavouritesEntry(i));
    json.EndArray();
    WriteOptions(json, book.Options());
    WriteHistory(json, book.History());
    json.FieldSigned("root", book.RootPageId());
    json.FieldSigned("recycle_bin", book.RecycleBinId());
    json.Key("pages");
    json.BeginArray();
    for (size_t i = 0; i < book.PageCount(); ++i)
        WritePage(json, book, *book.PageAt(i));
    json.EndArray();
    WriteLegend(json, book.Legend());
    WriteIcons(json, book.Icons());
    WriteExtraInfo(json, book.ExtraInfo());
    json.EndObject();
}

}  // namespace vnbview
