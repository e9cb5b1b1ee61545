// `vnbview info` on a notebook of 1,010,101 pages (a root, 100 shelves of
// 100 folders of 100 pages), run as its own process the way a person runs
// it: its wall and processor time and the peak resident size the system
// reports for it, beside the document's size unpacked (a plain document)
// and packed.
#include <benchmark/benchmark.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "tests/bench/BenchBooks.h"
#include "tests/kit/Document.h"

namespace {

constexpr double kMegabyte = 1024.0 * 1024.0;

struct InfoDocument {
    std::filesystem::path path;
    size_t size = 0;
    ~InfoDocument() { std::filesystem::remove(path); }
};

// Arg 0: plain, 1: packed.
const InfoDocument& Document(int packed)
{
    static std::array<InfoDocument, 2> documents;
    InfoDocument& document = documents[static_cast<size_t>(packed)];
    if (document.size == 0) {
        const std::vector<uint8_t> bytes = kit::WriteDocument(bench::ShelfBook(100, 100, 100), {.packed = packed != 0});
        document.path = std::filesystem::temp_directory_path() / (packed ? "vv_bench_info_packed.vnb" : "vv_bench_info.vnb");
        std::ofstream(document.path, std::ios::binary | std::ios::trunc)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        document.size = bytes.size();
    }
    return document;
}

// Runs `vnbview info FILE` through vv_run_measured; false when it cannot be
// run or fails.
bool RunInfo(const std::filesystem::path& file, double& seconds, double& cpuSeconds, double& peakMegabytes)
{
    const std::string command = std::string(VV_RUN_MEASURED) + " " + VV_VNBVIEW + " info '" + file.string() + "'";
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return false;
    long peakKib = 0;
    const bool read = std::fscanf(pipe, "%lf %lf %ld", &seconds, &cpuSeconds, &peakKib) == 3;
    const int status = pclose(pipe);
    peakMegabytes = static_cast<double>(peakKib) * 1024.0 / kMegabyte;
    return read && status == 0;
}

void BM_VnbviewInfo(benchmark::State& state)
{
    const InfoDocument& document = Document(static_cast<int>(state.range(0)));
    const double unpacked = static_cast<double>(Document(0).size) / kMegabyte;
    double peak = 0, cpu = 0;
    for (auto _ : state) {
        double seconds = 0, cpuSeconds = 0;
        if (!RunInfo(document.path, seconds, cpuSeconds, peak))
            state.SkipWithError("vnbview info failed");
        state.SetIterationTime(seconds);
        cpu += cpuSeconds;
    }
    // The machine may be busy with other work: the processor time the
    // program took tells what it costs where it has a core to itself.
    state.counters["cpu_ms"] = cpu * 1000 / static_cast<double>(state.iterations());
    state.counters["file_MB"] = static_cast<double>(document.size) / kMegabyte;
    state.counters["unpacked_MB"] = unpacked;
    state.counters["peak_RSS_MB"] = peak;
    state.counters["RSS_over_unpacked_MB"] = peak - unpacked;
}
BENCHMARK(BM_VnbviewInfo)
    ->ArgName("packed")
    ->Arg(0)
    ->Arg(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

}  // namespace
