#pragma once
#include <cstdint>
#include <optional>
#include <string>

namespace docfile {

// The document cipher: a position-dependent XOR of each UTF-16 unit with the
// low 16 bits of a hash folded from a key. The same call enciphers and
// deciphers.

std::optional<uint32_t> CipherKeyHash(std::u16string_view key);

// nullopt when the key is empty. Stops at the first NUL unit of `text`.
std::optional<std::u16string> CipherTransform(std::u16string_view text, std::u16string_view key);

// The key the password verifier is made with.
const std::u16string& FixedCipherKey();

// The verifier a document stores for `password`.
std::u16string MakePasswordVerifier(std::u16string_view password);

// Whether `typed` opens a document with `verifier` (case-sensitive).
bool CheckPassword(std::u16string_view verifier, std::u16string_view typed);

}  // namespace docfile
