#pragma once
// A page's content as the bytes of a file a desktop program opens.
#include <optional>
#include <string>
#include <string_view>

#include "model/Page.h"

namespace vnbview {

struct PageFile {
    std::u16string extension;  // without the dot
    std::string bytes;
};

// Nothing for folders; .mht for web archives, .rtf for rich text, .htm for
// HTML, .txt for plain text and any other kind (shown as plain text).
// Rich text, web archives and HTML go through the viewer's own encoders
// (`codePage`: the one the book's narrow text was read in); an HTML page
// also declares UTF-8 in a meta element, for programs that read no byte
// order mark. Plain text is UTF-8.
std::optional<PageFile> PageFileOf(const model::CPage& page, unsigned codePage);

// The HTML with a UTF-8 meta charset declaration: in <head>, else after
// <html>, else after a doctype, else first.
std::u16string WithUtf8Declaration(std::u16string_view html);

}  // namespace vnbview
