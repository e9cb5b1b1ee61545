#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vnbview {

enum class Command { Help, Info, Tree, Cat, Dump, Export };

struct Options {
    Command command = Command::Help;
    std::u16string file;
    uint32_t pageId = 0;     // cat
    bool wordsOnly = false;  // cat --text: rich text without its markup
    std::u16string dir;      // export
    std::optional<std::u16string> password;
    std::optional<std::u16string> passwordFile;
    unsigned codePage = 1252;
};

struct ParsedCommandLine {
    std::optional<Options> options;  // nothing: `error` says why
    std::string error;
};

// Parses the arguments after the program name. Options may stand anywhere,
// as "--name value" or "--name=value"; "--" ends them.
ParsedCommandLine ParseCommandLine(const std::vector<std::u16string>& args);

extern const char kUsage[];

}  // namespace vnbview
