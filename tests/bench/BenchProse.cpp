#include "tests/bench/BenchProse.h"

#include <array>

namespace bench {
namespace {

constexpr std::array<const char16_t*, 48> kWords = {
    u"the", u"meeting", u"notes", u"project", u"and", u"of", u"to", u"budget", u"review", u"draft",
    u"in", u"for", u"with", u"schedule", u"client", u"report", u"a", u"is", u"on", u"next",
    u"week", u"Monday", u"team", u"ideas", u"list", u"recipe", u"garden", u"travel", u"book", u"reading",
    u"call", u"Ada", u"invoice", u"design", u"question", u"answer", u"because", u"should", u"could", u"later",
    u"caf\u00e9", u"d\u00e9j\u00e0", u"version", u"update", u"before", u"after", u"todo", u"done"};

}  // namespace

uint32_t Prose::Next(uint32_t bound)
{
    state_ = state_ * 1664525u + 1013904223u;
    return (state_ >> 8) % bound;
}

std::u16string Prose::Word() { return kWords[Next(static_cast<uint32_t>(kWords.size()))]; }

std::u16string Prose::Text(size_t length)
{
    std::u16string text;
    while (text.size() < length) {
        std::u16string sentence = Word();
        sentence[0] = static_cast<char16_t>(sentence[0] >= u'a' && sentence[0] <= u'z' ? sentence[0] - 32 : sentence[0]);
        for (uint32_t words = 4 + Next(10); words > 0; --words) {
            sentence += u' ';
            sentence += Next(12) == 0 ? std::u16string(1, static_cast<char16_t>(u'0' + Next(10))) + u"0" : Word();
        }
        text += sentence + (Next(5) == 0 ? u".\r\n" : u". ");
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
