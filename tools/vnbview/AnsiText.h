#pragma once
// Narrow text in a chosen code page, for files that readers expect in the
// code page the document's text came from.
#include <optional>
#include <string>
#include <string_view>

namespace vnbview {

bool CodePageSupported(unsigned codePage);

// The text in the code page, or nothing when some character has no exact
// form there (or the code page is unknown).
std::optional<std::string> WideToAnsiExact(std::u16string_view text, unsigned codePage);

}  // namespace vnbview
