// Writes the fuzz seed corpus: <folder>/load (documents and truncations of
// them) and <folder>/jb01 (JB01 streams).
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "tests/fuzz/Corpus.h"

namespace {

bool WriteSeed(const std::filesystem::path& folder, const std::string& name, const std::vector<uint8_t>& bytes)
{
    std::ofstream out(folder / name, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_fuzz_corpus <output folder>\n");
        return 2;
    }
    const std::filesystem::path root = argv[1];
    const std::filesystem::path load = root / "load";
    const std::filesystem::path jb01 = root / "jb01";
    std::filesystem::create_directories(load);
    std::filesystem::create_directories(jb01);

    bool ok = true;
    size_t documents = 0, truncations = 0, streams = 0;
    for (const fuzz::Seed& seed : fuzz::DocumentSeeds()) {
        ok = WriteSeed(load, seed.name + ".vnb", seed.bytes) && ok;
        ++documents;
        for (size_t length : fuzz::TruncationLengths(seed.bytes.size())) {
            const std::vector<uint8_t> prefix(seed.bytes.begin(), seed.bytes.begin() + static_cast<std::ptrdiff_t>(length));
            ok = WriteSeed(load, seed.name + ".cut" + std::to_string(length), prefix) && ok;
            ++truncations;
        }
    }
    for (const fuzz::Seed& seed : fuzz::StreamSeeds()) {
        ok = WriteSeed(jb01, seed.name + ".jb01", seed.bytes) && ok;
        ++streams;
    }
    if (!ok) {
        std::fprintf(stderr, "make_fuzz_corpus: cannot write to %s\n", root.string().c_str());
        return 1;
    }
    std::printf("make_fuzz_corpus: %zu documents, %zu truncations, %zu JB01 streams\n", documents, truncations, streams);
    return 0;
}
