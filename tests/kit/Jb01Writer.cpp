#include <stdexcept>

#include "tests/kit/Jb01.h"

namespace kit {

void Jb01Writer::Bits(uint32_t value, int count) {
    if (count < 0 || count > 32) throw std::out_of_range("bit count");
    for (int i = count - 1; i >= 0; --i) {
        pending_ = (pending_ << 1) | ((value >> i) & 1u);
        ++bitCount_;
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

}  // namespace kit
