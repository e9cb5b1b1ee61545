#include <fcntl.h>
#include <io.h>
#include <windows.h>
#include <shellapi.h>

#include <cstdio>

#include "tools/vnbview/Console.h"

namespace vnbview {

std::vector<std::filesystem::path> ProgramArguments(int, char**)
{
    std::vector<std::filesystem::path> args;
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!wide)
        return args;
    for (int i = 1; i < count; ++i)
        args.emplace_back(std::wstring(wide[i]));
    LocalFree(wide);
    return args;
}

void PrepareStandardStreams()
{
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
}

bool StdinIsTerminal()
{
    DWORD mode = 0;
    return GetConsoleMode(GetStdHandle(STD_INPUT_HANDLE), &mode) != 0;
}

bool StdoutIsTerminal()
{
    DWORD mode = 0;
    return GetConsoleMode(GetStdHandle(STD_OUTPUT_HANDLE), &mode) != 0;
}

std::optional<std::u16string> ReadHiddenLine(const std::string& prompt)
{
    std::fputs(prompt.c_str(), stderr);
    std::fflush(stderr);
    const HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
    DWORD saved = 0;
    const bool console = GetConsoleMode(input, &saved) != 0;
    if (console)
        SetConsoleMode(input, (saved & ~ENABLE_ECHO_INPUT) | ENABLE_LINE_INPUT | ENABLE_PROCESSED_INPUT);
    std::u16string line;
    bool gotAny = false;
    for (;;) {
        wchar_t c = 0;
        DWORD got = 0;
        if (!ReadConsoleW(input, &c, 1, &got, nullptr) || got == 0)
            break;
        gotAny = true;
        if (c == L'\n')
            break;
        if (c != L'\r')
            line += static_cast<char16_t>(c);
    }
    if (console)
        SetConsoleMode(input, saved);
    std::fputs("\n", stderr);
    if (!gotAny)
        return std::nullopt;
    return line;
}

}  // namespace vnbview
