// Decoding a packed document body, and encoding it. Bytes per second are of
// decoded bytes. The decoder is measured against the straightforward one
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

void Report(benchmark::State& state)
{
    const PackedBody& body = Body();
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(body.plain.size()));
    state.counters["ratio"] = static_cast<double>(body.jb01.size()) / static_cast<double>(body.plain.size());
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

void BM_Jb01DecodeStraightforward(benchmark::State& state)
{
    const PackedBody& body = Body();
    std::vector<uint8_t> out;
    for (auto _ : state) {
        if (!StraightforwardDecode(body.jb01, out))
            state.SkipWithError("decode failed");
        benchmark::DoNotOptimize(out.data());
    }
    if (out != body.plain)
        state.SkipWithError("decoded bytes differ");
    Report(state);
}
BENCHMARK(BM_Jb01DecodeStraightforward)->Unit(benchmark::kMillisecond);

// The decoder documents are read with, pulled through a 4,096-byte buffer
// as the archive reader pulls it.
std::vector<uint8_t> DecodeInSteps(const std::vector<uint8_t>& jb01, bool keep)
{
    docfile::MemorySource packed(jb01.data(), jb01.size());
    docfile::Jb01Source decoded(packed, jb01.size());
    std::vector<uint8_t> kept;
    uint8_t buffer[4096];
    for (size_t got; (got = decoded.Read(buffer, sizeof buffer)) > 0;)
        if (keep)
            kept.insert(kept.end(), buffer, buffer + got);
    return decoded.Status() == docfile::Jb01Status::Ok ? kept : std::vector<uint8_t>{1};
}

void BM_Jb01Decode(benchmark::State& state)
{
    const PackedBody& body = Body();
    if (DecodeInSteps(body.jb01, true) != body.plain)
        state.SkipWithError("decoded bytes differ");
    for (auto _ : state)
        if (!DecodeInSteps(body.jb01, false).empty())
            state.SkipWithError("decode failed");
    Report(state);
}
BENCHMARK(BM_Jb01Decode)->Unit(benchmark::kMillisecond);

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
