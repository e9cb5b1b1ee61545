// Decoding a packed document body. Bytes per second are of decoded bytes. The decoder is measured against the straightforward one
// below on the same bytes, in the same run; it must keep up with it.
#include <benchmark/benchmark.h>

#include "docfile/Jb01Source.h"
#include "tests/bench/BenchBooks.h"
#include "tests/kit/Document.h"
#include "tests/kit/Jb01.h"

namespace {

struct PackedBody {
    std::vector<uint8_t> plain;
    std::vector<uint8_t> jb01;
};

const PackedBody& Body()
{
    static const PackedBody body = [] {
        PackedBody made;
        made.plain = kit::BookBodyBytes(bench::ProseBook(1500, 1600));
        made.jb01 = kit::Jb01Encode(made.plain);
        return made;
    }();
    return body;
}

// The baseline: the whole output at once, a 64-bit bit buffer topped up a
// 16-bit unit at a time, every check on every token, matches copied a byte
// at a time. False for any invalid stream.
bool StraightforwardDecode(const std::vector<uint8_t>& in, std::vector<uint8_t>& out)
{
    const uint32_t size = docfile::Jb01ReadHeader(in.data(), in.size());
    out.assign(size, 0);
    size_t read = 8, pos = 0;
    uint64_t bits = 0;
    unsigned count = 0;
    while (pos < size) {
        while (count <= 48 && in.size() - read >= 2) {
            bits |= static_cast<uint64_t>(in[read] << 8 | in[read + 1]) << (48 - count);
            read += 2;
            count += 16;
        }
        if (count < 9 || ((bits >> 63) && count < 18))
            return false;
        if ((bits >> 63) == 0) {
            out[pos++] = static_cast<uint8_t>(bits >> 55);
            bits <<= 9;
            count -= 9;
            continue;
        }
        const size_t distance = ((bits >> 50) & 0x1FFF) + 3;
        const size_t length = ((bits >> 46) & 15) + 3;
        bits <<= 18;
        count -= 18;
        if (distance > pos || length > size - pos)
            return false;
        for (size_t i = 0; i < length; ++i, ++pos)
            out[pos] = out[pos - distance];
    }
    return true;
}

// The decoder documents are read with: each step decoded in its window,
// then copied out, as the archive reader takes it.
bool DecodeInSteps(const std::vector<uint8_t>& in, std::vector<uint8_t>& out)
{
    docfile::MemorySource packed(in.data(), in.size());
    docfile::Jb01Source decoded(packed, in.size());
    out.resize(decoded.Remaining());
    out.resize(decoded.Read(out.data(), out.size()));
    return decoded.Status() == docfile::Jb01Status::Ok;
}

template <bool (*Decode)(const std::vector<uint8_t>&, std::vector<uint8_t>&)>
void BM_Jb01(benchmark::State& state)
{
    const PackedBody& body = Body();
    std::vector<uint8_t> out;
    for (auto _ : state)
        if (!Decode(body.jb01, out))
            state.SkipWithError("decode failed");
    if (out != body.plain)
        state.SkipWithError("decoded bytes differ");
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * body.plain.size()));
    state.counters["ratio"] = static_cast<double>(body.jb01.size()) / static_cast<double>(body.plain.size());
}
BENCHMARK(BM_Jb01<StraightforwardDecode>)->Name("BM_Jb01DecodeStraightforward")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Jb01<DecodeInSteps>)->Name("BM_Jb01Decode")->Unit(benchmark::kMillisecond);

}  // namespace
