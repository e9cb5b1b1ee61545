#pragma once
// File names travel as std::filesystem::path from where they enter (an
// export, a command line) to where a file is opened: it holds the system's
// own form (UTF-16 on Windows, bytes elsewhere), which reaches the system
// unchanged. Text is made of it only for people to read.
#include <filesystem>
#include <string>

namespace platform {

// The name as a message shows it. Bytes that are not UTF-8 (possible outside
// Windows) become U+FFFD; the result never throws.
std::u16string PathText(const std::filesystem::path& path);

}  // namespace platform
