// The fast JB01 decoder must behave exactly like the bit-at-a-time
// description on every input: same success, same bytes. Valid streams are
// rare among random bytes, so each input is also encoded and decoded back.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "docfile/Jb01.h"
#include "tests/kit/Jb01.h"

namespace {

// Encoding is quadratic-ish in the worst case; a prefix is plenty.
constexpr size_t kRoundTripLimit = 16384;

void CheckAgreement(const uint8_t* data, size_t size)
{
    std::vector<uint8_t> fast, reference;
    const docfile::Jb01Status status = docfile::Jb01Decode(data, size, fast);
    // The same cause, not only the same success, and nothing left on failure.
    if (status != docfile::Jb01DecodeReference(data, size, reference) || fast != reference ||
        (status != docfile::Jb01Status::Ok && !fast.empty()))
        __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CheckAgreement(data, size);
    if (size == 0)
        return 0;
    const std::span<const uint8_t> plain(data, std::min(size, kRoundTripLimit));
    const std::vector<uint8_t> stream = kit::Jb01Encode(plain);
    CheckAgreement(stream.data(), stream.size());
    std::vector<uint8_t> decoded;
    if (docfile::Jb01Decode(stream.data(), stream.size(), decoded) != docfile::Jb01Status::Ok ||
        !std::equal(decoded.begin(), decoded.end(), plain.begin(), plain.end()))
        __builtin_trap();
    return 0;
}
