#pragma once
// Narrow text from documents and hosts is converted to UTF-16 only here.
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// Code page used for narrow text. 0 means the system's: the ANSI code page
// on Windows, 1252 elsewhere.
void SetAnsiCodePage(unsigned codePage);
unsigned AnsiCodePage();

// Converts narrow text in the current ANSI code page. Bytes that do not map
// become U+FFFD; the result never throws.
std::u16string AnsiToWide(std::string_view narrow);
// The same in `codePage`; in a code page the system does not know, ASCII
// stays and every other byte becomes U+FFFD.
std::u16string NarrowToWide(std::string_view narrow, unsigned codePage);
// True when `byte` starts a two-byte character of `codePage` (932, 936,
// 949, 950, 1361); false for every byte of other code pages.
bool IsLeadByte(unsigned codePage, unsigned char byte);
// The text in `codePage`, or nullopt when one of its characters has no
// exact form there (a best-fit look-alike counts as lost) or the code page
// is unknown.
std::optional<std::string> WideToAnsiExact(std::u16string_view wide, unsigned codePage);
// The same in the current ANSI code page.
std::optional<std::string> WideToAnsiExact(std::u16string_view wide);
bool CodePageSupported(unsigned codePage);

// UTF-8 <-> UTF-16 for the command-line tools and tests. Lone surrogates in
// the input become U+FFFD on output.
std::string WideToUtf8(std::u16string_view wide);
// Appends one code point (at most U+10FFFF) as UTF-8.
void AppendUtf8(std::string& out, char32_t codePoint);
std::u16string Utf8ToWide(std::string_view utf8);

}  // namespace platform
