#pragma once
#include <filesystem>
#include <optional>
#include <string>

#include "opening/OpenDocument.h"

namespace vnbview {

// A password given once (--password, --password-file), or none at all.
class GivenPassword : public opening::PasswordPrompt {
public:
    explicit GivenPassword(std::optional<std::u16string> password) : password_(std::move(password)) {}
    std::optional<std::u16string> Ask(const std::u16string& prompt, const std::u16string& previous) override;
    void Wait(std::chrono::milliseconds delay) override;

private:
    std::optional<std::u16string> password_;
};

// Asks on the terminal without echo, a few times.
class PromptedPassword : public opening::PasswordPrompt {
public:
    static constexpr int kAttempts = 3;
    std::optional<std::u16string> Ask(const std::u16string& prompt, const std::u16string& previous) override;
    void Wait(std::chrono::milliseconds delay) override;

private:
    int asked_ = 0;
};

// The first line of a file (without its line end), as UTF-8, or UTF-16
// after its byte order mark; nothing when the file cannot be read, and
// `error` then holds the system's reason when it gave one.
std::optional<std::u16string> ReadPasswordFile(const std::filesystem::path& path, std::string& error);

}  // namespace vnbview
