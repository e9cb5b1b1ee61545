#include <gtest/gtest.h>

#include "docfile/Cipher.h"
#include "tests/kit/Cipher.h"

using docfile::CheckPassword;
using docfile::CipherKeyHash;
using docfile::CipherTransform;
using docfile::MakePasswordVerifier;

TEST(Cipher, KeyHashFoldsUnitsWithTheirPositions)
{
    EXPECT_EQ(CipherKeyHash(u"abc"), 0x63u);
    EXPECT_EQ(CipherKeyHash(u"\x1234"), 0x1234u);
    EXPECT_EQ(CipherKeyHash(u"xy"), (u'x' ^ 0u) ^ (u'y' ^ 1u));
    EXPECT_FALSE(CipherKeyHash(u"").has_value());
    // x and x^1 at positions 0 and 1 cancel out.
    const std::u16string cancelling = {u'Q', static_cast<char16_t>(u'Q' ^ 1)};
    EXPECT_EQ(CipherKeyHash(cancelling), 0u);
}

TEST(Cipher, TransformIsItsOwnInverseAndNeverMakesNul)
{
    const std::u16string texts[] = {u"Secret page", u"\u041f\u0440\u0438\u0432\u0435\u0442 \u4e16\u754c", u"x"};
    for (const auto& text : texts) {
        const auto once = CipherTransform(text, u"vornview");
        ASSERT_TRUE(once);
        EXPECT_NE(*once, text);
        EXPECT_EQ(once->find(u'\0'), std::u16string::npos);
        EXPECT_EQ(CipherTransform(*once, u"vornview"), text);
    }
    EXPECT_EQ(CipherTransform(u"", u"k"), u"");
    EXPECT_FALSE(CipherTransform(u"text", u"").has_value());
    EXPECT_EQ(CipherTransform(std::u16string(u"ab\0cd", 5), u"k")->size(), 2u);
}

TEST(Cipher, UnitsThatWouldBecomeNulStayAsTheyAre)
{
    // With hash 0 each unit changes by its position alone, so position 0
    // keeps its unit and the unit equal to i stays.
    const std::u16string key = {u'Q', static_cast<char16_t>(u'Q' ^ 1)};
    const std::u16string text = {u'A', u'\x0001', u'C'};
    const auto once = CipherTransform(text, key);
    ASSERT_TRUE(once);
    EXPECT_EQ((*once)[0], u'A');
    EXPECT_EQ((*once)[1], u'\x0001');
    EXPECT_EQ((*once)[2], static_cast<char16_t>(u'C' ^ 2));
    EXPECT_EQ(CipherTransform(*once, key), text);
}

TEST(Cipher, PasswordCheckTable)
{
    const std::u16string verifier = MakePasswordVerifier(u"vornview");
    EXPECT_EQ(verifier, kit::MakeVerifier(u"vornview"));  // an independent writer agrees
    EXPECT_TRUE(CheckPassword(verifier, u"vornview"));
    EXPECT_FALSE(CheckPassword(verifier, u"VornView"));
    EXPECT_FALSE(CheckPassword(verifier, u""));
    EXPECT_FALSE(CheckPassword(verifier, u"vornvie"));
    EXPECT_TRUE(CheckPassword(u"", u""));
    EXPECT_FALSE(CheckPassword(u"", u"anything"));
}
