#include <gtest/gtest.h>

#include "docfile/Cipher.h"

using docfile::CipherTransform;

// The key itself and whole texts are checked by unlocking kit-enciphered
// books; here are the edges.
TEST(Cipher, TransformStopsAtNulNeverMakesOneAndNeedsAKey)
{
    EXPECT_EQ(CipherTransform(u"", u"k"), u"");
    EXPECT_FALSE(CipherTransform(u"text", u"").has_value());
    EXPECT_EQ(CipherTransform(std::u16string(u"ab\0cd", 5), u"k"), CipherTransform(u"ab", u"k"));
    // Q and Q^1 at positions 0 and 1 cancel out: the key's hash is 0, so a
    // unit changes by its position alone. Unit 1 at position 1 would become
    // NUL, so it stays as it is.
    const std::u16string zeroHashKey = {u'Q', static_cast<char16_t>(u'Q' ^ 1)};
    EXPECT_EQ(CipherTransform(std::u16string{u'A', u'\x0001', u'C'}, zeroHashKey),
              (std::u16string{u'A', u'\x0001', static_cast<char16_t>(u'C' ^ 2)}));
}
