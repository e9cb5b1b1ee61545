#pragma once
// Password protection as stored in documents: a position-dependent XOR of
// each UTF-16 unit, keyed by a 16-bit fold of the key string.
#include <algorithm>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace kit {

// Enciphers and deciphers alike: each unit XOR its position XOR the fold of
// the key, the XOR over i of (key[i] XOR i). Stops at the first NUL unit; a
// unit that would become NUL stays as it was. Throws for an empty key.
inline std::u16string Transform(std::u16string_view text, std::u16string_view key)
{
    if (key.empty())
        throw std::invalid_argument("empty cipher key");
    uint32_t fold = 0;
    for (size_t i = 0; i < key.size(); ++i)
        fold ^= static_cast<uint32_t>(key[i]) ^ static_cast<uint32_t>(i);
    std::u16string out(text.substr(0, std::min(text.find(u'\0'), text.size())));
    for (size_t i = 0; i < out.size(); ++i)
        if (const auto c = static_cast<char16_t>(out[i] ^ (i & 0xFFFF) ^ (fold & 0xFFFF)); c != 0)
            out[i] = c;
    return out;
}

// The book's verifier for a password: the password under a fixed key; empty for no password.
inline std::u16string MakeVerifier(std::u16string_view password)
{
    return password.empty() ? std::u16string() : Transform(password, u"QK3817rvgwnze2451p93k lomqsczwtrpHJLV");
}

}  // namespace kit
