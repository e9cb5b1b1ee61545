#pragma once
#include "core/settings/FontRecords.h"

#include <windows.h>
#include <richedit.h>

namespace components {

LogFontRecord ToRecord(const LOGFONTW& font);
LOGFONTW ToLogFont(const LogFontRecord& record);
CharFormatRecord ToRecord(const CHARFORMATW& format);
// The size member comes from the record (0 = nothing chosen yet).
CHARFORMATW ToCharFormat(const CharFormatRecord& record);

// The display's vertical resolution, for CharFormatToFont.
int DisplayPixelsPerInch();

}  // namespace components
