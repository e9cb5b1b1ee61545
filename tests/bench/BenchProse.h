#pragma once
// Deterministic text that looks like what people keep in notebooks, so the
// compressors see realistic repetition rather than noise or runs.
#include <cstdint>
#include <string>

namespace bench {

class Prose {
public:
    explicit Prose(uint32_t seed) : state_(seed) {}

    uint32_t Next(uint32_t bound);
    std::u16string Word();
    // Sentences until at least `length` characters, paragraphs split by CR LF.
    std::u16string Text(size_t length);
    // A few words, the first capitalised, sometimes with leading spaces.
    std::u16string Title();

private:
    uint32_t state_;
};

}  // namespace bench
