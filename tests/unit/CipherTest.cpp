#include <gtest/gtest.h>

#include "docfile/Cipher.h"
#include "tests/kit/Cipher.h"

using docfile::CipherKeyHash;
using docfile::CipherTransform;

namespace {

// Q and Q^1 at positions 0 and 1 cancel out: the hash is 0.
const std::u16string kZeroHashKey = {u'Q', static_cast<char16_t>(u'Q' ^ 1)};

}  // namespace

TEST(Cipher, KeyHashFoldsUnitsWithTheirPositions)
{
    EXPECT_EQ(CipherKeyHash(u"abc"), 0x63u);  // a ^ b^1 ^ c^2
    EXPECT_EQ(CipherKeyHash(u"\x1234"), 0x1234u);
    EXPECT_EQ(CipherKeyHash(kZeroHashKey), 0u);
    EXPECT_FALSE(CipherKeyHash(u"").has_value());
}

TEST(Cipher, TransformIsItsOwnInverseAgreesWithTheKitAndNeverMakesNul)
{
    for (const std::u16string text : {u"Secret page", u"\u041f\u0440\u0438\u0432\u0435\u0442 \u4e16\u754c", u"x"}) {
        const auto once = CipherTransform(text, u"vornview");
        ASSERT_TRUE(once);
        EXPECT_EQ(*once, kit::Transform(text, u"vornview"));  // written independently
        EXPECT_NE(*once, text);
        EXPECT_EQ(CipherTransform(*once, u"vornview"), text);
    }
    EXPECT_EQ(CipherTransform(u"", u"k"), u"");
    EXPECT_FALSE(CipherTransform(u"text", u"").has_value());
    EXPECT_EQ(CipherTransform(std::u16string(u"ab\0cd", 5), u"k"), CipherTransform(u"ab", u"k"));
    // With hash 0 a unit changes by its position alone: unit 1 at position 1
    // would become NUL, so it stays as it is.
    EXPECT_EQ(CipherTransform(std::u16string{u'A', u'\x0001', u'C'}, kZeroHashKey),
              (std::u16string{u'A', u'\x0001', static_cast<char16_t>(u'C' ^ 2)}));
}
