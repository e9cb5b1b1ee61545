#include <string_view>

#include "tests/fuzz/Corpus.h"
#include "tests/kit/Jb01.h"

namespace fuzz {
namespace {

std::vector<uint8_t> Bytes(std::string_view text) { return {text.begin(), text.end()}; }

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
    kit::Jb01Writer run, early;
    run.Literal('a'), run.Literal('b'), run.Literal('c'), run.Match(3, 18);
    early.Literal('x'), early.Match(5, 3);  // reaches before the start
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
    seeds.push_back({"text", kit::Jb01Encode(Bytes(text))});
    seeds.push_back({"run", kit::Jb01Encode(std::vector<uint8_t>(5000, 'z'))});
    seeds.push_back({"short", kit::Jb01Encode(Bytes("abcabcabcabcabd"))});
    std::vector<uint8_t> noise(3000);
    uint32_t state = 12345;
    for (uint8_t& b : noise)
        b = static_cast<uint8_t>((state = state * 1103515245u + 12345u) >> 16);
    seeds.push_back({"noise", kit::Jb01Encode(noise)});
    for (Seed& crafted : CraftedStreams())
        seeds.push_back(std::move(crafted));
    return seeds;
}

}  // namespace fuzz
