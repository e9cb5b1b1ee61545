#pragma once
#include "core/settings/FontRecords.h"

#include <windows.h>
#include <richedit.h>

namespace viewer {

core::LogFontRecord ToRecord(const LOGFONTW& font);
LOGFONTW ToLogFont(const core::LogFontRecord& record);
core::CharFormatRecord ToRecord(const CHARFORMATW& format);
// The size member comes from the record (0 = nothing chosen yet).
CHARFORMATW ToCharFormat(const core::CharFormatRecord& record);

// The display's vertical resolution, for CharFormatToFont.
int DisplayPixelsPerInch();

}  // namespace viewer
