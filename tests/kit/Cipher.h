#pragma once
// Password protection as stored in documents: a position-dependent XOR of
// each UTF-16 unit, keyed by a 16-bit fold of the key string.
#include <cstdint>
#include <string>
#include <string_view>

namespace kit {

// Key under which the password itself is stored as the verifier.
inline constexpr std::u16string_view kVerifierKey = u"QK3817rvgwnze2451p93k lomqsczwtrpHJLV";

// XOR over i of (key[i] XOR i).
uint32_t KeyHash(std::u16string_view key);

// Enciphers and deciphers alike. Stops at the first NUL unit; a unit that
// would become NUL stays as it was. Throws std::invalid_argument for an
// empty key.
std::u16string Transform(std::u16string_view text, std::u16string_view key);

// The book's verifier for a password; empty for no password.
std::u16string MakeVerifier(std::u16string_view password);

}  // namespace kit
