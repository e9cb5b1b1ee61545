#pragma once
// What the tool needs of its process and terminal; one implementation per
// platform.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace vnbview {

// The arguments after the program name in the system's own form: argv's
// bytes on POSIX, the wide command line on Windows. A path held this way
// reaches the system unchanged even when it is not valid UTF-8.
std::vector<std::filesystem::path> ProgramArguments(int argc, char** argv);

// Output is UTF-8 bytes exactly as written: no newline translation.
void PrepareStandardStreams();

bool StdinIsTerminal();
bool StdoutIsTerminal();

// Shows `prompt` on standard error and reads one line from the terminal
// without echoing it. Nothing at end of input.
std::optional<std::u16string> ReadHiddenLine(const std::string& prompt);

}  // namespace vnbview
