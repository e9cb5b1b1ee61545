#pragma once
// Why the system will not give a file to read, in its own words, for the
// line shown ahead of the plug-in's "Cant load document".
#include <filesystem>
#include <string>

namespace vnbview {

// The reason `path` cannot be opened as a document: the system's message
// for a missing file, a folder, a denied read, an over-long name; or that
// it is not a regular file. Empty when nothing is found wrong (the file
// may have changed since the attempt to read it).
std::string WhyUnreadable(const std::filesystem::path& path);

}  // namespace vnbview
