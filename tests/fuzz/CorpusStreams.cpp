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

struct Crafted {
    const char* name;
    std::vector<uint8_t> bytes;
};

std::vector<Crafted> CraftedStreams()
{
    std::vector<Crafted> out;
    kit::Jb01Writer shortRun;
    for (char c : std::string_view("abc"))
        shortRun.Literal(static_cast<uint8_t>(c));
    shortRun.Match(3, 18);
    out.push_back({"overlap", shortRun.Finish(21)});
    out.push_back({"claims-more", shortRun.Finish(40)});
    out.push_back({"claims-less", shortRun.Finish(10)});
    out.push_back({"claims-huge", shortRun.Finish(0xFFFFFFFF)});
    kit::Jb01Writer early;
    early.Literal('x');
    early.Match(5, 3);  // reaches before the start
    out.push_back({"before-start", early.Finish(4)});
    kit::Jb01Writer oddUnit;
    for (int i = 0; i < 5; ++i)
        oddUnit.Literal(static_cast<uint8_t>('0' + i));
    std::vector<uint8_t> odd = oddUnit.Finish(5);
    odd.push_back(0xAB);  // a trailing byte that is no whole unit
    out.push_back({"odd-tail", odd});
    kit::Jb01Writer split;
    split.Bits(0, 7);  // fields that straddle unit boundaries
    split.Literal('q');
    split.Match(3, 3);
    out.push_back({"unaligned", split.Finish(5)});
    out.push_back({"far-matches", FarMatches()});
    out.push_back({"header-only", Bytes("JB01\0\0\0\1")});
    out.push_back({"zero-size", Bytes(std::string_view("JB01\0\0\0\0\0\0", 10))});
    return out;
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
    std::vector<uint8_t> wide;
    for (char c : text.substr(0, 2000)) {
        wide.push_back(static_cast<uint8_t>(c));
        wide.push_back(0);
    }
    seeds.push_back({"utf16", Encoded(wide)});
    std::vector<uint8_t> noise(3000);
    uint32_t state = 12345;
    for (uint8_t& b : noise) {
        state = state * 1103515245u + 12345u;
        b = static_cast<uint8_t>(state >> 16);
    }
    seeds.push_back({"noise", Encoded(noise)});
    for (Crafted& crafted : CraftedStreams())
        seeds.push_back({crafted.name, std::move(crafted.bytes)});
    return seeds;
}

}  // namespace fuzz
