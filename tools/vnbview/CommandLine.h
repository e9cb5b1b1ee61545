#pragma once
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace vnbview {

enum class Command { Help, Info, Tree, Cat, Dump, Export };

struct Options {
    Command command = Command::Help;
    std::filesystem::path file;
    uint32_t pageId = 0;     // cat
    bool wordsOnly = false;  // cat --text: rich text without its markup
    std::filesystem::path dir;  // export
    std::optional<std::u16string> password;
    std::optional<std::filesystem::path> passwordFile;
    unsigned codePage = 1252;
};

struct ParsedCommandLine {
    std::optional<Options> options;  // nothing: `error` says why
    std::string error;
};

// Parses the arguments after the program name. Options may stand anywhere,
// as "--name value" or "--name=value"; "--" ends them. Arguments come in
// the system's form (bytes on POSIX, UTF-16 on Windows).
ParsedCommandLine ParseCommandLine(const std::vector<std::filesystem::path>& args);

extern const char kUsage[];

}  // namespace vnbview
