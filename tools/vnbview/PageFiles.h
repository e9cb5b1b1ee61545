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
std::optional<PageFile> PageFileOf(const model::CPage& page, unsigned codePage);

// 8-bit RTF: the source is UTF-16, so units above 0x7F become \uN? escapes.
std::string RtfBytes(std::u16string_view rtf);
// UTF-8 with a byte order mark and a meta charset declaration, so browsers
// read it as UTF-8 whatever charset the source itself declares.
std::string HtmlBytes(std::u16string_view html);
// A web archive is MIME text taken in through the code page: it goes back
// out the same way. Text the code page cannot hold is written as UTF-8
// rather than lost.
std::string WebArchiveBytes(std::u16string_view text, unsigned codePage);

}  // namespace vnbview
