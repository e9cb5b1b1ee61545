#pragma once
// Kit documents on disk, books read from them, and the tool run as a process.
#include <filesystem>
#include <string>
#include <vector>

#include "model/Book.h"
#include "tests/kit/Document.h"

namespace vnbview_test {

namespace fs = std::filesystem;

// A fresh folder under the system's temporary folder, removed afterwards.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const fs::path& Path() const { return path_; }

private:
    fs::path path_;
};

kit::PageSpec Page(uint32_t id, uint32_t parent, uint32_t kind, std::u16string title, std::u16string text = {});
kit::LegendItemSpec Label(uint32_t colour, uint32_t flags, int32_t id, std::u16string name);
kit::BookSpec BookOf(std::vector<kit::PageSpec> pages);

fs::path WriteBytes(const fs::path& path, const std::vector<uint8_t>& bytes);
fs::path WriteDoc(const fs::path& path, const kit::BookSpec& book, const kit::DocumentOptions& options = {});
// Unpacked, so that cutting the file cuts the book body itself.
kit::DocumentOptions Unpacked();

// The book as the tool reads it (through the same open procedure, no password).
void LoadBook(model::CBook& book, const kit::BookSpec& written);

struct RunResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};
// Runs the built tool with standard input from /dev/null.
RunResult RunTool(const std::vector<std::string>& args);

// Runs the built tool with a terminal as standard input and standard error,
// typing `lines` one after the other as the tool reads them. `err` gets
// everything the terminal showed.
RunResult RunToolOnTerminal(const std::vector<std::string>& args, const std::vector<std::string>& lines);

std::string ReadFile(const fs::path& path);
std::string Utf8(const std::u16string& text);

}  // namespace vnbview_test
