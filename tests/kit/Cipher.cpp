#include "tests/kit/Cipher.h"

#include <algorithm>
#include <stdexcept>

namespace kit {

uint32_t KeyHash(std::u16string_view key) {
    uint32_t hash = 0;
    for (size_t i = 0; i < key.size(); ++i) hash ^= static_cast<uint32_t>(key[i]) ^ static_cast<uint32_t>(i);
    return hash;
}

std::u16string Transform(std::u16string_view text, std::u16string_view key) {
    if (key.empty()) throw std::invalid_argument("empty cipher key");
    const uint32_t fold = KeyHash(key) & 0xFFFF;
    const size_t end = std::min(text.find(u'\0'), text.size());
    std::u16string out(text.substr(0, end));
    for (size_t i = 0; i < out.size(); ++i) {
        const auto c = static_cast<char16_t>(out[i] ^ (i & 0xFFFF) ^ fold);
        if (c != 0) out[i] = c;
    }
    return out;
}

std::u16string MakeVerifier(std::u16string_view password) {
    return password.empty() ? std::u16string() : Transform(password, kVerifierKey);
}

}  // namespace kit
