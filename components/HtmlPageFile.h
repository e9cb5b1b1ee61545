#pragma once
// What is written to disk for a page that the browser shows: the file's
// extension and its bytes.
#include <string>
#include <string_view>

namespace components {

enum class PageFileKind { Html, WebArchive };

// ".htm" or ".mht".
std::u16string_view PageFileExtension(PageFileKind kind);

// The page's stored text as the bytes of its file. No character is lost.
std::string PageFileBytes(PageFileKind kind, std::u16string_view text);

}  // namespace components
