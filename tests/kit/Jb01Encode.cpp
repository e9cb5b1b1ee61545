#include <algorithm>
#include <stdexcept>

#include "tests/kit/Jb01.h"

namespace kit {
namespace {

constexpr int kHashBits = 15;
constexpr int kMaxChain = 48;
constexpr int32_t kNone = -1;

uint32_t Hash3(const uint8_t* p) {
    const uint32_t v = p[0] | (p[1] << 8) | (p[2] << 16);
    return (v * 2654435761u) >> (32 - kHashBits);
}

}  // namespace

// Every position is chained to the previous one with the same 3-byte hash.
// Candidates closer than the minimum distance are passed over rather than
// ending the search: in a run of one byte the usable candidate is three back.
std::vector<uint8_t> Jb01Encode(std::span<const uint8_t> data) {
    if (data.size() > 0xFFFFFFFFu) throw std::length_error("JB01 size is 32-bit");
    const auto size = static_cast<int64_t>(data.size());
    std::vector<int32_t> head(size_t{1} << kHashBits, kNone);
    std::vector<int32_t> prev(data.size(), kNone);
    Jb01Writer writer;

    auto insert = [&](int64_t pos) {
        if (pos + 3 > size) return;
        const uint32_t h = Hash3(&data[pos]);
        prev[pos] = head[h];
        head[h] = static_cast<int32_t>(pos);
    };

    int64_t pos = 0;
    while (pos < size) {
        uint32_t bestLength = 0;
        uint32_t bestDistance = 0;
        if (pos + static_cast<int64_t>(kJb01MinLength) <= size) {
            const auto limit = static_cast<uint32_t>(std::min<int64_t>(kJb01MaxLength, size - pos));
            int32_t candidate = head[Hash3(&data[pos])];
            for (int steps = 0; candidate != kNone && steps < kMaxChain; ++steps, candidate = prev[candidate]) {
                const auto distance = static_cast<uint32_t>(pos - candidate);
                if (distance > kJb01MaxDistance) break;
                if (distance < kJb01MinDistance) continue;
                uint32_t length = 0;
                // Comparing byte by byte mirrors the decoder's copy, so
                // overlapping matches (distance < length) come out right.
                while (length < limit && data[candidate + length] == data[pos + length]) ++length;
                if (length > bestLength) {
                    bestLength = length;
                    bestDistance = distance;
                    if (length == limit) break;
                }
            }
        }
        if (bestLength >= kJb01MinLength) {
            writer.Match(bestDistance, bestLength);
            for (uint32_t i = 0; i < bestLength; ++i) insert(pos + i);
            pos += bestLength;
        } else {
            writer.Literal(data[pos]);
            insert(pos);
            ++pos;
        }
    }
    return writer.Finish(static_cast<uint32_t>(data.size()));
}

}  // namespace kit
