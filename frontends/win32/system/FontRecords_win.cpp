#include "frontends/win32/system/FontRecords_win.h"

#include <cstring>

namespace viewer {
namespace {

core::FaceName FromWide(const wchar_t* face, size_t capacity)
{
    size_t n = 0;
    while (n < capacity && face[n] != L'\0')
        ++n;
    return core::MakeFaceName(std::u16string(face, face + n));
}

void ToWide(const core::FaceName& face, wchar_t* target)
{
    for (size_t i = 0; i < face.size(); ++i)
        target[i] = static_cast<wchar_t>(face[i]);
}

}  // namespace

core::LogFontRecord ToRecord(const LOGFONTW& font)
{
    core::LogFontRecord r;
    r.height = font.lfHeight;
    r.width = font.lfWidth;
    r.escapement = font.lfEscapement;
    r.orientation = font.lfOrientation;
    r.weight = font.lfWeight;
    r.italic = font.lfItalic;
    r.underline = font.lfUnderline;
    r.strikeOut = font.lfStrikeOut;
    r.charSet = font.lfCharSet;
    r.outPrecision = font.lfOutPrecision;
    r.clipPrecision = font.lfClipPrecision;
    r.quality = font.lfQuality;
    r.pitchAndFamily = font.lfPitchAndFamily;
    r.faceName = FromWide(font.lfFaceName, LF_FACESIZE);
    return r;
}

LOGFONTW ToLogFont(const core::LogFontRecord& r)
{
    LOGFONTW font;
    std::memset(&font, 0, sizeof font);
    font.lfHeight = r.height;
    font.lfWidth = r.width;
    font.lfEscapement = r.escapement;
    font.lfOrientation = r.orientation;
    font.lfWeight = r.weight;
    font.lfItalic = r.italic;
    font.lfUnderline = r.underline;
    font.lfStrikeOut = r.strikeOut;
    font.lfCharSet = r.charSet;
    font.lfOutPrecision = r.outPrecision;
    font.lfClipPrecision = r.clipPrecision;
    font.lfQuality = r.quality;
    font.lfPitchAndFamily = r.pitchAndFamily;
    ToWide(r.faceName, font.lfFaceName);
    return font;
}

core::CharFormatRecord ToRecord(const CHARFORMATW& format)
{
    core::CharFormatRecord r;
    r.size = format.cbSize;
    r.mask = format.dwMask;
    r.effects = format.dwEffects;
    r.height = format.yHeight;
    r.offset = format.yOffset;
    r.textColor = format.crTextColor;
    r.charSet = format.bCharSet;
    r.pitchAndFamily = format.bPitchAndFamily;
    r.faceName = FromWide(format.szFaceName, LF_FACESIZE);
    return r;
}

CHARFORMATW ToCharFormat(const core::CharFormatRecord& r)
{
    CHARFORMATW format;
    std::memset(&format, 0, sizeof format);
    format.cbSize = r.size;
    format.dwMask = r.mask;
    format.dwEffects = r.effects;
    format.yHeight = r.height;
    format.yOffset = r.offset;
    format.crTextColor = r.textColor;
    format.bCharSet = r.charSet;
    format.bPitchAndFamily = r.pitchAndFamily;
    ToWide(r.faceName, format.szFaceName);
    return format;
}

int DisplayPixelsPerInch()
{
    HDC dc = CreateDCW(L"DISPLAY", nullptr, nullptr, nullptr);
    if (!dc)
        return 96;
    int ppi = GetDeviceCaps(dc, LOGPIXELSY);
    DeleteDC(dc);
    return ppi;
}

}  // namespace viewer
