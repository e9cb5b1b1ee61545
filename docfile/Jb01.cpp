#include "docfile/Jb01.h"

#include <cstring>

namespace docfile {
namespace {

constexpr unsigned kMinMatch = 3;

}  // namespace

uint32_t Jb01ReadHeader(const uint8_t* data, size_t size)
{
    if (size < kJb01HeaderSize || std::memcmp(data, "JB01", 4) != 0)
        return 0;
    return (static_cast<uint32_t>(data[4]) << 24) | (static_cast<uint32_t>(data[5]) << 16) |
           (static_cast<uint32_t>(data[6]) << 8) | data[7];
}

// Each token costs at least one bit per byte it writes (a literal 9 bits for
// 1 byte, a match 18 bits for at most 18), so a claim beyond one byte per
// input bit cannot be honest.
Jb01Status Jb01CheckHeader(const uint8_t* header, uint64_t size, uint32_t& outSize)
{
    outSize = Jb01ReadHeader(header, size < kJb01HeaderSize ? static_cast<size_t>(size) : kJb01HeaderSize);
    if (outSize == 0)
        return size < kJb01HeaderSize || std::memcmp(header, "JB01", 4) != 0 ? Jb01Status::BadHeader
                                                                              : Jb01Status::ZeroSize;
    const uint64_t unitBytes = (size - kJb01HeaderSize) & ~uint64_t{1};
    if (outSize > unitBytes * 8)
        return Jb01Status::ClaimTooLarge;
    return Jb01Status::Ok;
}

Jb01Status Jb01DecodeReference(const uint8_t* data, size_t size, std::vector<uint8_t>& out)
{
    out.clear();
    uint32_t outSize = 0;
    if (const Jb01Status header = Jb01CheckHeader(data, size, outSize); header != Jb01Status::Ok)
        return header;
    size_t readPos = kJb01HeaderSize;
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
