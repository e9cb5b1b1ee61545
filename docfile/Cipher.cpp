#include "docfile/Cipher.h"

#include <algorithm>

#include "platform/CodePage.h"

namespace docfile {

std::optional<uint32_t> CipherKeyHash(std::u16string_view key)
{
    if (key.empty())
        return std::nullopt;
    uint32_t hash = 0;
    for (uint32_t i = 0; i < key.size(); ++i)
        hash ^= static_cast<uint32_t>(key[i]) ^ i;
    return hash;
}

std::optional<std::u16string> CipherTransform(std::u16string_view text, std::u16string_view key)
{
    const std::optional<uint32_t> hash = CipherKeyHash(key);
    if (!hash)
        return std::nullopt;
    const size_t n = std::min(text.size(), text.find(u'\0'));
    const uint16_t mask = static_cast<uint16_t>(*hash);
    std::u16string result(text.substr(0, n));
    for (size_t i = 0; i < n; ++i) {
        const auto c = static_cast<char16_t>(result[i] ^ static_cast<uint16_t>(i) ^ mask);
        // A unit that would become NUL stays as it was, so the result never
        // ends early.
        if (c != 0)
            result[i] = c;
    }
    return result;
}

const std::u16string& FixedCipherKey()
{
    // Stored as narrow text and widened like any other narrow text.
    static const std::u16string key = platform::AnsiToWide("QK3817rvgwnze2451p93k lomqsczwtrpHJLV");
    return key;
}

std::u16string MakePasswordVerifier(std::u16string_view password)
{
    return CipherTransform(password, FixedCipherKey()).value_or(std::u16string());
}

bool CheckPassword(std::u16string_view verifier, std::u16string_view typed)
{
    if (verifier.empty() || typed.empty())
        return verifier.empty() && typed.empty();
    const std::optional<std::u16string> transformed = CipherTransform(typed, FixedCipherKey());
    return transformed && !transformed->empty() && *transformed == verifier;
}

}  // namespace docfile
