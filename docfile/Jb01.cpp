#include "docfile/Jb01.h"

#include <cstring>

namespace docfile {
namespace {

constexpr size_t kHeaderSize = 8;
constexpr unsigned kMinMatch = 3;
constexpr unsigned kMaxMatch = 18;
// The fast loop decodes three tokens per refill; this is what they can write.
constexpr size_t kFastTokens = 3;
constexpr size_t kFastOutputMargin = kFastTokens * kMaxMatch;
// Matches are copied in 8-byte words, which may run up to 7 bytes past the
// match; the output buffer carries that much slack.
constexpr size_t kCopySlack = 8;

inline uint64_t LoadBigEndian64(const uint8_t* p)
{
    uint64_t v = 0;
    for (int i = 0; i < 8; ++i)
        v = (v << 8) | p[i];
    return v;
}

// A token stream's bits as a plain MSB-first bit stream: 16-bit big-endian
// units read high bit first are the bytes read high bit first. A trailing
// odd byte is not a whole unit and is never used.
struct BitCursor {
    const uint8_t* data;
    uint64_t bitPos;
    uint64_t bitEnd;

    bool Take(unsigned count, uint32_t& value)
    {
        if (bitEnd - bitPos < count)
            return false;
        value = 0;
        for (unsigned i = 0; i < count; ++i, ++bitPos)
            value = (value << 1) | ((data[bitPos >> 3] >> (7 - (bitPos & 7))) & 1u);
        return true;
    }
};

// Finishes a stream one token at a time with every check; used near the
// end of the input or the output, where the fast loop's margins do not hold.
Jb01Status DecodeTail(BitCursor& bits, uint8_t* out, size_t outPos, size_t size)
{
    while (outPos < size) {
        uint32_t flag, value;
        if (!bits.Take(1, flag))
            return Jb01Status::InputEnds;
        if (flag == 0) {
            if (!bits.Take(8, value))
                return Jb01Status::InputEnds;
            out[outPos++] = static_cast<uint8_t>(value);
            continue;
        }
        if (!bits.Take(17, value))
            return Jb01Status::InputEnds;
        const size_t distance = (value >> 4) + kMinMatch;
        const size_t length = (value & 15u) + kMinMatch;
        if (distance > outPos)
            return Jb01Status::BeforeStart;
        if (length > size - outPos)
            return Jb01Status::Overrun;
        for (size_t i = 0; i < length; ++i, ++outPos)
            out[outPos] = out[outPos - distance];
    }
    return Jb01Status::Ok;
}

// The header checks shared by both decoders; `outSize` is S when they pass.
// Each token costs at least one bit per byte it writes (a literal 9 bits for
// 1 byte, a match 18 bits for at most 18), so a claim beyond one byte per
// input bit cannot be honest.
Jb01Status CheckHeader(const uint8_t* data, size_t size, uint32_t& outSize)
{
    if (size < kHeaderSize || std::memcmp(data, "JB01", 4) != 0)
        return Jb01Status::BadHeader;
    outSize = Jb01ReadHeader(data, size);
    if (outSize == 0)
        return Jb01Status::ZeroSize;
    const uint64_t unitBytes = (size - kHeaderSize) & ~size_t{1};
    if (outSize > unitBytes * 8)
        return Jb01Status::ClaimTooLarge;
    return Jb01Status::Ok;
}

}  // namespace

uint32_t Jb01ReadHeader(const uint8_t* data, size_t size)
{
    if (size < kHeaderSize || std::memcmp(data, "JB01", 4) != 0)
        return 0;
    return (static_cast<uint32_t>(data[4]) << 24) | (static_cast<uint32_t>(data[5]) << 16) |
           (static_cast<uint32_t>(data[6]) << 8) | data[7];
}

Jb01Status Jb01Decode(const uint8_t* data, size_t size, std::vector<uint8_t>& out)
{
    out.clear();
    uint32_t claimed = 0;
    if (const Jb01Status header = CheckHeader(data, size, claimed); header != Jb01Status::Ok)
        return header;
    const size_t outSize = claimed;
    const size_t unitBytes = (size - kHeaderSize) & ~size_t{1};

    out.resize(outSize + kCopySlack);
    uint8_t* const base = out.data();
    size_t outPos = 0;
    const uint8_t* in = data + kHeaderSize;
    const uint8_t* const inEnd = in + unitBytes;

    // Fast loop: a 64-bit window holding at least 56 unread bits, refilled
    // without branches from 8 whole input bytes; three tokens per refill.
    uint64_t window = 0;
    unsigned windowBits = 0;
    while (inEnd - in >= 8 && outSize - outPos >= kFastOutputMargin) {
        window |= LoadBigEndian64(in) >> windowBits;
        in += (63 - windowBits) >> 3;
        windowBits |= 56;
        for (size_t t = 0; t < kFastTokens; ++t) {
            if ((window >> 63) == 0) {
                base[outPos++] = static_cast<uint8_t>(window >> 55);
                window <<= 9;
                windowBits -= 9;
                continue;
            }
            const unsigned fields = static_cast<unsigned>(window >> 46) & 0x1FFFFu;
            window <<= 18;
            windowBits -= 18;
            const size_t distance = (fields >> 4) + kMinMatch;
            const size_t length = (fields & 15u) + kMinMatch;
            if (distance > outPos) {
                out.clear();
                return Jb01Status::BeforeStart;
            }
            uint8_t* dst = base + outPos;
            const uint8_t* src = dst - distance;
            if (distance >= 8) {
                // Word copies never overlap within a word at this distance.
                std::memcpy(dst, src, 8);
                std::memcpy(dst + 8, src + 8, 8);
                if (length > 16)
                    std::memcpy(dst + 16, src + 16, 8);
            } else {
                for (size_t i = 0; i < length; ++i)
                    dst[i] = src[i];
            }
            outPos += length;
        }
    }

    // Hand the exact bit position over to the checked tail decoder.
    const uint64_t consumedBits = static_cast<uint64_t>(in - (data + kHeaderSize)) * 8 - windowBits;
    BitCursor bits{data + kHeaderSize, consumedBits, static_cast<uint64_t>(unitBytes) * 8};
    const Jb01Status status = DecodeTail(bits, base, outPos, outSize);
    if (status != Jb01Status::Ok) {
        out.clear();
        return status;
    }
    out.resize(outSize);
    return Jb01Status::Ok;
}

Jb01Status Jb01DecodeReference(const uint8_t* data, size_t size, std::vector<uint8_t>& out)
{
    out.clear();
    uint32_t outSize = 0;
    if (const Jb01Status header = CheckHeader(data, size, outSize); header != Jb01Status::Ok)
        return header;
    size_t readPos = kHeaderSize;
    uint16_t unit = 0;
    unsigned unitBits = 0;
    auto takeBits = [&](unsigned count, uint32_t& value) {
        value = 0;
        while (count-- > 0) {
            if (unitBits == 0) {
                if (size - readPos < 2)
                    return false;
                unit = static_cast<uint16_t>((data[readPos] << 8) | data[readPos + 1]);
                readPos += 2;
                unitBits = 16;
            }
            value = (value << 1) | ((unit >> --unitBits) & 1u);
        }
        return true;
    };
    std::vector<uint8_t> result;
    while (result.size() < outSize) {
        uint32_t flag, value;
        if (!takeBits(1, flag))
            return Jb01Status::InputEnds;
        if (flag == 0) {
            if (!takeBits(8, value))
                return Jb01Status::InputEnds;
            result.push_back(static_cast<uint8_t>(value));
            continue;
        }
        uint32_t d, l;
        if (!takeBits(13, d) || !takeBits(4, l))
            return Jb01Status::InputEnds;
        const size_t distance = d + kMinMatch;
        const size_t length = l + kMinMatch;
        if (distance > result.size())
            return Jb01Status::BeforeStart;
        if (length > outSize - result.size())
            return Jb01Status::Overrun;
        for (size_t i = 0; i < length; ++i)
            result.push_back(result[result.size() - distance]);
    }
    out = std::move(result);
    return Jb01Status::Ok;
}

}  // namespace docfile
