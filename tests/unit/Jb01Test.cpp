#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "docfile/Jb01.h"
#include "tests/kit/Jb01.h"

using docfile::Jb01Status;
using Stream = std::vector<uint8_t>;

namespace docfile {
void PrintTo(Jb01Status status, std::ostream* os) { *os << "Jb01Status " << static_cast<int>(status); }
}  // namespace docfile

namespace {

// Decodes with both decoders, insisting they agree on the outcome and bytes.
Jb01Status DecodeBoth(const Stream& stream, Stream& out)
{
    Stream reference;
    const Jb01Status fast = docfile::Jb01Decode(stream.data(), stream.size(), out);
    EXPECT_EQ(docfile::Jb01DecodeReference(stream.data(), stream.size(), reference), fast);
    EXPECT_EQ(reference, out);
    EXPECT_TRUE(fast == Jb01Status::Ok || out.empty()) << "a failed decode leaves nothing behind";
    return fast;
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
        EXPECT_EQ(DecodeBoth(stream, out), Jb01Status::Ok) << what;
        EXPECT_EQ(std::string(out.begin(), out.end()), expected) << what;
    }
}

TEST(Jb01, EachMalformedStreamNamesItsCause)
{
    const auto none = [](kit::Jb01Writer&) {};
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
        {"match past the size", Tokens("aaa", [](auto& w) { w.Match(3, 10); }, 8), Jb01Status::Overrun},
    };
    for (const auto& [what, stream, cause] : cases) {
        Stream out;
        EXPECT_EQ(DecodeBoth(stream, out), cause) << what;
    }
}
