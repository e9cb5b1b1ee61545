#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>

#include "docfile/Jb01Source.h"
#include "tests/kit/Jb01.h"

using docfile::Jb01Status;
using Stream = std::vector<uint8_t>;

namespace docfile {
void PrintTo(Jb01Status status, std::ostream* os) { *os << "Jb01Status " << static_cast<int>(status); }
}  // namespace docfile

namespace {

// Step, input step and read size the decoder is run with: the smallest
// steps it allows, some around what three fast tokens write, and what
// documents are read with.
constexpr size_t kSteps[][3] = {{1, 16, 1}, {17, 17, 4096}, {53, 23, 1}, {54, 64, 7}, {55, 4096, 4096},
                                {docfile::Jb01Source::kDefaultStep, docfile::Jb01Source::kDefaultInputStep, 4096}};

// Decodes with the bit-at-a-time reference, then insists that the decoder,
// read to its end in pieces of every size or just finished, agrees with it.
Jb01Status DecodeEveryWay(const Stream& stream, Stream& out, const std::string& what)
{
    const Jb01Status expected = docfile::Jb01DecodeReference(stream.data(), stream.size(), out);
    for (const auto& [step, inputStep, readSize] : kSteps) {
        if (step == 1 && out.size() > 20000)
            continue;  // every step would move the whole reach
        docfile::MemorySource packed(stream.data(), stream.size()), again(stream.data(), stream.size());
        docfile::Jb01Source source(packed, stream.size(), step, inputStep);
        Stream got, buffer(readSize);
        for (size_t n; (n = source.Read(buffer.data(), readSize)) > 0;)
            got.insert(got.end(), buffer.begin(), buffer.begin() + static_cast<ptrdiff_t>(n));
        const std::string how = what + ", steps " + std::to_string(step) + "/" + std::to_string(inputStep);
        EXPECT_EQ(source.Status(), expected) << how;
        EXPECT_TRUE(expected != Jb01Status::Ok || got == out) << how;
        EXPECT_EQ(source.Remaining(), 0u) << how;
        EXPECT_EQ(docfile::Jb01Source(again, stream.size(), step, inputStep).Finish(), expected) << how;
    }
    return expected;
}

// Literals of `text`, then whatever `more` writes, claiming `size` bytes.
Stream Tokens(std::string_view text, const std::function<void(kit::Jb01Writer&)>& more, uint32_t size)
{
    kit::Jb01Writer w;
    for (char c : text)
        w.Literal(static_cast<uint8_t>(c));
    more(w);
    return w.Finish(size);
}

Stream Header(const char* magic, uint32_t size, size_t unitBytes)
{
    Stream s(magic, magic + 4);
    for (int shift = 24; shift >= 0; shift -= 8)
        s.push_back(static_cast<uint8_t>(size >> shift));
    s.resize(s.size() + unitBytes, 0);
    return s;
}

// The window's worth of literals, then matches of every length and many
// distances up to `size` bytes: whatever the steps, matches reach back
// across the point where a step began.
Stream FarMatches(uint32_t size)
{
    kit::Jb01Writer w;
    uint32_t written = 0;
    for (; written < kit::kJb01MaxDistance; ++written)
        w.Literal(static_cast<uint8_t>(written * 7 + written / 13));
    for (uint32_t i = 0; written + kit::kJb01MaxLength <= size; ++i) {
        w.Match(kit::kJb01MaxDistance - (i * 997) % (kit::kJb01MaxDistance - 2), 3 + i % 16);
        written += 3 + i % 16;
    }
    for (; written < size; ++written)
        w.Literal(static_cast<uint8_t>(written));
    return w.Finish(size);
}

}  // namespace

