#include "tools/vnbview/Password.h"

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <thread>

#include "tools/vnbview/Console.h"
#include "tools/vnbview/TextOut.h"

namespace vnbview {

std::optional<std::u16string> GivenPassword::Ask(const std::u16string&, const std::u16string&)
{
    std::optional<std::u16string> password = std::move(password_);
    password_.reset();
    return password;
}

void GivenPassword::Wait(std::chrono::milliseconds delay) { std::this_thread::sleep_for(delay); }

std::optional<std::u16string> PromptedPassword::Ask(const std::u16string& prompt, const std::u16string&)
{
    if (asked_ == kAttempts)
        return std::nullopt;
    ++asked_;
    return ReadHiddenLine(LineText(prompt) + ": ");
}

void PromptedPassword::Wait(std::chrono::milliseconds delay) { std::this_thread::sleep_for(delay); }

std::optional<std::u16string> ReadPasswordFile(const std::filesystem::path& path, std::string& error)
{
    // The stream keeps no reason, but the system call under it sets errno.
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        if (errno != 0)
            error = std::generic_category().message(errno);
        return std::nullopt;
    }
    // UTF-16 with its byte order mark, as some editors save: the first line.
    const int first = in.get(), second = in.get();
    if ((first == 0xFF && second == 0xFE) || (first == 0xFE && second == 0xFF)) {
        std::u16string wide;
        for (int a = in.get(), b = in.get(); a != EOF && b != EOF; a = in.get(), b = in.get()) {
            const char16_t c = static_cast<char16_t>(first == 0xFF ? a | b << 8 : a << 8 | b);
            if (c == u'\n')
                break;
            wide += c;
        }
        if (!wide.empty() && wide.back() == u'\r')
            wide.pop_back();
        return wide;
    }
    in.clear();
    in.seekg(0);
    std::string line;
    errno = 0;
    std::getline(in, line);
    if (in.bad()) {
        if (errno != 0)
            error = std::generic_category().message(errno);
        return std::nullopt;
    }
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    // A UTF-8 byte order mark is not part of the password.
    if (line.starts_with("\xEF\xBB\xBF"))
        line.erase(0, 3);
    return Wide(line);
}

}  // namespace vnbview
