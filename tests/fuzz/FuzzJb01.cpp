// The JB01 decoder documents are read with must behave exactly like the
// bit-at-a-time description on every input: same cause, same bytes, however
// the output is taken in pieces. Valid streams are rare among random bytes,
// so each input is also encoded and decoded back.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "docfile/Jb01Source.h"
#include "tests/kit/Jb01.h"

namespace {

// Encoding is quadratic-ish in the worst case; a prefix is plenty.
constexpr size_t kRoundTripLimit = 16384;

// Steps from the input's length: small ones put step ends and input refills
// everywhere, as the default ones do now and then.
void CheckAgreement(const uint8_t* data, size_t size)
{
    std::vector<uint8_t> reference, pieces;
    const docfile::Jb01Status status = docfile::Jb01DecodeReference(data, size, reference);
    for (const auto& [step, inputStep, readSize] : {std::array<size_t, 3>{1 + size % 61, 16 + size % 29, 1 + size % 7},
                                                    {docfile::Jb01Source::kDefaultStep, 8192, 4096}}) {
        docfile::MemorySource packed(data, size);
        docfile::Jb01Source source(packed, size, step, inputStep);
        std::vector<uint8_t> buffer(readSize);
        pieces.clear();
        for (size_t got; (got = source.Read(buffer.data(), readSize)) > 0;)
            pieces.insert(pieces.end(), buffer.begin(), buffer.begin() + static_cast<ptrdiff_t>(got));
        if (source.Status() != status || (status == docfile::Jb01Status::Ok && pieces != reference))
            __builtin_trap();
    }
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
    if (docfile::Jb01DecodeReference(stream.data(), stream.size(), decoded) != docfile::Jb01Status::Ok ||
        !std::equal(decoded.begin(), decoded.end(), plain.begin(), plain.end()))
        __builtin_trap();
    return 0;
}
