// Writes the sample notebooks into the folder given as the only argument.
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
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_samples <output folder>\n");
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    const kit::BookSpec tour = kit::MakeTourBook();
    kit::DocumentOptions options;
    bool ok = WriteFile(folder / "tour.vnb", kit::WriteDocument(tour, options));
    options.password = kit::kTourPassword;
    ok = WriteFile(folder / "protected.vnb", kit::WriteDocument(tour, options)) && ok;
    if (!ok) std::fprintf(stderr, "make_samples: cannot write to %s\n", folder.string().c_str());
    return ok ? 0 : 1;
}
