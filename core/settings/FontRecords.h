#pragma once
// The two font records of the settings, stored value by value under a subkey
// "<base>\<name>". The value names are stored data ("Offser" included) and
// must not change.
#include "core/settings/KeyValueStore.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace core {

inline constexpr size_t kFaceNameMax = 31;  // characters, before the zero
using FaceName = std::array<char16_t, kFaceNameMax + 1>;

// Character-format masks and effects as the rich edit control numbers them.
inline constexpr uint32_t kCfmBold = 0x1;
inline constexpr uint32_t kCfmItalic = 0x2;
inline constexpr uint32_t kCfmUnderline = 0x4;
inline constexpr uint32_t kCfmStrikeOut = 0x8;
inline constexpr uint32_t kCfmCharSet = 0x08000000;
inline constexpr uint32_t kCfmFace = 0x20000000;
inline constexpr uint32_t kCfmColor = 0x40000000;
inline constexpr uint32_t kCfmSize = 0x80000000;

// Mirrors the members of a wide character format that are stored.
struct CharFormatRecord {
    uint32_t size = 0;  // never stored: 0 until a record is adopted or chosen
    uint32_t mask = 0;
    uint32_t effects = 0;
    int32_t height = 0;  // twips
    int32_t offset = 0;
    uint32_t textColor = 0;
    uint8_t charSet = 0;
    uint8_t pitchAndFamily = 0;
    FaceName faceName{};
    bool operator==(const CharFormatRecord&) const = default;
};

// Mirrors a wide logical font. Weight -1 marks a record holding no font.
struct LogFontRecord {
    int32_t height = 0;
    int32_t width = 0;
    int32_t escapement = 0;
    int32_t orientation = 0;
    int32_t weight = 0;
    uint8_t italic = 0;
    uint8_t underline = 0;
    uint8_t strikeOut = 0;
    uint8_t charSet = 0;
    uint8_t outPrecision = 0;
    uint8_t clipPrecision = 0;
    uint8_t quality = 0;
    uint8_t pitchAndFamily = 0;
    FaceName faceName{};
    bool operator==(const LogFontRecord&) const = default;
};

inline constexpr int32_t kNoFontWeight = -1;

bool SaveCharFormat(KeyValueStore& store, std::u16string_view base, std::u16string_view name,
                    const CharFormatRecord& record);
bool LoadCharFormat(KeyValueStore& store, std::u16string_view base, std::u16string_view name,
                    CharFormatRecord& record);
bool SaveFont(KeyValueStore& store, std::u16string_view base, std::u16string_view name, const LogFontRecord& record);
bool LoadFont(KeyValueStore& store, std::u16string_view base, std::u16string_view name, LogFontRecord& record);

// The logical font the font dialog starts from; pixelsPerInch is the
// display's vertical resolution.
LogFontRecord CharFormatToFont(const CharFormatRecord& format, int pixelsPerInch);

// Copies at most kFaceNameMax characters, stopping at a zero.
FaceName MakeFaceName(std::u16string_view text);
std::u16string FaceNameText(const FaceName& face);

}  // namespace core
