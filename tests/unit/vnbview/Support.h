#pragma once
// Kit documents on disk and the built tool run as a process.
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "tests/kit/Document.h"

namespace vnbview_test {

namespace fs = std::filesystem;

// A fresh folder, removed with everything in it afterwards.
class TempDir {
public:
    TempDir()
    {
        std::string name = (fs::temp_directory_path() / "vnbview_test_XXXXXX").string();
        if (!::mkdtemp(name.data()))
            throw std::runtime_error("mkdtemp failed");
        path_ = name;
    }
    ~TempDir()
    {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const fs::path& Path() const { return path_; }

private:
    fs::path path_;
};

using kit::BookOf;
using kit::Page;

// A root folder (page 1) and two text pages below it, "Note" (2) and "Other" (3).
inline kit::BookSpec SmallBook()
{
    return BookOf({Page(1, 1, 4, u"Root"), Page(2, 1, 0, u"Note", u"Hello, w\u00f6rld"), Page(3, 1, 0, u"Other", u"second")});
}

inline kit::LegendItemSpec Label(uint32_t colour, uint32_t flags, int32_t id, std::u16string name)
{
    return {.colour = colour, .flags = flags, .id = id, .name = std::move(name)};
}

inline kit::DocumentOptions Options(bool packed, std::u16string password = {})
{
    return {.packed = packed, .password = std::move(password)};
}

inline std::string WriteBytes(const fs::path& path, const std::vector<uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path.string());
    return path.string();
}

inline std::string WriteDoc(const fs::path& path, const kit::BookSpec& book, const kit::DocumentOptions& options = {})
{
    return WriteBytes(path, kit::WriteDocument(book, options));
}

inline std::string ReadFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

struct RunResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

struct RunSetup {
    // Lines typed at the terminal; none: no terminal.
    std::optional<std::vector<std::string>> typed;
    // Where standard output goes instead of `out` (such as /dev/full).
    std::string stdoutPath;
    // Largest file the tool may write; a longer write fails as on a full disk.
    rlim_t fileSizeLimit = RLIM_INFINITY;
    // With `typed`: standard output is the terminal too, shown in `err`.
    bool stdoutToTerminal = false;
};

// Runs the built tool with standard output to a file. Without `typed`,
// standard input is /dev/null and standard error a file. With it, both are
// a terminal on which each line of `typed` answers the next prompt (text
// ending in ": "), and `err` gets everything the terminal showed.
inline RunResult RunTool(const std::vector<std::string>& args, const RunSetup& setup = {})
{
    const std::optional<std::vector<std::string>>& typed = setup.typed;
    TempDir dir;
    const std::string out = setup.stdoutPath.empty() ? (dir.Path() / "out").string() : setup.stdoutPath;
    const std::string err = (dir.Path() / "err").string();
    std::vector<char*> argv{const_cast<char*>(VNBVIEW_EXE)};
    for (const std::string& arg : args)
        argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    int terminal = -1;
    const pid_t pid = typed ? forkpty(&terminal, nullptr, nullptr, nullptr) : fork();
    if (pid == 0) {
        const rlimit limit{setup.fileSizeLimit, setup.fileSizeLimit};
        signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &limit);
        if (!setup.stdoutToTerminal)
            dup2(::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600), STDOUT_FILENO);
        if (!typed) {
            dup2(::open("/dev/null", O_RDONLY), STDIN_FILENO);
            dup2(::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600), STDERR_FILENO);
        }
        execv(VNBVIEW_EXE, argv.data());
        _exit(127);
    }
    if (pid < 0)
        throw std::runtime_error("cannot start the tool");
    RunResult result;
    int status = 0;
    if (typed) {
        for (size_t next = 0;;) {
            pollfd fd{terminal, POLLIN, 0};
            char buffer[4096];
            const ssize_t got = poll(&fd, 1, 5000) > 0 ? ::read(terminal, buffer, sizeof buffer) : 0;
            if (got <= 0)
                break;  // the tool has ended, or waits for more than we type
            result.err.append(buffer, static_cast<size_t>(got));
            if (next < typed->size() && result.err.ends_with(": ")) {
                // A control character alone is a key, not a line.
                const std::string& answer = (*typed)[next++];
                const std::string line = answer.size() == 1 && answer[0] < ' ' ? answer : answer + "\n";
                if (::write(terminal, line.data(), line.size()) < 0)
                    break;
            }
        }
        // Still waiting for input is a failure, not a hang.
        bool ended = false;
        for (int i = 0; i < 500 && !(ended = waitpid(pid, &status, WNOHANG) == pid); ++i)
            usleep(10000);
        if (!ended) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
        }
        ::close(terminal);
    } else {
        waitpid(pid, &status, 0);
        result.err = ReadFile(err);
    }
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.out = setup.stdoutPath.empty() ? ReadFile(out) : "";
    return result;
}

}  // namespace vnbview_test
