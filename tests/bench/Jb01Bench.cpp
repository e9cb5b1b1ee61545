// Decoding a packed document body with both JB01 decoders, and encoding
// it. Bytes per second are of decoded bytes.
#include <benchmark/benchmark.h>

#include "docfile/Jb01.h"
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

void Report(benchmark::State& state)
{
    const PackedBody& body = Body();
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(body.plain.size()));
    state.counters["ratio"] = static_cast<double>(body.jb01.size()) / static_cast<double>(body.plain.size());
}

// The fast decoder and the bit-at-a-time reference one, on the same bytes.
template <docfile::Jb01Status (*Decode)(const uint8_t*, size_t, std::vector<uint8_t>&)>
void BM_Jb01(benchmark::State& state)
{
    const PackedBody& body = Body();
    std::vector<uint8_t> out;
    for (auto _ : state) {
        if (Decode(body.jb01.data(), body.jb01.size(), out) != docfile::Jb01Status::Ok)
            state.SkipWithError("decode failed");
        benchmark::DoNotOptimize(out.data());
    }
    Report(state);
}
BENCHMARK(BM_Jb01<docfile::Jb01Decode>)->Name("BM_Jb01Decode")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Jb01<docfile::Jb01DecodeReference>)->Name("BM_Jb01DecodeReference")->Unit(benchmark::kMillisecond);

// Writing the same body packed, as the document kit does for every sample
// and test document: a quadratic match search would show here first.
void BM_Jb01Encode(benchmark::State& state)
{
    const PackedBody& body = Body();
    for (auto _ : state)
        benchmark::DoNotOptimize(kit::Jb01Encode(body.plain).data());
    Report(state);
}
BENCHMARK(BM_Jb01Encode)->Unit(benchmark::kMillisecond);

}  // namespace
