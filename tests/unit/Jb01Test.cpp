#include <gtest/gtest.h>

#include <random>
#include <string>

#include "docfile/Jb01.h"
#include "tests/kit/Jb01.h"

using docfile::Jb01Decode;
using docfile::Jb01DecodeReference;
using docfile::Jb01ReadHeader;

namespace {

struct Decoded {
    bool ok;
    std::vector<uint8_t> bytes;
};

// Decodes with both decoders and insists they agree.
Decoded DecodeBoth(const std::vector<uint8_t>& stream)
{
    Decoded fast, reference;
    fast.ok = Jb01Decode(stream.data(), stream.size(), fast.bytes);
    reference.ok = Jb01DecodeReference(stream.data(), stream.size(), reference.bytes);
    EXPECT_EQ(fast.ok, reference.ok);
    if (fast.ok && reference.ok) {
        EXPECT_EQ(fast.bytes, reference.bytes);
    }
    return fast;
}

std::string AsText(const Decoded& d) { return std::string(d.bytes.begin(), d.bytes.end()); }

std::vector<uint8_t> Bytes(const std::string& s) { return std::vector<uint8_t>(s.begin(), s.end()); }

}  // namespace

TEST(Jb01, HeaderNamesTheSizeBigEndian)
{
    const uint8_t header[] = {'J', 'B', '0', '1', 0x01, 0x02, 0x03, 0x04};
    EXPECT_EQ(Jb01ReadHeader(header, 8), 0x01020304u);
    EXPECT_EQ(Jb01ReadHeader(header, 7), 0u);
    const uint8_t other[] = {'J', 'B', '0', '2', 0, 0, 0, 1};
    EXPECT_EQ(Jb01ReadHeader(other, 8), 0u);
}

TEST(Jb01, LiteralsAndOverlappingMatches)
{
    kit::Jb01Writer w;
    for (char c : std::string("abc"))
        w.Literal(static_cast<uint8_t>(c));
    w.Match(3, 18);
    EXPECT_EQ(AsText(DecodeBoth(w.Finish(21))), std::string("abc") + "abcabcabcabcabcabc");
}

TEST(Jb01, LargestDistanceAndLength)
{
    std::string expected;
    kit::Jb01Writer w;
    for (int i = 0; i < 8194; ++i) {
        const auto b = static_cast<uint8_t>((i * 7 + i / 13) & 0xFF);
        expected += static_cast<char>(b);
        w.Literal(b);
    }
    w.Bits(1, 1);
    w.Bits(0x1FFF, 13);  // distance 8194
    w.Bits(0xF, 4);      // length 18
    expected += expected.substr(0, 18);
    EXPECT_EQ(AsText(DecodeBoth(w.Finish(static_cast<uint32_t>(expected.size())))), expected);
}

TEST(Jb01, FieldsSpanUnitBoundaries)
{
    // Each literal is 9 bits, so the 16-bit units split flags and fields at
    // every possible offset over 16 literals; a match follows at an odd offset.
    kit::Jb01Writer w;
    std::string expected;
    for (int i = 0; i < 16; ++i) {
        w.Literal(static_cast<uint8_t>('A' + i));
        expected += static_cast<char>('A' + i);
    }
    for (int shift = 0; shift < 16; ++shift) {
        if (w.BitCount() % 16 == 15)
            break;
        w.Literal('z');
        expected += 'z';
    }
    ASSERT_EQ(w.BitCount() % 16, 15u);  // the next flag is the unit's last bit
    w.Match(4, 5);
    expected += expected.substr(expected.size() - 4, 4) + expected.substr(expected.size() - 4, 1);
    EXPECT_EQ(AsText(DecodeBoth(w.Finish(static_cast<uint32_t>(expected.size())))), expected);
}

TEST(Jb01, StopsAtTheClaimedSizeWhateverBitsRemain)
{
    kit::Jb01Writer w;
    w.Literal('x');
    w.Literal('y');
    w.Literal('z');
    w.Literal('!');  // beyond the claimed three bytes: never read
    EXPECT_EQ(AsText(DecodeBoth(w.Finish(3))), "xyz");
}

TEST(Jb01, InvalidStreamsFailInBothDecoders)
{
    struct Case {
        const char* what;
        std::function<std::vector<uint8_t>()> make;
    } cases[] = {
        {"no header", [] { return Bytes("JB0"); }},
        {"wrong magic", [] { return Bytes("XB01\0\0\0\1\0\0"); }},
        {"size zero", [] { return Bytes(std::string("JB01\0\0\0\0", 8)); }},
        {"match before start", [] { kit::Jb01Writer w; w.Literal('a'); w.Literal('b'); w.Match(3, 3); return w.Finish(5); }},
        {"literal beyond size", [] { kit::Jb01Writer w; w.Literal('a'); w.Literal('b'); return w.Finish(1) ; }},
        {"match beyond size", [] { kit::Jb01Writer w; for (int i = 0; i < 3; ++i) w.Literal('a'); w.Match(3, 10); return w.Finish(8); }},
        {"input ends", [] { kit::Jb01Writer w; w.Literal('a'); return w.Finish(2); }},
        {"half a unit", [] { kit::Jb01Writer w; w.Literal('a'); auto s = w.Finish(2); s.push_back(0x00); return s; }},
        {"size beyond any input", [] { auto s = Bytes(std::string("JB01\xFF\xFF\xFF\xFF", 8)); s.resize(40, 0); return s; }},
    };
    for (const Case& c : cases) {
        const std::vector<uint8_t> stream = c.make();
        const Decoded d = DecodeBoth(stream);
        if (std::string(c.what) == "literal beyond size")
            EXPECT_TRUE(d.ok) << "a stream may hold bits past its last token";
        else
            EXPECT_FALSE(d.ok) << c.what;
    }
}

TEST(Jb01, FastAndReferenceDecodersAgreeOnEncodedAndMutatedStreams)
{
    std::mt19937 random(1234);
    for (int round = 0; round < 300; ++round) {
        std::vector<uint8_t> data(random() % 3000);
        const int alphabet = 1 + static_cast<int>(random() % 20);
        for (auto& b : data)
            b = static_cast<uint8_t>(random() % alphabet);
        std::vector<uint8_t> stream = kit::Jb01Encode(data);
        const Decoded clean = DecodeBoth(stream);
        if (!data.empty()) {
            EXPECT_TRUE(clean.ok);
            EXPECT_EQ(clean.bytes, data);
        }
        // Flip bits and cut the end: both decoders must still agree.
        for (int flips = 0; flips < 4 && stream.size() > 8; ++flips)
            stream[8 + random() % (stream.size() - 8)] ^= static_cast<uint8_t>(1u << (random() % 8));
        DecodeBoth(stream);
        stream.resize(stream.size() - std::min<size_t>(stream.size(), random() % 5));
        DecodeBoth(stream);
    }
}
