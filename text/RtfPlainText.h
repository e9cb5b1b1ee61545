#pragma once
// The words of an RTF page without its markup, for searching it and for
// printing it as text.
#include <string>
#include <string_view>

namespace text {

// Paragraph and line ends become "\n", tabs and table cells "\t". Font,
// colour and style tables, pictures, objects' data, field instructions and
// every "\*" destination are skipped. \'hh bytes, and characters the page
// holds as bytes of the narrow code page, are read in the code page of the
// current font (RtfCodePages.h), two-byte characters whole; \uN escapes skip
// the fallback characters \ucN asks for, and \binN data is skipped by its
// count. Any input is read to its end in one pass without recursion, in
// memory bounded by its size, whatever its nesting.
std::u16string RtfToPlainText(std::u16string_view rtf);

}  // namespace text
