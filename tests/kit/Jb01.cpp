#include <algorithm>
#include <stdexcept>

#include "tests/kit/Jb01.h"

namespace kit {

void Jb01Writer::Bits(uint32_t value, int count) {
    if (count < 0 || count > 32) throw std::out_of_range("bit count");
    for (int i = count - 1; i >= 0; --i) {
        pending_ = (pending_ << 1) | ((value >> i) & 1u);
        if (++pendingCount_ == 16) {
            units_.push_back(static_cast<uint8_t>(pending_ >> 8));
            units_.push_back(static_cast<uint8_t>(pending_));
            pending_ = 0;
            pendingCount_ = 0;
        }
    }
}

void Jb01Writer::Literal(uint8_t value) {
    Bits(0, 1);
    Bits(value, 8);
}

void Jb01Writer::Match(uint32_t distance, uint32_t length) {
    if (distance < kJb01MinDistance || distance > kJb01MaxDistance) throw std::out_of_range("JB01 distance");
    if (length < kJb01MinLength || length > kJb01MaxLength) throw std::out_of_range("JB01 length");
    Bits(1, 1);
    Bits(distance - kJb01MinDistance, 13);
    Bits(length - kJb01MinLength, 4);
}

std::vector<uint8_t> Jb01Writer::Finish(uint32_t claimedSize) const {
    std::vector<uint8_t> out;
    out.reserve(8 + units_.size() + 2);
    for (char magic : {'J', 'B', '0', '1'}) out.push_back(static_cast<uint8_t>(magic));
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<uint8_t>(claimedSize >> shift));
    out.insert(out.end(), units_.begin(), units_.end());
    if (pendingCount_ > 0) {
        const uint32_t unit = pending_ << (16 - pendingCount_);
        out.push_back(static_cast<uint8_t>(unit >> 8));
        out.push_back(static_cast<uint8_t>(unit));
    }
    return out;
}

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
