#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace docfile {

// JB01 stream: "JB01", decompressed size S (32-bit big-endian), then token
// bits, most significant first, in 16-bit big-endian units:
//   0 + 8 bits            literal byte
//   1 + 13 bits + 4 bits  match: distance d'+3 (3..8194), length l'+3 (3..18)

// Decompressed size, or 0 when the bytes are no JB01 stream (too short,
// wrong magic, or S = 0, which no caller treats as a stream).
uint32_t Jb01ReadHeader(const uint8_t* data, size_t size);

// Decodes into `out` (resized to S). Fails, without reading outside the
// input or writing outside S bytes, on a match reaching before the start,
// output beyond S, or token bits needing a unit that is not whole. A header
// claiming more output than the input could possibly produce is refused
// before anything is allocated.
bool Jb01Decode(const uint8_t* data, size_t size, std::vector<uint8_t>& out);

// The same format decoded one bit at a time, exactly as described above.
// Slow; it is the behaviour the fast decoder is checked against.
bool Jb01DecodeReference(const uint8_t* data, size_t size, std::vector<uint8_t>& out);

}  // namespace docfile
