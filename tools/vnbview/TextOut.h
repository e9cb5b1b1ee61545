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

// UTF-8 for a page's text shown on a terminal: lines and tabs kept, line
// ends of every kind (CR, CR LF, LF) shown as LF, every other control
// character as U+FFFD, so the text cannot drive the terminal.
std::string TerminalText(std::u16string_view text);

// True for C0 controls, DEL and C1 controls.
inline bool IsControl(char16_t unit) { return unit < 0x20 || (unit >= 0x7F && unit < 0xA0); }

// std::u16string from ASCII or UTF-8 text.
std::u16string Wide(std::string_view utf8);

}  // namespace vnbview
