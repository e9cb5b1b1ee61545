#include "tests/unit/vnbview/Support.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "docfile/OpenDocument.h"
#include "platform/CodePage.h"

namespace vnbview_test {

TempDir::TempDir()
{
    static std::atomic<int> counter{0};
    path_ = fs::temp_directory_path() /
            ("vnbview_test_" + std::to_string(::getpid()) + "_" + std::to_string(counter++));
    fs::remove_all(path_);
    fs::create_directories(path_);
}

TempDir::~TempDir()
{
    std::error_code ec;
    fs::remove_all(path_, ec);
}

kit::PageSpec Page(uint32_t id, uint32_t parent, uint32_t kind, std::u16string title, std::u16string text)
{
    kit::PageSpec page;
    page.id = id;
    page.parentId = parent;
    page.kind = kind;
    page.title = kit::PageText(std::move(title));
    page.text = kit::PageText(std::move(text));
    return page;
}

kit::LegendItemSpec Label(uint32_t colour, uint32_t flags, int32_t id, std::u16string name)
{
    kit::LegendItemSpec item;
    item.colour = colour;
    item.flags = flags;
    item.id = id;
    item.name = std::move(name);
    return item;
}

kit::BookSpec BookOf(std::vector<kit::PageSpec> pages)
{
    kit::BookSpec book;
    book.pages = std::move(pages);
    return book;
}

fs::path WriteBytes(const fs::path& path, const std::vector<uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path.string());
    return path;
}

fs::path WriteDoc(const fs::path& path, const kit::BookSpec& book, const kit::DocumentOptions& options)
{
    return WriteBytes(path, kit::WriteDocument(book, options));
}

kit::DocumentOptions Unpacked()
{
    kit::DocumentOptions options;
    options.packed = false;
    return options;
}

void LoadBook(model::CBook& book, const kit::BookSpec& written)
{
    TempDir dir;
    const fs::path path = WriteDoc(dir.Path() / "book.vnb", written);
    const docfile::ReadResult result = docfile::ReadDocument(path.u16string(), book);
    if (!result.loaded)
        throw std::runtime_error("kit document did not load");
}

std::string ReadFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

RunResult RunTool(const std::vector<std::string>& args)
{
    TempDir dir;
    std::string command = "'" VNBVIEW_EXE "'";
    for (const std::string& arg : args) {
        command += " '";
        for (char c : arg)
            command += c == '\'' ? std::string("'\\''") : std::string(1, c);
        command += '\'';
    }
    const fs::path out = dir.Path() / "out";
    const fs::path err = dir.Path() / "err";
    command += " </dev/null >'" + out.string() + "' 2>'" + err.string() + "'";
    const int status = std::system(command.c_str());
    RunResult result;
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.out = ReadFile(out);
    result.err = ReadFile(err);
    return result;
}

RunResult RunToolOnTerminal(const std::vector<std::string>& args, const std::vector<std::string>& lines)
{
    TempDir dir;
    const std::string outPath = (dir.Path() / "out").string();
    int master = -1;
    const pid_t pid = forkpty(&master, nullptr, nullptr, nullptr);
    if (pid < 0)
        throw std::runtime_error("forkpty failed");
    if (pid == 0) {
        const int out = ::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        dup2(out, STDOUT_FILENO);
        std::vector<char*> argv{const_cast<char*>(VNBVIEW_EXE)};
        for (const std::string& arg : args)
            argv.push_back(const_cast<char*>(arg.c_str()));
        argv.push_back(nullptr);
        execv(VNBVIEW_EXE, argv.data());
        _exit(127);
    }
    RunResult result;
    size_t typed = 0;
    for (;;) {
        pollfd fd{master, POLLIN, 0};
        if (poll(&fd, 1, 5000) <= 0)
            break;
        char buffer[4096];
        const ssize_t got = ::read(master, buffer, sizeof buffer);
        if (got <= 0)
            break;  // the tool has ended
        result.err.append(buffer, static_cast<size_t>(got));
        // A prompt ends in ": "; answer each one with the next line.
        if (typed < lines.size() && result.err.ends_with(": ")) {
            const std::string line = lines[typed++] + "\n";
            if (::write(master, line.data(), line.size()) < 0)
                break;
        }
    }
    int status = 0;
    bool ended = false;
    for (int i = 0; i < 500 && !ended; ++i) {
        ended = waitpid(pid, &status, WNOHANG) == pid;
        if (!ended)
            usleep(10000);
    }
    if (!ended) {
        // Still waiting for input: a failure, not a hang.
        kill(pid, SIGKILL);
        waitpid(pid, &status, 0);
    }
    ::close(master);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.out = ReadFile(outPath);
    return result;
}

std::string Utf8(const std::u16string& text) { return platform::WideToUtf8(text); }

}  // namespace vnbview_test
