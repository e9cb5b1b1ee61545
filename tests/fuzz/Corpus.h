#pragma once
// Seed inputs for the fuzz targets, written by make_fuzz_corpus.
#include <cstdint>
#include <string>
#include <vector>

namespace fuzz {

struct Seed {
    std::string name;  // file name, unique within its target's folder
    std::vector<uint8_t> bytes;
};

// Whole documents of every book and page schema, packed and unpacked,
// protected, with icons, legend, attachments, cycles and deep chains.
std::vector<Seed> DocumentSeeds();

// JB01 streams: encoded texts and runs, and crafted valid and invalid ones.
std::vector<Seed> StreamSeeds();

}  // namespace fuzz
