#pragma once
// What is written to disk for a page that the browser shows: the file's
// extension and its bytes.
#include <string>
#include <string_view>

namespace text {

enum class PageFileKind { Html, WebArchive };

// ".htm" or ".mht".
std::u16string_view PageFileExtension(PageFileKind kind);

// The page's stored text as the bytes of its file. No character is lost.
// `codePage`: the one a web archive's text was read in, which its parts'
// charsets match (the viewer's is the system's ANSI code page).
std::string PageFileBytes(PageFileKind kind, std::u16string_view text, unsigned codePage);

}  // namespace text
