#include "core/settings/FontChoice.h"

namespace core {

bool MakeChoosable(CharFormatRecord& stored)
{
    if (stored.size != 0)
        return false;
    stored.size = kCharFormatSize;
    stored.mask = kFirstChoiceMask;
    return true;
}

bool AdoptStoredFormat(CharFormatRecord& loaded)
{
    if (FaceNameText(loaded.faceName).empty())
        return false;
    loaded.size = kCharFormatSize;
    if (loaded.height < kMinShownHeight || loaded.height > kMaxShownHeight)
        loaded.mask &= ~kCfmSize;
    return true;
}

CharFormatRecord WithColour(CharFormatRecord stored, uint32_t colour)
{
    stored.mask |= kCfmColor;
    stored.textColor = colour;
    return stored;
}

CharFormatRecord FormatFromFontChoice(const LogFontRecord& chosen, int pointSizeTenths, uint32_t colour)
{
    CharFormatRecord format;
    format.size = kCharFormatSize;
    format.mask = kCfmBold | kCfmItalic | kCfmSize | kCfmFace | kCfmUnderline | kCfmStrikeOut | kCfmColor | kCfmCharSet;
    // Semi-bold and black are not bold: the control's bold is one weight.
    if (chosen.weight == kBoldWeight)
        format.effects |= kCfmBold;
    if (chosen.italic)
        format.effects |= kCfmItalic;
    if (chosen.underline)
        format.effects |= kCfmUnderline;
    if (chosen.strikeOut)
        format.effects |= kCfmStrikeOut;
    // Tenths of a point to twentieths.
    format.height = pointSizeTenths * 2;
    format.offset = 0;
    format.textColor = colour;
    format.charSet = chosen.charSet;
    format.pitchAndFamily = chosen.pitchAndFamily;
    format.faceName = chosen.faceName;
    return format;
}

}  // namespace core
