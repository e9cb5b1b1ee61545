// Writes the fuzz seed corpus: <folder>/load (documents and truncations of
// them) and <folder>/jb01 (JB01 streams).
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "tests/fuzz/Corpus.h"

namespace {

bool WriteSeed(const std::filesystem::path& path, const std::vector<uint8_t>& bytes, size_t length)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(length));
    return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_fuzz_corpus <output folder>\n");
        return 2;
    }
    const std::filesystem::path root = argv[1], load = root / "load", jb01 = root / "jb01";
    std::filesystem::create_directories(load), std::filesystem::create_directories(jb01);
    bool ok = true;
    for (const fuzz::Seed& seed : fuzz::DocumentSeeds()) {
        const size_t size = seed.bytes.size();
        ok = WriteSeed(load / (seed.name + ".vnb"), seed.bytes, size) && ok;
        // Every short prefix, then ever sparser ones, then the last few bytes missing.
        for (size_t n = 0; n < size; n += n < 48 ? 1 : n / 4)
            ok = WriteSeed(load / (seed.name + ".cut" + std::to_string(n)), seed.bytes, n) && ok;
        for (size_t missing = 1; missing <= 8 && size >= 48 + missing; ++missing)
            ok = WriteSeed(load / (seed.name + ".cut" + std::to_string(size - missing)), seed.bytes, size - missing) && ok;
    }
    for (const fuzz::Seed& seed : fuzz::StreamSeeds())
        ok = WriteSeed(jb01 / (seed.name + ".jb01"), seed.bytes, seed.bytes.size()) && ok;
    if (!ok)
        std::fprintf(stderr, "make_fuzz_corpus: cannot write to %s\n", root.string().c_str());
    return ok ? 0 : 1;
}
