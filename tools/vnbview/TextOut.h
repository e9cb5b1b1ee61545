#pragma once
// UTF-16 text as the UTF-8 the tool writes.
#include <string>
#include <string_view>

namespace vnbview {

// UTF-8; lone surrogates become U+FFFD.
std::string Utf8(std::u16string_view text);

// UTF-8 for one line of a listing: control characters (C0, DEL, C1) become
// U+FFFD, so a title can neither break the one-node-per-line layout nor
// send escape sequences to the terminal.
std::string LineText(std::u16string_view text);

// std::u16string from ASCII or UTF-8 text.
std::u16string Wide(std::string_view utf8);

}  // namespace vnbview
