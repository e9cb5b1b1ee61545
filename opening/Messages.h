#pragma once
#include <string>
#include <string_view>

namespace opening {

// Texts the open procedure shows, exactly as users have always seen them.
inline constexpr std::u16string_view kCantLoadDocument = u"Cant load document %s";
inline constexpr std::u16string_view kRequiredPassword = u"Required password for openining %s";
inline constexpr std::u16string_view kInvalidPassword = u"Invalid password for openining %s";
inline constexpr std::u16string_view kCantEncodeWithPassword = u"Cant encode with password [%s] file %s";

// Replaces each %s of `format` in turn with the next argument.
std::u16string FormatText(std::u16string_view format, std::initializer_list<std::u16string_view> args);

// The name and extension of a path, without its folder.
std::u16string FileNamePart(std::u16string_view path);

}  // namespace opening
