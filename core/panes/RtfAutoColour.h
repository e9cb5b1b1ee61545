#pragma once
// Text an RTF page leaves in the automatic colour is drawn by a control in
// the system's window text colour, dark whatever the page's background. To
// draw it in another colour, the page is given that colour as an entry of
// its colour table, and the automatic colour is replaced by that entry.
#include <cstdint>
#include <string>
#include <string_view>

namespace core {

// The RTF with `colour` (0x00BBGGRR) wherever its text would take the
// automatic colour: from the start of the document, after \plain and for
// \cf0. Colours the author set, highlights and backgrounds stay. Grows the
// text by a few characters per change, never more.
std::u16string RtfWithAutoColour(std::u16string_view rtf, uint32_t colour);

}  // namespace core
