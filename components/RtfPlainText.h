#pragma once
// The words of an RTF page without its markup, for searching it and for
// printing it as text.
#include <string>
#include <string_view>

namespace components {

// Paragraph and line ends become "\n", tabs and table cells "\t". Font,
// colour and style tables, pictures, objects' data, field instructions and
// every "\*" destination are skipped; \'hh bytes are read in the narrow code
// page and \uN escapes skip their fallback characters. Any input is read to
// its end without recursion, whatever its nesting.
std::u16string RtfToPlainText(std::u16string_view rtf);

}  // namespace components
