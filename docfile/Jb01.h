#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace docfile {

// JB01 stream: "JB01", decompressed size S (32-bit big-endian), then token
// bits, most significant first, in 16-bit big-endian units:
//   0 + 8 bits            literal byte
//   1 + 13 bits + 4 bits  match: distance d'+3 (3..8194), length l'+3 (3..18)

// Outcome of decoding, checked in this order; the numbers are stable.
//   0 Ok             S bytes decoded
//   1 BadHeader      fewer than 8 bytes, or the magic is not "JB01"
//   2 ZeroSize       S = 0: no caller treats that as a stream
//   3 ClaimTooLarge  S beyond one byte per bit of whole units: no token
//                    stream that short could produce it (refused before
//                    anything is allocated)
//   4 InputEnds      the whole units end inside a token, before S bytes
//                    (a trailing odd byte is never a unit)
//   5 BeforeStart    a match distance reaches before the first output byte
//   6 Overrun        a match would write beyond S bytes
enum class Jb01Status : int {
    Ok = 0,
    BadHeader = 1,
    ZeroSize = 2,
    ClaimTooLarge = 3,
    InputEnds = 4,
    BeforeStart = 5,
    Overrun = 6,
};

// Decompressed size, or 0 when the bytes are no JB01 stream (BadHeader or
// ZeroSize above).
uint32_t Jb01ReadHeader(const uint8_t* data, size_t size);

// Decodes into `out` (resized to S; left empty on failure), never reading
// outside the input or writing outside S bytes.
Jb01Status Jb01Decode(const uint8_t* data, size_t size, std::vector<uint8_t>& out);

// The same format decoded one bit at a time, exactly as described above,
// with the same outcomes. Slow; the fast decoder is checked against it.
Jb01Status Jb01DecodeReference(const uint8_t* data, size_t size, std::vector<uint8_t>& out);

}  // namespace docfile
