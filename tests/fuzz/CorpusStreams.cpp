#include <string_view>

#include "tests/fuzz/Corpus.h"
#include "tests/kit/Jb01.h"

namespace fuzz {
namespace {

std::vector<uint8_t> Bytes(std::string_view text) { return {text.begin(), text.end()}; }

std::vector<uint8_t> Encoded(const std::vector<uint8_t>& plain) { return kit::Jb01Encode(plain); }

// Literals up to `count`, then one match of every shape the format allows
// at the far end of the window.
std::vector<uint8_t> FarMatches()
{
    kit::Jb01Writer w;
    for (uint32_t i = 0; i < kit::kJb01MaxDistance; ++i)
        w.Literal(static_cast<uint8_t>(i * 7));
    w.Match(kit::kJb01MaxDistance, kit::kJb01MaxLength);
    w.Match(kit::kJb01MinDistance, kit::kJb01MaxLength);  // overlapping
    w.Match(kit::kJb01MinDistance, kit::kJb01MinLength);
    return w.Finish(kit::kJb01MaxDistance + 2 * kit::kJb01MaxLength + kit::kJb01MinLength);
}

// One stream per failure cause, each just short of or past its limit;
// the unit tests pin their causes, the fuzzer mutates them.
std::vector<Seed> CraftedStreams()
{
    kit::Jb01Writer run;
    for (char c : std::string_view("abc"))
        run.Literal(static_cast<uint8_t>(c));
    run.Match(3, 18);
    kit::Jb01Writer early;
    early.Literal('x');
    early.Match(5, 3);  // reaches before the start
    std::vector<uint8_t> odd = run.Finish(21);
    odd.push_back(0xAB);  // a trailing byte that is no whole unit
    return {{"overlap", run.Finish(21)},        {"claims-more", run.Finish(40)},
            {"claims-less", run.Finish(10)},    {"claims-huge", run.Finish(0xFFFFFFFF)},
            {"before-start", early.Finish(4)}, {"odd-tail", odd},
            {"far-matches", FarMatches()},      {"zero-size", Bytes(std::string_view("JB01\0\0\0\0\0\0", 10))}};
}

}  // namespace

std::vector<Seed> StreamSeeds()
{
    std::vector<Seed> seeds;
    const std::string prose =
        "The quick brown fox jumps over the lazy dog. Pack my box with five dozen liquor jugs. ";
    std::string text;
    for (int i = 0; i < 40; ++i)
        text += prose + std::to_string(i * 7919) + "\r\n";
    seeds.push_back({"text", Encoded(Bytes(text))});
    seeds.push_back({"run", Encoded(std::vector<uint8_t>(5000, 'z'))});
    seeds.push_back({"short", Encoded(Bytes("abcabcabcabcabd"))});
    std::vector<uint8_t> noise(3000);
    uint32_t state = 12345;
    for (uint8_t& b : noise) {
        state = state * 1103515245u + 12345u;
        b = static_cast<uint8_t>(state >> 16);
    }
    seeds.push_back({"noise", Encoded(noise)});
    for (Seed& crafted : CraftedStreams())
        seeds.push_back(std::move(crafted));
    return seeds;
}

}  // namespace fuzz
