#pragma once
// Page RTF is held as UTF-16. The rich edit control reads RTF as bytes, so
// before it is streamed as 8-bit RTF every character above 0x7F becomes a
// \uN escape: the result is plain ASCII and independent of any code page.
#include <string>
#include <string_view>

namespace components {

// Keeps everything else byte for byte. Each escape carries as many "?"
// fallback characters as the \ucN in force at that point asks for (one
// unless the source says otherwise), so a reader that knows \u skips
// exactly them.
std::string SevenBitRtf(std::u16string_view rtf);

}  // namespace components
