#include "core/settings/FontRecords.h"

#include <algorithm>

namespace core {
namespace {

std::u16string SubkeyPath(std::u16string_view base, std::u16string_view name)
{
    std::u16string path(base);
    path += u'\\';
    path += name;
    return path;
}

// A missing value leaves the member as it was; byte members keep the low byte.
template <class T>
void ReadInto(const KeyValues& key, std::u16string_view name, T& member)
{
    if (auto value = key.ReadNumber(name))
        member = static_cast<T>(*value);
}

}  // namespace

FaceName MakeFaceName(std::u16string_view text)
{
    FaceName face{};
    size_t n = std::min(text.size(), kFaceNameMax);
    for (size_t i = 0; i < n && text[i] != u'\0'; ++i)
        face[i] = text[i];
    return face;
}

std::u16string FaceNameText(const FaceName& face)
{
    return std::u16string(face.data(), std::find(face.begin(), face.end(), u'\0') - face.begin());
}

bool SaveCharFormat(KeyValueStore& store, std::u16string_view base, std::u16string_view name,
                    const CharFormatRecord& record)
{
    if (name.empty())
        return false;
    auto key = store.CreateKey(SubkeyPath(base, name));
    if (!key)
        return false;
    key->WriteNumber(u"Mask", record.mask);
    key->WriteNumber(u"Effects", record.effects);
    key->WriteNumber(u"Height", static_cast<uint32_t>(record.height));
    key->WriteNumber(u"Offser", static_cast<uint32_t>(record.offset));
    key->WriteNumber(u"TextColor", record.textColor);
    key->WriteNumber(u"Charset", record.charSet);
    key->WriteNumber(u"Pitch", record.pitchAndFamily);
    key->WriteText(u"Facename", FaceNameText(record.faceName));
    return true;
}

bool LoadCharFormat(KeyValueStore& store, std::u16string_view base, std::u16string_view name,
                    CharFormatRecord& record)
{
    if (name.empty())
        return false;
    auto key = store.OpenKey(SubkeyPath(base, name));
    if (!key)
        return false;
    ReadInto(*key, u"Mask", record.mask);
    ReadInto(*key, u"Effects", record.effects);
    ReadInto(*key, u"Height", record.height);
    ReadInto(*key, u"Offser", record.offset);
    ReadInto(*key, u"TextColor", record.textColor);
    ReadInto(*key, u"Charset", record.charSet);
    ReadInto(*key, u"Pitch", record.pitchAndFamily);
    record.faceName = MakeFaceName(key->ReadText(u"Facename").value_or(u""));
    return true;
}

bool SaveFont(KeyValueStore& store, std::u16string_view base, std::u16string_view name, const LogFontRecord& record)
{
    if (name.empty() || record.weight == kNoFontWeight)
        return false;
    auto key = store.CreateKey(SubkeyPath(base, name));
    if (!key)
        return false;
    key->WriteNumber(u"LF_HEIGHT", static_cast<uint32_t>(record.height));
    key->WriteNumber(u"LF_WIDTH", static_cast<uint32_t>(record.width));
    key->WriteNumber(u"LF_ESCAPEMENT", static_cast<uint32_t>(record.escapement));
    key->WriteNumber(u"LF_ORIENTATION", static_cast<uint32_t>(record.orientation));
    key->WriteNumber(u"LF_WEIGHT", static_cast<uint32_t>(record.weight));
    key->WriteNumber(u"LF_ITALIC", record.italic);
    key->WriteNumber(u"LF_UNDERLINE", record.underline);
    key->WriteNumber(u"LF_STRIKEOUT", record.strikeOut);
    key->WriteNumber(u"LF_CHARSET", record.charSet);
    key->WriteNumber(u"LF_OUTPREC", record.outPrecision);
    key->WriteNumber(u"LF_CLIPPREC", record.clipPrecision);
    key->WriteNumber(u"LF_QUALITY", record.quality);
    key->WriteNumber(u"LF_PITCH", record.pitchAndFamily);
    key->WriteText(u"LF_FACENAME", FaceNameText(record.faceName));
    return true;
}

// A font without a face name cannot be made again, so such a record is marked
// as holding no font and is not written back.
bool LoadFont(KeyValueStore& store, std::u16string_view base, std::u16string_view name, LogFontRecord& record)
{
    if (name.empty())
        return false;
    auto key = store.OpenKey(SubkeyPath(base, name));
    if (!key)
        return false;
    ReadInto(*key, u"LF_HEIGHT", record.height);
    ReadInto(*key, u"LF_WIDTH", record.width);
    ReadInto(*key, u"LF_ESCAPEMENT", record.escapement);
    ReadInto(*key, u"LF_ORIENTATION", record.orientation);
    ReadInto(*key, u"LF_WEIGHT", record.weight);
    ReadInto(*key, u"LF_ITALIC", record.italic);
    ReadInto(*key, u"LF_UNDERLINE", record.underline);
    ReadInto(*key, u"LF_STRIKEOUT", record.strikeOut);
    ReadInto(*key, u"LF_CHARSET", record.charSet);
    ReadInto(*key, u"LF_OUTPREC", record.outPrecision);
    ReadInto(*key, u"LF_CLIPPREC", record.clipPrecision);
    ReadInto(*key, u"LF_QUALITY", record.quality);
    ReadInto(*key, u"LF_PITCH", record.pitchAndFamily);
    std::u16string face = key->ReadText(u"LF_FACENAME").value_or(u"");
    if (face.empty() || face[0] == u'\0') {
        record.weight = kNoFontWeight;
        return false;
    }
    record.faceName = MakeFaceName(face);
    return true;
}

LogFontRecord CharFormatToFont(const CharFormatRecord& format, int pixelsPerInch)
{
    LogFontRecord font;
    if (format.mask & kCfmSize)
        font.height = static_cast<int32_t>(static_cast<int64_t>(format.height) * pixelsPerInch / -1440);
    if ((format.mask & kCfmBold) && (format.mask & kCfmItalic)) {
        font.weight = (format.effects & kCfmBold) ? 700 : 400;
        font.italic = (format.effects & kCfmItalic) ? 1 : 0;
    }
    const uint32_t lineMask = kCfmUnderline | kCfmStrikeOut | kCfmColor;
    if ((format.mask & lineMask) == lineMask) {
        font.underline = (format.effects & kCfmUnderline) ? 1 : 0;
        font.strikeOut = (format.effects & kCfmStrikeOut) ? 1 : 0;
    }
    if (format.mask & kCfmCharSet)
        font.charSet = format.charSet;
    if (format.mask & kCfmFace) {
        font.pitchAndFamily = format.pitchAndFamily;
        font.faceName = MakeFaceName(FaceNameText(format.faceName));
    }
    return font;
}

}  // namespace core
