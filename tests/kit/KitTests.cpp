// The JB01 encoder and token writer, checked with the product's reference
// decoder so the kit's output is not trusted blindly.
#include <gtest/gtest.h>

#include <random>

#include "docfile/Jb01.h"
#include "tests/kit/Jb01.h"

namespace {

using Bytes = std::vector<uint8_t>;

Bytes Decoded(const Bytes& stream)
{
    Bytes out;
    EXPECT_EQ(docfile::Jb01DecodeReference(stream.data(), stream.size(), out), docfile::Jb01Status::Ok);
    return out;
}

Bytes RandomBytes(size_t size, uint32_t seed, int alphabet = 256)
{
    std::mt19937 rng(seed);
    Bytes data(size);
    for (auto& b : data)
        b = static_cast<uint8_t>(rng() % alphabet);
    return data;
}

TEST(Jb01Encode, RoundTripsAndUsesLongOverlappingAndDistantMatches)
{
    std::string text;
    for (int i = 0; i < 400; ++i)
        text += "line " + std::to_string(i % 37) + ": the quick brown fox\r\n";
    for (const Bytes& input : {Bytes{'x'}, Bytes{'a', 'b'}, Bytes{'a', 'b', 'c'}, RandomBytes(5000, 2),
                               RandomBytes(20000, 3, 4), RandomBytes(100000, 4, 2), Bytes(text.begin(), text.end())})
        EXPECT_EQ(Decoded(kit::Jb01Encode(input)), input) << "size " << input.size();
    EXPECT_EQ(kit::Jb01Encode(Bytes{}), (Bytes{'J', 'B', '0', '1', 0, 0, 0, 0}));

    // 3 literals and ~56 maximal overlapping matches; a pattern of three.
    const Bytes run(1000, 'a');
    Bytes pattern;
    for (int i = 0; i < 600; ++i)
        pattern.push_back("xyz"[i % 3]);
    EXPECT_LT(kit::Jb01Encode(run).size(), 150u);
    EXPECT_LT(kit::Jb01Encode(pattern).size(), 100u);
    EXPECT_EQ(Decoded(kit::Jb01Encode(run)), run);
    EXPECT_EQ(Decoded(kit::Jb01Encode(pattern)), pattern);
    // A random block repeated 8000 bytes later can only come from far back.
    const Bytes block = RandomBytes(8000, 9);
    Bytes twice = block;
    twice.insert(twice.end(), block.begin(), block.end());
    const Bytes far = kit::Jb01Encode(twice);
    EXPECT_LT(far.size(), 11000u) << "literals alone take 18000";
    EXPECT_EQ(Decoded(far), twice);
}

TEST(Jb01Writer, PacksTokensMostSignificantFirstInBigEndianUnits)
{
    kit::Jb01Writer writer;
    writer.Literal('A');  // 0 01000001
    writer.Literal('B');  // 0 01000010
    writer.Literal('C');  // 0 01000011
    writer.Match(3, 18);  // 1 0000000000000 1111, crossing into the second unit
    const Bytes stream = writer.Finish(21);
    EXPECT_EQ(stream, (Bytes{'J', 'B', '0', '1', 0, 0, 0, 21, 0x20, 0x90, 0x88, 0x70, 0x00, 0x78}));
    const Bytes decoded = Decoded(stream);
    EXPECT_EQ(std::string(decoded.begin(), decoded.end()), "ABCABCABCABCABCABCABC");

    // The largest fields are all ones; here the flag is the last bit of a unit.
    kit::Jb01Writer edge;
    edge.Bits(0, 15);
    edge.Match(8194, 18);
    EXPECT_EQ(edge.Finish(0), (Bytes{'J', 'B', '0', '1', 0, 0, 0, 0, 0x00, 0x01, 0xFF, 0xFF, 0x80, 0x00}));
    EXPECT_THROW(edge.Match(2, 3), std::out_of_range);
    EXPECT_THROW(edge.Match(3, 19), std::out_of_range);
}

}  // namespace
