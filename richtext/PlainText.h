#pragma once
// The words of a document without its formatting, for searching and for
// printing as text.
#include "richtext/Document.h"

#include <string>

namespace richtext {

// A paragraph mark and a line break become "\n"; a table cell ends in
// "\t" and a row in "\n". Pictures leave nothing.
std::u16string PlainText(const Document& document);

}  // namespace richtext
