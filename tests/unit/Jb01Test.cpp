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

// Decoded step sizes and packed input pieces the decoder is run with: the
// smallest it allows, a few just around what three fast tokens take, and
// what documents are read with.
constexpr std::pair<size_t, size_t> kSteps[] = {
    {1, 16}, {17, 17}, {53, 23}, {54, 64}, {55, 4096}, {docfile::Jb01Source::kDefaultStep, docfile::Jb01Source::kDefaultInputStep}};

struct Outcome {
    Jb01Status status;
    Stream bytes;  // empty unless Ok
};

// Reads the whole stream through the decoder, `readSize` bytes at a time.
Outcome DecodeInSteps(const Stream& stream, size_t step, size_t inputStep, size_t readSize)
{
    docfile::MemorySource packed(stream.data(), stream.size());
    docfile::Jb01Source source(packed, stream.size(), step, inputStep);
    Stream out, buffer(readSize);
    for (size_t got; (got = source.Read(buffer.data(), readSize)) > 0;)
        out.insert(out.end(), buffer.begin(), buffer.begin() + static_cast<ptrdiff_t>(got));
    EXPECT_EQ(source.Remaining(), 0u) << "read to its end";
    return {source.Status(), source.Status() == Jb01Status::Ok ? out : Stream{}};
}

// The outcome every way of decoding gives, after checking that they all
// agree with the bit-at-a-time description.
Jb01Status DecodeEveryWay(const Stream& stream, Stream& out, const std::string& what)
{
    const Jb01Status expected = docfile::Jb01DecodeReference(stream.data(), stream.size(), out);
    for (const auto& [step, inputStep] : kSteps) {
        if (step == 1 && out.size() > 20000)
            continue;  // every step would move the whole reach
        for (size_t readSize : {size_t{1}, size_t{4096}}) {
            const Outcome got = DecodeInSteps(stream, step, inputStep, readSize);
            EXPECT_EQ(got.status, expected) << what << ", step " << step << "/" << inputStep << ", read " << readSize;
            EXPECT_TRUE(got.bytes == out) << what << ", step " << step << "/" << inputStep << ", read " << readSize;
        }
        docfile::MemorySource packed(stream.data(), stream.size());
        EXPECT_EQ(docfile::Jb01Source(packed, stream.size(), step, inputStep).Finish(), expected)
            << what << ", finished unread, step " << step;
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

// The window's worth of literals, then matches of every distance and
// length in turn up to `size` bytes: whatever the steps, many matches reach
// back across the point where a step began.
Stream FarMatches(uint32_t size)
{
    kit::Jb01Writer w;
    uint32_t written = 0;
    for (; written < kit::kJb01MaxDistance; ++written)
        w.Literal(static_cast<uint8_t>(written * 7 + written / 13));
    for (uint32_t i = 0; written + kit::kJb01MaxLength <= size; ++i) {
        const uint32_t length = kit::kJb01MinLength + i % 16;
        w.Match(kit::kJb01MaxDistance - (i * 997) % (kit::kJb01MaxDistance - 2), length);
        written += length;
    }
    for (; written < size; ++written)
        w.Literal(static_cast<uint8_t>(written));
    return w.Finish(size);
}

std::string Text(const Stream& bytes) { return {bytes.begin(), bytes.end()}; }

}  // namespace

TEST(Jb01, ValidStreamsDecode)
{
    std::string far;
    for (uint32_t i = 0; i < kit::kJb01MaxDistance; ++i)
        far += static_cast<char>((i * 7 + i / 13) & 0xFF);
    const auto none = [](kit::Jb01Writer&) {};
    // A literal is 9 bits: after 31 of them the next flag is a unit's last bit.
    const std::tuple<const char*, Stream, std::string> cases[] = {
        {"overlapping match", Tokens("abc", [](auto& w) { w.Match(3, 18); }, 21), "abcabcabcabcabcabcabc"},
        {"largest distance and length",
         Tokens(far, [](auto& w) { w.Match(kit::kJb01MaxDistance, kit::kJb01MaxLength); }, kit::kJb01MaxDistance + 18),
         far + far.substr(0, 18)},
        {"match across a unit boundary", Tokens(std::string(31, 'u'), [](auto& w) { w.Match(4, 5); }, 36),
         std::string(36, 'u')},
        {"bits past the claimed size", Tokens("xyz!", none, 3), "xyz"},
        {"half a unit after the last token", [&] { Stream s = Tokens("ab", none, 2); s.push_back(0x80); return s; }(), "ab"},
    };
    for (const auto& [what, stream, expected] : cases) {
        Stream out;
        EXPECT_EQ(DecodeEveryWay(stream, out, what), Jb01Status::Ok) << what;
        EXPECT_EQ(Text(out), expected) << what;
    }
}

TEST(Jb01, EachMalformedStreamNamesItsCause)
{
    const auto none = [](kit::Jb01Writer&) {};
    const std::string window(kit::kJb01MaxDistance - 1, 'w');
    const std::tuple<const char*, Stream, Jb01Status> cases[] = {
        {"shorter than a header", Stream{'J', 'B', '0', '1', 0, 0, 1}, Jb01Status::BadHeader},
        {"other magic", Header("JB02", 1, 2), Jb01Status::BadHeader},
        {"size zero", Header("JB01", 0, 2), Jb01Status::ZeroSize},
        // Five bytes after the header are two whole units: 32 bits.
        {"a byte per bit of whole units", Header("JB01", 32, 5), Jb01Status::InputEnds},
        {"one byte more", Header("JB01", 33, 5), Jb01Status::ClaimTooLarge},
        {"4 GB from 40 bytes", Header("JB01", 0xFFFFFFFF, 40), Jb01Status::ClaimTooLarge},
        {"tokens end early", Tokens("a", none, 2), Jb01Status::InputEnds},
        {"match fields cut", Tokens("abc", [](auto& w) { w.Bits(1, 1); }, 4), Jb01Status::InputEnds},
        {"match before the start", Tokens("ab", [](auto& w) { w.Match(3, 3); }, 5), Jb01Status::BeforeStart},
        {"farthest match one byte too far",
         Tokens(window, [](auto& w) { w.Match(kit::kJb01MaxDistance, 3); }, kit::kJb01MaxDistance + 2),
         Jb01Status::BeforeStart},
        {"match one byte past the size", Tokens("aaa", [](auto& w) { w.Match(3, 6); }, 8), Jb01Status::Overrun},
        {"long stream cut short", [] { Stream s = FarMatches(60000); s.resize(s.size() - 100); return s; }(),
         Jb01Status::InputEnds},
    };
    for (const auto& [what, stream, cause] : cases) {
        Stream out;
        EXPECT_EQ(DecodeEveryWay(stream, out, what), cause) << what;
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
        {"far matches", FarMatches(100000)},
        {"prose", kit::Jb01Encode(Stream(prose.begin(), prose.end()))},
    };
    for (const auto& entry : std::filesystem::directory_iterator(VV_JB01_CORPUS_DIR)) {
        std::ifstream file(entry.path(), std::ios::binary);
        streams.emplace_back(entry.path().filename().string(),
                             Stream(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()));
    }
    ASSERT_GT(streams.size(), 50u) << "the fuzz corpus is missing";
    size_t valid = 0;
    for (const auto& [what, stream] : streams) {
        Stream out;
        valid += DecodeEveryWay(stream, out, what) == Jb01Status::Ok;
    }
    EXPECT_GE(valid, 3u);
}
