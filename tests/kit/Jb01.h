#pragma once
// JB01 streams: "JB01", big-endian decompressed size, then tokens as bits,
// most significant first, in 16-bit big-endian units.
#include <cstdint>
#include <span>
#include <vector>

namespace kit {

inline constexpr uint32_t kJb01MinDistance = 3;
inline constexpr uint32_t kJb01MaxDistance = 8194;
inline constexpr uint32_t kJb01MinLength = 3;
inline constexpr uint32_t kJb01MaxLength = 18;

// Token-level writer for crafted streams. Nothing is checked against the
// output the tokens would produce: invalid distances, overlong output and
// wrong claimed sizes are all expressible.
class Jb01Writer {
public:
    void Literal(uint8_t value);
    // Distance 3..8194, length 3..18; throws std::out_of_range otherwise.
    void Match(uint32_t distance, uint32_t length);
    // Any bits, most significant first (count 0..32).
    void Bits(uint32_t value, int count);
    // Header plus the token bits, the last unit padded with zero bits.
    std::vector<uint8_t> Finish(uint32_t claimedSize) const;

private:
    std::vector<uint8_t> units_;  // whole units already flushed
    uint32_t pending_ = 0;        // bits of the unit being filled
    int pendingCount_ = 0;
};

// Greedy encoder with hash chains; long runs and repeated short patterns
// become matches, overlapping ones included.
std::vector<uint8_t> Jb01Encode(std::span<const uint8_t> data);

}  // namespace kit
