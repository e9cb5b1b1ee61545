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

inline constexpr size_t kJb01HeaderSize = 8;

// Decompressed size, or 0 when the bytes are no JB01 stream (BadHeader or
// ZeroSize above).
uint32_t Jb01ReadHeader(const uint8_t* data, size_t size);

// The first three checks above, on a stream of `size` bytes that begins
// with `header` (kJb01HeaderSize bytes of it, or all when fewer); gives S.
Jb01Status Jb01CheckHeader(const uint8_t* header, uint64_t size, uint32_t& outSize);

// The whole stream decoded one bit at a time, exactly as described above,
// into `out` (left empty on failure). Slow; the decoder that the documents
// are read with (Jb01Source) is checked against it.
Jb01Status Jb01DecodeReference(const uint8_t* data, size_t size, std::vector<uint8_t>& out);

}  // namespace docfile
