// Opening a document of 1,000,000 pages: read every record and run the
// after-reading steps. Freeing the book afterwards is not counted.
#include <benchmark/benchmark.h>

#include <array>
#include <filesystem>
#include <fstream>

#include "docfile/OpenDocument.h"
#include "tests/bench/BenchBooks.h"
#include "tests/kit/Document.h"

namespace {

constexpr uint32_t kPages = 1000000;

struct LargeDocuments {
    std::vector<uint8_t> plain;
    std::vector<uint8_t> packed;
    std::vector<uint8_t> narrow;  // page schema 22, narrow title and text
    std::filesystem::path packedFile;

    ~LargeDocuments() { std::filesystem::remove(packedFile); }
};

const LargeDocuments& Documents()
{
    static const LargeDocuments documents = [] {
        LargeDocuments made;
        {
            // The description of a million pages is large; drop it early.
            const kit::BookSpec book = bench::LargeBook(kPages);
            kit::DocumentOptions options;
            options.packed = false;
            made.plain = kit::WriteDocument(book, options);
            options.packed = true;
            made.packed = kit::WriteDocument(book, options);
        }
        {
            kit::DocumentOptions options;
            options.schemas.page = 22;
            made.narrow = kit::WriteDocument(bench::LargeBook(kPages, true), options);
        }
        made.packedFile = std::filesystem::temp_directory_path() / "vv_bench_large.vnb";
        std::ofstream(made.packedFile, std::ios::binary | std::ios::trunc)
            .write(reinterpret_cast<const char*>(made.packed.data()), static_cast<std::streamsize>(made.packed.size()));
        return made;
    }();
    return documents;
}

void Finish(benchmark::State& state, std::unique_ptr<model::CBook>& book, size_t documentSize)
{
    state.PauseTiming();
    if (!book || book->PageCount() != kPages)
        state.SkipWithError("the book did not load whole");
    book.reset();
    state.ResumeTiming();
    state.counters["document_bytes"] = static_cast<double>(documentSize);
}

// Arg 0: plain, 1: packed, 2: narrow page texts.
void BM_OpenMillionPages(benchmark::State& state)
{
    const LargeDocuments& documents = Documents();
    const std::vector<uint8_t>& document = *std::array{&documents.plain, &documents.packed, &documents.narrow}[state.range(0)];
    for (auto _ : state) {
        std::unique_ptr<model::CBook> book = bench::LoadFromMemory(document);
        Finish(state, book, document.size());
    }
}
BENCHMARK(BM_OpenMillionPages)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->Iterations(3);

// The way the viewer opens it: from the file, through the 4096-byte buffer.
void BM_OpenMillionPages_PackedFile(benchmark::State& state)
{
    const LargeDocuments& documents = Documents();
    for (auto _ : state) {
        auto book = std::make_unique<model::CBook>();
        if (!docfile::ReadDocument(documents.packedFile.u16string(), *book).loaded)
            state.SkipWithError("the document did not load");
        Finish(state, book, documents.packed.size());
    }
}
BENCHMARK(BM_OpenMillionPages_PackedFile)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