// Crafted streams: the bytes of a valid one, the exact cause of a broken one.
TEST(Jb01, EachStreamGivesItsBytesOrNamesItsCause)
{
    using enum Jb01Status;
    std::string far;
    for (uint32_t i = 0; i < kit::kJb01MaxDistance; ++i)
        far += static_cast<char>((i * 7 + i / 13) & 0xFF);
    const auto none = [](kit::Jb01Writer&) {};
    const auto farthest = [](auto& w) { w.Match(kit::kJb01MaxDistance, kit::kJb01MaxLength); };
    // A literal is 9 bits: after 31 of them the next flag is a unit's last bit.
    const std::tuple<const char*, Stream, Jb01Status, std::string> cases[] = {
        {"overlapping match", Tokens("abc", [](auto& w) { w.Match(3, 18); }, 21), Ok, "abcabcabcabcabcabcabc"},
        {"largest distance and length", Tokens(far, farthest, 8212), Ok, far + far.substr(0, 18)},
        {"match across a unit boundary", Tokens(std::string(31, 'u'), [](auto& w) { w.Match(4, 5); }, 36), Ok,
         std::string(36, 'u')},
        {"bits past the claimed size", Tokens("xyz!", none, 3), Ok, "xyz"},
        {"half a unit after the last token", [&] { Stream s = Tokens("ab", none, 2); s.push_back(0x80); return s; }(),
         Ok, "ab"},
        {"shorter than a header", Stream{'J', 'B', '0', '1', 0, 0, 1}, BadHeader, ""},
        {"other magic", Header("JB02", 1, 2), BadHeader, ""},
        {"size zero", Header("JB01", 0, 2), ZeroSize, ""},
        // Five bytes after the header are two whole units: 32 bits.
        {"a byte per bit of whole units", Header("JB01", 32, 5), InputEnds, ""},
        {"one byte more", Header("JB01", 33, 5), ClaimTooLarge, ""},
        {"4 GB from 40 bytes", Header("JB01", 0xFFFFFFFF, 40), ClaimTooLarge, ""},
        {"tokens end early", Tokens("a", none, 2), InputEnds, ""},
        {"an odd byte after the units is no input", [&] { Stream s = Tokens("a", none, 2); s.push_back(0xFF); return s; }(),
         InputEnds, ""},
        {"match fields cut", Tokens("abc", [](auto& w) { w.Bits(1, 1); }, 4), InputEnds, ""},
        {"match before the start", Tokens("ab", [](auto& w) { w.Match(3, 3); }, 5), BeforeStart, ""},
        {"farthest match one byte too far", Tokens(far.substr(1), farthest, 8211), BeforeStart, ""},
        {"match one byte past the size", Tokens("aaa", [](auto& w) { w.Match(3, 6); }, 8), Overrun, ""},
        {"long stream cut short", [] { Stream s = FarMatches(60000); s.resize(s.size() - 100); return s; }(), InputEnds,
         ""},
    };
    for (const auto& [what, stream, cause, expected] : cases) {
        Stream out;
        EXPECT_EQ(DecodeEveryWay(stream, out, what), cause) << what;
        EXPECT_EQ(std::string(out.begin(), out.end()), expected) << what;
    }
}

// Streams longer than a step, and every input the fuzzer kept: decoding in
// pieces gives exactly what decoding the whole gives, bytes and cause.
TEST(Jb01, DecodingInPiecesAgreesWithTheWholeOnEveryStream)
{
    std::string prose;
    for (int i = 0; prose.size() < 100000; ++i)
        prose += "Notes of meeting " + std::to_string(i * 7919 % 1000) + ": the budget, the schedule, the draft.\r\n";
    std::vector<std::pair<std::string, Stream>> streams = {
        {"far matches", FarMatches(100000)}, {"prose", kit::Jb01Encode(Stream(prose.begin(), prose.end()))}};
    for (const auto& entry : std::filesystem::directory_iterator(VV_JB01_CORPUS_DIR)) {
        std::ifstream file(entry.path(), std::ios::binary);
        streams.emplace_back(entry.path().filename().string(), Stream(std::istreambuf_iterator<char>(file), {}));
    }
    ASSERT_GT(streams.size(), 50u) << "the fuzz corpus is missing";
    size_t valid = 0;
    for (const auto& [what, stream] : streams) {
        Stream out;
        valid += DecodeEveryWay(stream, out, what) == Jb01Status::Ok;
    }
    EXPECT_GE(valid, 3u);
}
