#pragma once
#include <filesystem>
#include <optional>
#include <string>

#include "tools/vnbview/OpenBook.h"

namespace vnbview {

// A password given once (--password, --password-file), or none at all.
class GivenPassword : public PasswordSource {
public:
    explicit GivenPassword(std::optional<std::u16string> password) : password_(std::move(password)) {}
    std::optional<std::u16string> Next(const std::u16string& prompt) override;

private:
    std::optional<std::u16string> password_;
};

// Asks on the terminal without echo, a few times; after a wrong password
// the next check waits a second, as the plug-in does, to slow guessing.
class PromptedPassword : public PasswordSource {
public:
    static constexpr int kAttempts = 3;
    std::optional<std::u16string> Next(const std::u16string& prompt) override;
    void Rejected() override { rejected_ = true; }

private:
    int asked_ = 0;
    bool rejected_ = false;
};

// The first line of a file (without its line end), as UTF-8, or UTF-16
// after its byte order mark; nothing when the file cannot be read, and
// `error` then holds the system's reason when it gave one.
std::optional<std::u16string> ReadPasswordFile(const std::filesystem::path& path, std::string& error);

}  // namespace vnbview
