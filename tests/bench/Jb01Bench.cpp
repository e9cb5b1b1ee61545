// Decoding packed bytes, measured against LZ4's safe decoder on the same
// text, each format decoding its own compressed form of it. Bytes per second
// are of decoded bytes. The JB01 decoder is the one documents are read with,
// its output taken in pieces (4 KiB as the archive reader takes it, 1 MiB)
// into one buffer, as LZ4 writes its whole output into one.
// Args: corpus (0 UTF-8 text, 1 UTF-16 text, 2 notebook body), piece size.
#include <benchmark/benchmark.h>
#include <lz4.h>

#include <array>

#include "docfile/Jb01Source.h"
#include "platform/CodePage.h"
#include "tests/bench/BenchBooks.h"
#include "tests/bench/BenchProse.h"
#include "tests/kit/Document.h"
#include "tests/kit/Jb01.h"

namespace {

constexpr size_t kCorpusBytes = 16u << 20;
constexpr uint32_t kVocabulary = 3000;

struct Corpus {
    std::vector<uint8_t> plain;
    std::vector<uint8_t> jb01;
    std::vector<uint8_t> lz4;
};

std::vector<uint8_t> Utf16Bytes(const std::u16string& text)
{
    std::vector<uint8_t> bytes;
    for (char16_t c : text) {
        bytes.push_back(static_cast<uint8_t>(c));
        bytes.push_back(static_cast<uint8_t>(c >> 8));
    }
    return bytes;
}

std::vector<uint8_t> MakePlain(int which)
{
    bench::Prose prose(31, kVocabulary);
    switch (which) {
    case 0: {
        const std::string utf8 = platform::WideToUtf8(prose.Text(kCorpusBytes));
        return std::vector<uint8_t>(utf8.begin(), utf8.end());
    }
    case 1: return Utf16Bytes(prose.Text(kCorpusBytes / 2));
    default: {
        std::vector<uint8_t> body = kit::BookBodyBytes(bench::ProseBook(4000, 4000, kVocabulary));
        body.resize(std::min(body.size(), kCorpusBytes));
        return body;
    }
    }
}

const Corpus& CorpusOf(int which)
{
    static std::array<std::unique_ptr<Corpus>, 3> corpora;
    std::unique_ptr<Corpus>& corpus = corpora[static_cast<size_t>(which)];
    if (!corpus) {
        corpus = std::make_unique<Corpus>();
        corpus->plain = MakePlain(which);
        corpus->jb01 = kit::Jb01Encode(corpus->plain);
        const int plainSize = static_cast<int>(corpus->plain.size());
        corpus->lz4.resize(static_cast<size_t>(LZ4_compressBound(plainSize)));
        const int packed = LZ4_compress_default(reinterpret_cast<const char*>(corpus->plain.data()),
                                                reinterpret_cast<char*>(corpus->lz4.data()), plainSize,
                                                static_cast<int>(corpus->lz4.size()));
        corpus->lz4.resize(static_cast<size_t>(packed));
    }
    return *corpus;
}

void Report(benchmark::State& state, const Corpus& corpus, const std::vector<uint8_t>& packed,
            const std::vector<uint8_t>& out)
{
    if (out != corpus.plain)
        state.SkipWithError("decoded bytes differ");
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * corpus.plain.size()));
    state.counters["ratio"] = static_cast<double>(packed.size()) / static_cast<double>(corpus.plain.size());
}

void BM_Jb01Decode(benchmark::State& state)
{
    const Corpus& corpus = CorpusOf(static_cast<int>(state.range(0)));
    const size_t piece = static_cast<size_t>(state.range(1));
    std::vector<uint8_t> out(corpus.plain.size());
    for (auto _ : state) {
        docfile::MemorySource packed(corpus.jb01.data(), corpus.jb01.size());
        docfile::Jb01Source decoded(packed, corpus.jb01.size());
        size_t done = 0;
        for (size_t got = 1; got > 0 && done < out.size(); done += got)
            got = decoded.Read(out.data() + done, std::min(piece, out.size() - done));
        if (done != out.size() || decoded.Status() != docfile::Jb01Status::Ok)
            state.SkipWithError("decode failed");
    }
    Report(state, corpus, corpus.jb01, out);
}
BENCHMARK(BM_Jb01Decode)
    ->ArgNames({"corpus", "piece"})
    ->ArgsProduct({{0, 1, 2}, {4096, 1 << 20}})
    ->Unit(benchmark::kMillisecond);

void BM_Lz4Decode(benchmark::State& state)
{
    const Corpus& corpus = CorpusOf(static_cast<int>(state.range(0)));
    std::vector<uint8_t> out(corpus.plain.size());
    for (auto _ : state)
        if (LZ4_decompress_safe(reinterpret_cast<const char*>(corpus.lz4.data()), reinterpret_cast<char*>(out.data()),
                                static_cast<int>(corpus.lz4.size()), static_cast<int>(out.size())) !=
            static_cast<int>(out.size()))
            state.SkipWithError("decode failed");
    Report(state, corpus, corpus.lz4, out);
}
BENCHMARK(BM_Lz4Decode)->ArgName("corpus")->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

}  // namespace
