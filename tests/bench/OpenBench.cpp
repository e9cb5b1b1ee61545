// Opening a document of 1,000,000 pages from its file, the way the viewer
// does: read every record and run the after-reading steps. Besides the time,
// each run reports the heap the open needed at its peak, counted by the
// replaced operator new, and what the loaded book keeps: the pages and their
// strings lie in blocks taken from the system, which only the resident size
// shows. Freeing the book afterwards is not timed.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <array>
#include <filesystem>
#include <fstream>

#include "opening/ReadDocument.h"
#include "tests/bench/BenchBooks.h"
#include "tests/kit/Document.h"
#include "tests/unit/CountingAllocator.h"

namespace {

constexpr uint32_t kPages = 1000000;
constexpr double kMegabyte = 1024.0 * 1024.0;

struct DocumentFile {
    std::filesystem::path path;
    size_t size = 0;
};

struct LargeDocuments {
    std::array<DocumentFile, 3> files;  // plain, packed, narrow page texts
    ~LargeDocuments()
    {
        for (const DocumentFile& file : files)
            std::filesystem::remove(file.path);
    }
};

DocumentFile WriteFile(const char* name, const std::vector<uint8_t>& bytes)
{
    DocumentFile file{std::filesystem::temp_directory_path() / name, bytes.size()};
    std::ofstream(file.path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return file;
}

const LargeDocuments& Documents()
{
    static const LargeDocuments documents = [] {
        LargeDocuments made;
        {
            // The description of a million pages is large; drop it early.
            const kit::BookSpec book = bench::LargeBook(kPages);
            made.files[0] = WriteFile("vv_bench_plain.vnb", kit::WriteDocument(book, {.packed = false}));
            made.files[1] = WriteFile("vv_bench_packed.vnb", kit::WriteDocument(book));
        }
        kit::DocumentOptions narrow;
        narrow.schemas.page = 22;  // narrow title and text, as older writers stored them
        made.files[2] = WriteFile("vv_bench_narrow.vnb", kit::WriteDocument(bench::LargeBook(kPages, true), narrow));
        return made;
    }();
    return documents;
}

size_t ResidentBytes()
{
    size_t pages = 0, resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return resident * static_cast<size_t>(sysconf(_SC_PAGESIZE));
}

// Arg 0: plain, 1: packed, 2: narrow page texts (packed).
void BM_OpenMillionPages(benchmark::State& state)
{
    const DocumentFile& file = Documents().files[static_cast<size_t>(state.range(0))];
    size_t peak = 0, kept = 0;
    for (auto _ : state) {
        const size_t residentBefore = ResidentBytes();
        counting_allocator::ResetPeak();
        auto book = std::make_unique<model::CBook>();
        const auto source = opening::OpenForReading(file.path);
        if (!source || !opening::ReadBook(*source, u"", *book).loaded || book->PageCount() != kPages)
            state.SkipWithError("the document did not load whole");
        state.PauseTiming();
        peak = counting_allocator::PeakBytesSinceReset();
        const size_t residentAfter = ResidentBytes();
        kept = residentAfter > residentBefore ? residentAfter - residentBefore : 0;
        book.reset();
        state.ResumeTiming();
    }
    state.counters["file_MB"] = static_cast<double>(file.size) / kMegabyte;
    state.counters["heap_peak_MB"] = static_cast<double>(peak) / kMegabyte;
    state.counters["book_MB"] = static_cast<double>(kept) / kMegabyte;
    state.counters["book_B/page"] = static_cast<double>(kept) / kPages;
}
BENCHMARK(BM_OpenMillionPages)
    ->ArgName("plain0_packed1_narrow2")
    ->Arg(0)
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

}  // namespace
