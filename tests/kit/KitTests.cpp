// Checks the JB01 encoder against a small decoder written here from the
// stream layout, so the kit's own output is not trusted blindly.
#include <gtest/gtest.h>

#include <optional>
#include <random>

#include "tests/kit/Jb01.h"

namespace {

struct Decoded {
    std::vector<uint8_t> bytes;
    size_t matches = 0;
    size_t overlapping = 0;  // distance < length
    uint32_t longestDistance = 0;
};

std::optional<Decoded> Decode(const std::vector<uint8_t>& in) {
    if (in.size() < 8 || in[0] != 'J' || in[1] != 'B' || in[2] != '0' || in[3] != '1') return std::nullopt;
    const uint32_t size = (uint32_t{in[4]} << 24) | (in[5] << 16) | (in[6] << 8) | in[7];
    size_t pos = 8;
    uint32_t unit = 0;
    int left = 0;
    auto bits = [&](int count) -> std::optional<uint32_t> {
        uint32_t value = 0;
        while (count-- > 0) {
            if (left == 0) {
                if (pos + 2 > in.size()) return std::nullopt;
                unit = (in[pos] << 8) | in[pos + 1];
                pos += 2;
                left = 16;
            }
            value = (value << 1) | ((unit >> --left) & 1);
        }
        return value;
    };
    Decoded out;
    while (out.bytes.size() < size) {
        const auto flag = bits(1);
        if (!flag) return std::nullopt;
        if (*flag == 0) {
            const auto literal = bits(8);
            if (!literal) return std::nullopt;
            out.bytes.push_back(static_cast<uint8_t>(*literal));
            continue;
        }
        const auto d = bits(13), l = bits(4);
        if (!d || !l) return std::nullopt;
        const size_t distance = *d + 3, length = *l + 3;
        if (distance > out.bytes.size() || out.bytes.size() + length > size) return std::nullopt;
        for (size_t i = 0; i < length; ++i) out.bytes.push_back(out.bytes[out.bytes.size() - distance]);
        ++out.matches;
        if (distance < length) ++out.overlapping;
        out.longestDistance = std::max(out.longestDistance, static_cast<uint32_t>(distance));
    }
    if (in.size() - pos > 1) return std::nullopt;  // whole stream used, nothing trailing
    return out;
}

std::vector<uint8_t> RandomBytes(size_t size, uint32_t seed, int alphabet = 256) {
    std::mt19937 rng(seed);
    std::vector<uint8_t> data(size);
    for (auto& b : data) b = static_cast<uint8_t>(rng() % alphabet);
    return data;
}

TEST(Jb01Encode, RoundTripsAssortedInputs) {
    std::vector<std::vector<uint8_t>> inputs = {
        {}, {'x'}, {'a', 'b'}, {'a', 'b', 'c'}, RandomBytes(1, 1), RandomBytes(5000, 2), RandomBytes(20000, 3, 4),
        RandomBytes(100000, 4, 2),
    };
    std::string text;
    for (int i = 0; i < 400; ++i) text += "line " + std::to_string(i % 37) + ": the quick brown fox\r\n";
    inputs.emplace_back(text.begin(), text.end());
    for (const auto& input : inputs) {
        const auto decoded = Decode(kit::Jb01Encode(input));
        ASSERT_TRUE(decoded) << "size " << input.size();
        EXPECT_EQ(decoded->bytes, input) << "size " << input.size();
    }
}

TEST(Jb01Encode, UsesLongOverlappingAndDistantMatches) {
    const std::vector<uint8_t> run(1000, 'a');
    const auto runStream = kit::Jb01Encode(run);
    const auto runDecoded = Decode(runStream);
    ASSERT_TRUE(runDecoded);
    EXPECT_EQ(runDecoded->bytes, run);
    EXPECT_GT(runDecoded->overlapping, 50u);
    EXPECT_LT(runStream.size(), 150u);  // 3 literals and ~56 maximal matches

    std::vector<uint8_t> pattern;
    for (int i = 0; i < 600; ++i) pattern.push_back("xyz"[i % 3]);
    const auto patternStream = kit::Jb01Encode(pattern);
    EXPECT_LT(patternStream.size(), 100u);
    EXPECT_EQ(Decode(patternStream)->bytes, pattern);

    // A random block repeated 8000 bytes later can only come from far back.
    auto block = RandomBytes(8000, 9);
    auto twice = block;
    twice.insert(twice.end(), block.begin(), block.end());
    const auto far = Decode(kit::Jb01Encode(twice));
    ASSERT_TRUE(far);
    EXPECT_EQ(far->bytes, twice);
    EXPECT_EQ(far->longestDistance, 8000u);
}

TEST(Jb01Writer, PacksTokensMostSignificantFirstInBigEndianUnits) {
    kit::Jb01Writer writer;
    writer.Literal('A');     // 0 01000001
    writer.Literal('B');     // 0 01000010
    writer.Literal('C');     // 0 01000011
    writer.Match(3, 18);     // 1 0000000000000 1111, crossing into the second unit
    const auto stream = writer.Finish(21);
    EXPECT_EQ(stream, (std::vector<uint8_t>{'J', 'B', '0', '1', 0, 0, 0, 21, 0x20, 0x90, 0x88, 0x70, 0x00, 0x78}));
    const auto decoded = Decode(stream);
    ASSERT_TRUE(decoded);
    EXPECT_EQ(std::string(decoded->bytes.begin(), decoded->bytes.end()), "ABCABCABCABCABCABCABC");

    // The largest fields are all ones; here the flag is the last bit of a unit.
    kit::Jb01Writer edge;
    edge.Bits(0, 15);
    edge.Match(8194, 18);
    EXPECT_EQ(edge.Finish(0), (std::vector<uint8_t>{'J', 'B', '0', '1', 0, 0, 0, 0, 0x00, 0x01, 0xFF, 0xFF, 0x80, 0x00}));
    EXPECT_THROW(edge.Match(2, 3), std::out_of_range);
    EXPECT_THROW(edge.Match(3, 19), std::out_of_range);
}

}  // namespace
