#include <signal.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <iterator>

#include "platform/CodePage.h"
#include "tools/vnbview/Console.h"

namespace vnbview {
namespace {

struct termios gSavedTerminal;
struct termios gQuietTerminal;
const char* gPrompt = "";
size_t gPromptLength = 0;

// Echo must come back even when the user interrupts the prompt or stops the
// program (Ctrl-Z). Continued, the program takes echo away again before the
// prompt shows once more, so nothing typed afterwards is shown.
extern "C" void RestoreTerminalAndRaise(int sig)
{
    const int savedErrno = errno;
    tcsetattr(STDIN_FILENO, TCSANOW, &gSavedTerminal);
    struct sigaction standard {}, own {};
    standard.sa_handler = SIG_DFL;
    sigemptyset(&standard.sa_mask);
    sigaction(sig, &standard, &own);
    // The signal is blocked while its handler runs: let it act now.
    sigset_t just {};
    sigemptyset(&just);
    sigaddset(&just, sig);
    sigprocmask(SIG_UNBLOCK, &just, nullptr);
    ::raise(sig);
    // Here only after a stop and a continue.
    sigaction(sig, &own, nullptr);
    tcsetattr(STDIN_FILENO, TCSANOW, &gQuietTerminal);
    if (::write(STDERR_FILENO, "\n", 1) == 1 && ::write(STDERR_FILENO, gPrompt, gPromptLength) < 0) {
        // Nothing to do about a terminal that takes no output.
    }
    errno = savedErrno;
}

constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGTSTP};

}  // namespace

std::vector<std::filesystem::path> ProgramArguments(int argc, char** argv)
{
    return std::vector<std::filesystem::path>(argv + 1, argv + argc);
}

void PrepareStandardStreams() {}

bool StdinIsTerminal() { return isatty(STDIN_FILENO) == 1; }

bool StdoutIsTerminal() { return isatty(STDOUT_FILENO) == 1; }

std::optional<std::u16string> ReadHiddenLine(const std::string& prompt)
{
    // Echo goes off before the prompt shows, so nothing typed after it is
    // echoed, and nothing typed is thrown away either (TCSANOW, not
    // TCSAFLUSH): a pasted password arrives whole.
    const bool terminal = tcgetattr(STDIN_FILENO, &gSavedTerminal) == 0;
    struct sigaction previous[std::size(kSignals)];
    if (terminal) {
        struct sigaction action {};
        action.sa_handler = RestoreTerminalAndRaise;
        sigemptyset(&action.sa_mask);
        for (size_t i = 0; i < std::size(kSignals); ++i)
            sigaction(kSignals[i], &action, &previous[i]);
        gQuietTerminal = gSavedTerminal;
        gQuietTerminal.c_lflag &= ~static_cast<tcflag_t>(ECHO | ECHONL);
        gQuietTerminal.c_lflag |= ICANON;
        gPrompt = prompt.c_str();
        gPromptLength = prompt.size();
        tcsetattr(STDIN_FILENO, TCSANOW, &gQuietTerminal);
    }
    std::fputs(prompt.c_str(), stderr);
    std::fflush(stderr);
    std::string line;
    bool gotAny = false;
    for (;;) {
        char c = 0;
        const ssize_t got = ::read(STDIN_FILENO, &c, 1);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        gotAny = true;
        if (c == '\n')
            break;
        line += c;
    }
    if (terminal) {
        tcsetattr(STDIN_FILENO, TCSANOW, &gSavedTerminal);
        for (size_t i = 0; i < std::size(kSignals); ++i)
            sigaction(kSignals[i], &previous[i], nullptr);
    }
    std::fputs("\n", stderr);
    if (!gotAny)
        return std::nullopt;
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return platform::Utf8ToWide(line);
}

}  // namespace vnbview
