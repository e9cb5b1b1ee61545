#pragma once
// Deterministic text that looks like what people keep in notebooks, so the
// compressors see realistic repetition rather than noise or runs.
#include <cstdint>
#include <string>
#include <vector>

namespace bench {

class Prose {
public:
    // Words from a list of 48 common ones: text that packs well.
    explicit Prose(uint32_t seed) : state_(seed) {}
    // Words from a made-up vocabulary of `vocabulary` words, a few of them
    // common and most rare, as in natural text: it packs about as well as
    // what people write.
    Prose(uint32_t seed, uint32_t vocabulary);

    uint32_t Next(uint32_t bound);
    std::u16string Word();
    // Sentences until at least `length` characters, paragraphs split by CR LF.
    std::u16string Text(size_t length);
    // A few words, the first capitalised, sometimes with leading spaces.
    std::u16string Title();

private:
    uint32_t state_;
    std::vector<std::u16string> vocabulary_;
    std::vector<std::u16string> recent_;  // sentences whose phrases come again
};

}  // namespace bench
