#pragma once
// The rich text pane's Font command as record arithmetic: what the stored
// character format looks like before the font dialog opens, and what the
// dialog's answer turns into.
#include "core/settings/FontRecords.h"

#include <cstdint>

namespace core {

inline constexpr uint32_t kCharFormatSize = 92;  // a wide character format
// Size, face, character set, bold, italic, underline, strike-out.
inline constexpr uint32_t kFirstChoiceMask = 0xA800000F;
inline constexpr int32_t kBoldWeight = 700;
inline constexpr int32_t kMinShownHeight = 20;     // twips: 1 point
inline constexpr int32_t kMaxShownHeight = 32760;  // twips: 1638 points

// True when the record had never been chosen (size 0): it then gets its
// size and kFirstChoiceMask, keeping its other members, and should become
// the control's default format.
bool MakeChoosable(CharFormatRecord& stored);

// A record read from the settings: when it names a face it applies to pages
// from the start, as a choice made now would (it gets its size), with a
// height the control cannot show (outside 1 to 1638 points) left out of its
// mask. False, and the record unchanged, when it names none.
bool AdoptStoredFormat(CharFormatRecord& loaded);

// Adds the colour to the record the dialog starts from.
CharFormatRecord WithColour(CharFormatRecord stored, uint32_t colour);

// The stored record after the dialog's OK: bold only for weight exactly 700,
// height in twips from the dialog's size in tenths of a point.
CharFormatRecord FormatFromFontChoice(const LogFontRecord& chosen, int pointSizeTenths, uint32_t colour);

}  // namespace core
