#pragma once
// Page RTF is held as UTF-16. The rich edit control reads RTF as bytes, so
// before it is streamed as 8-bit RTF every character above 0x7F becomes an
// escape: the result is plain ASCII and reads as the same words.
#include <string>
#include <string_view>

namespace text {

// A character the page holds as a byte of the narrow code page (it was read
// from narrow text) becomes that byte as \'hh, to be read in the current
// font's code page as before; any other becomes \uN with as many "?"
// fallback characters as the \ucN in force asks for (one unless the source
// says otherwise), so a reader that knows \u skips exactly them. A
// character that stands in for a \uN of the source becomes one "?", and a
// backslash before a character above 0x7F (no control symbol) is dropped.
// Everything else, \binN data included, stays byte for byte.
// `narrowCodePage`: the code page the page's narrow text was read in.
std::string SevenBitRtf(std::u16string_view rtf, unsigned narrowCodePage);
// The same in the code page narrow text is read in now.
std::string SevenBitRtf(std::u16string_view rtf);

}  // namespace text
