#include "tests/bench/BenchProse.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace bench {
namespace {

constexpr std::array<const char16_t*, 48> kWords = {
    u"the", u"meeting", u"notes", u"project", u"and", u"of", u"to", u"budget", u"review", u"draft",
    u"in", u"for", u"with", u"schedule", u"client", u"report", u"a", u"is", u"on", u"next",
    u"week", u"Monday", u"team", u"ideas", u"list", u"recipe", u"garden", u"travel", u"book", u"reading",
    u"call", u"Ada", u"invoice", u"design", u"question", u"answer", u"because", u"should", u"could", u"later",
    u"caf\u00e9", u"d\u00e9j\u00e0", u"version", u"update", u"before", u"after", u"todo", u"done"};

// Letters about as often as in English prose, a few accented ones among them.
constexpr char16_t kLetters[] = u"eeeeeeeeeeeetttttttttaaaaaaaaooooooooiiiiiiinnnnnnnsssssshhhhhhrrrrrrddddllllcccuuummwwffggyyppbbvk\u00e9\u00e8\u00fcjxqz";

}  // namespace

Prose::Prose(uint32_t seed, uint32_t vocabulary) : state_(seed)
{
    vocabulary_.reserve(vocabulary);
    for (uint32_t i = 0; i < vocabulary; ++i) {
        // Common words are short; the rare ones are longer.
        std::u16string word;
        for (uint32_t letters = 1 + Next(3) + (i > 50) + (i > 500) + Next(i > 2000 ? 6 : 3); letters > 0; --letters)
            word += kLetters[Next(static_cast<uint32_t>(std::size(kLetters) - 1))];
        vocabulary_.push_back(std::move(word));
    }
}

uint32_t Prose::Next(uint32_t bound)
{
    state_ = state_ * 1664525u + 1013904223u;
    return (state_ >> 8) % bound;
}

std::u16string Prose::Word()
{
    if (vocabulary_.empty())
        return kWords[Next(static_cast<uint32_t>(kWords.size()))];
    // Rank r about as often as 1/r: uniform in the logarithm of the rank.
    const double where = Next(1u << 20) / double(1u << 20);
    const auto rank = static_cast<size_t>(std::exp(where * std::log(double(vocabulary_.size())))) - 1;
    return vocabulary_[std::min(rank, vocabulary_.size() - 1)];
}

std::u16string Prose::Text(size_t length)
{
    std::u16string text;
    while (text.size() < length) {
        std::u16string sentence = Word();
        sentence[0] = static_cast<char16_t>(sentence[0] >= u'a' && sentence[0] <= u'z' ? sentence[0] - 32 : sentence[0]);
        for (uint32_t words = 4 + Next(10); words > 0; --words) {
            sentence += u' ';
            // Natural text repeats phrases, not only words.
            if (!recent_.empty() && Next(6) == 0) {
                const std::u16string& earlier = recent_[Next(static_cast<uint32_t>(recent_.size()))];
                const size_t from = earlier.find(u' ', Next(static_cast<uint32_t>(earlier.size())));
                if (from != std::u16string::npos)
                    sentence += earlier.substr(from + 1, 10 + Next(30));
                continue;
            }
            sentence += Next(12) == 0 ? std::u16string(1, static_cast<char16_t>(u'0' + Next(10))) + u"0" : Word();
        }
        text += sentence + (Next(5) == 0 ? u".\r\n" : u". ");
        if (!vocabulary_.empty()) {
            if (recent_.size() < 64)
                recent_.push_back(std::move(sentence));
            else
                recent_[Next(64)] = std::move(sentence);
        }
    }
    return text;
}

std::u16string Prose::Title()
{
    std::u16string title = Next(8) == 0 ? u"  " : u"";
    title += Word();
    for (uint32_t words = Next(3); words > 0; --words)
        title += u' ' + Word();
    if (title[0] >= u'a' && title[0] <= u'z' && Next(2) == 0)
        title[0] = static_cast<char16_t>(title[0] - 32);
    return title;
}

}  // namespace bench
