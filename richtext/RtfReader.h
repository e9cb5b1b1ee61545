#pragma once
// Reads RTF, as the rich text control and word processors write it, into a
// Document. Pages hold RTF as UTF-16 text: characters above 0x7F there are
// bytes of the narrow code page the page was read in, and they, like \'hh
// bytes, are read in the code page of the current font (two-byte
// characters whole). \uN skips the fallback characters \ucN asks for in
// its group; \binN data is skipped by its count. Destinations that show
// nothing (font, colour and style tables, document information, headers,
// footers, footnotes, unknown {\*...} groups) are skipped; objects show
// their result, fields their result (HYPERLINK as a link), and hidden text
// (\v) is left out. Any input is read to its end in one pass without
// recursion, in memory a small multiple of its size.
#include "richtext/Document.h"

#include <cstdint>
#include <string_view>

namespace richtext {

// Pictures cost time and memory that words do not need.
enum class Pictures : uint8_t { Keep, Leave };

// `narrowCodePage`: the code page the page's narrow text was read in.
Document ReadRtf(std::u16string_view rtf, unsigned narrowCodePage, Pictures pictures = Pictures::Keep);
// The same in the code page narrow text is read in now.
Document ReadRtf(std::u16string_view rtf, Pictures pictures = Pictures::Keep);

// A document of plain text: one paragraph per line (CR LF, CR or LF).
Document DocumentOfPlainText(std::u16string_view text);

}  // namespace richtext
