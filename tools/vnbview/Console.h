#pragma once
// What the tool needs of its process and terminal; one implementation per
// platform.
#include <optional>
#include <string>
#include <vector>

namespace vnbview {

// The arguments after the program name, as UTF-16 (UTF-8 argv on POSIX,
// the wide command line on Windows).
std::vector<std::u16string> ProgramArguments(int argc, char** argv);

// Output is UTF-8 bytes exactly as written: no newline translation.
void PrepareStandardStreams();

bool StdinIsTerminal();

// Shows `prompt` on standard error and reads one line from the terminal
// without echoing it. Nothing at end of input.
std::optional<std::u16string> ReadHiddenLine(const std::string& prompt);

}  // namespace vnbview
