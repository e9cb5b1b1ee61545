// Writes the sample notebooks, with the tour's texts from the first folder
// given, into the second.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "tests/kit/Document.h"
#include "tests/kit/TourBook.h"

namespace {

bool WriteFile(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_samples <tour texts folder> <output folder>\n");
        return 2;
    }
    const std::filesystem::path folder = argv[2];
    kit::BookSpec tour;
    try {
        tour = kit::MakeTourBook(argv[1]);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "make_samples: %s\n", error.what());
        return 1;
    }
    kit::DocumentOptions options;
    bool ok = WriteFile(folder / "tour.vnb", kit::WriteDocument(tour, options));
    options.password = kit::kTourPassword;
    ok = WriteFile(folder / "protected.vnb", kit::WriteDocument(tour, options)) && ok;
    if (!ok) std::fprintf(stderr, "make_samples: cannot write to %s\n", folder.string().c_str());
    return ok ? 0 : 1;
}
