#include <gtest/gtest.h>

#include "tests/kit/ArchiveWriter.h"
#include "tests/kit/Jb01.h"
#include "tests/unit/Helpers.h"

using docfile::ArchiveCause;
using docfile::ArchiveClass;
using docfile::LoadArchive;
using kit::ArchiveWriter;
using kit::PrefixForm;
using testing_helpers::ErrorReading;
using testing_helpers::ReadBytes;

namespace {

std::u16string ReadString(const std::vector<uint8_t>& bytes)
{
    std::u16string text;
    ReadBytes(bytes, [&](LoadArchive& ar) { text = ar.ReadString(); });
    return text;
}

}  // namespace

TEST(ArchiveReader, NumbersAreLittleEndianAndStraddleTheBuffer)
{
    ArchiveWriter w;
    w.Zeros(LoadArchive::kBufferSize - 3);  // the DWORD below crosses the refill
    w.Dword(0xA1B2C3D4);
    w.Word(0xBEEF);
    w.Long(-2);
    w.Double(46095.4375);
    w.Byte(0x7F);
    ReadBytes(w.Bytes(), [](LoadArchive& ar) {
        std::vector<uint8_t> skip(LoadArchive::kBufferSize - 3);
        EXPECT_EQ(ar.ReadRaw(skip.data(), skip.size()), skip.size());
        EXPECT_EQ(ar.ReadDword(), 0xA1B2C3D4u);
        EXPECT_EQ(ar.ReadWord(), 0xBEEF);
        EXPECT_EQ(ar.ReadLong(), -2);
        EXPECT_EQ(ar.ReadDouble(), 46095.4375);
        EXPECT_EQ(ar.ReadByte(), 0x7F);
        EXPECT_EQ(ar.Remaining(), 0u);
    });
}

TEST(ArchiveReader, RawReadsStopAtTheEndWithoutRaising)
{
    ArchiveWriter w;
    w.Zeros(10000);
    ReadBytes(w.Bytes(), [](LoadArchive& ar) {
        ar.ReadWord();
        std::vector<uint8_t> big(20000);
        EXPECT_EQ(ar.ReadRaw(big.data(), big.size()), 9998u);
        EXPECT_EQ(ar.ReadBlock(5).size(), 0u);
    });
}

TEST(ArchiveReader, EveryStringFormReadsBack)
{
    const std::u16string word(300, u'\x0416');
    const std::u16string huge(70000, u'x');
    struct Case {
        std::u16string text;
        PrefixForm form;
    } cases[] = {{u"", PrefixForm::Shortest},     {u"h\u00e9llo", PrefixForm::Shortest},
                 {std::u16string(254, u'a'), PrefixForm::Shortest}, {std::u16string(255, u'b'), PrefixForm::Shortest},
                 {word, PrefixForm::Shortest},   {huge, PrefixForm::Shortest},
                 {u"short", PrefixForm::Word},   {u"short", PrefixForm::Dword}};
    for (const Case& c : cases) {
        ArchiveWriter w;
        w.String(c.text, c.form);
        EXPECT_EQ(ReadString(w.Bytes()), c.text) << c.text.size();
    }
}

TEST(ArchiveReader, WideStringLengthPrefixesHaveTheirExactBytes)
{
    EXPECT_EQ(ReadString({0xFF, 0xFE, 0xFF, 0x00}), u"");
    EXPECT_EQ(ReadString({0x00}), u"");
    std::vector<uint8_t> units254 = {0xFF, 0xFE, 0xFF, 0xFE};
    units254.resize(4 + 254 * 2, 0x41);
    for (size_t i = 5; i < units254.size(); i += 2)
        units254[i] = 0;
    EXPECT_EQ(ReadString(units254), std::u16string(254, u'A'));
    std::vector<uint8_t> units255 = {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0x00};
    for (int i = 0; i < 255; ++i)
        units255.insert(units255.end(), {0x42, 0x00});
    EXPECT_EQ(ReadString(units255), std::u16string(255, u'B'));
}

TEST(ArchiveReader, NulHandlingDiffersBetweenNarrowAndWide)
{
    ArchiveWriter narrow;
    narrow.NarrowString(std::string("ab\0cd", 5));
    EXPECT_EQ(ReadString(narrow.Bytes()), u"ab");
    ArchiveWriter wide;
    wide.String(std::u16string(u"ab\0cd", 5));
    EXPECT_EQ(ReadString(wide.Bytes()), std::u16string(u"ab\0cd", 5));
}

TEST(ArchiveReader, NarrowTextUsesTheAnsiCodePage)
{
    ArchiveWriter w;
    w.NarrowString("caf\xe9 \x80");
    EXPECT_EQ(ReadString(w.Bytes()), u"caf\u00e9 \u20ac");
}

TEST(ArchiveReader, StringsLongerThanTheInputFailBeforeAllocating)
{
    // A wide string claiming 2^32-1 units in a 10-byte stream.
    const std::vector<uint8_t> bytes = {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x41};
    EXPECT_EQ(ErrorReading(bytes, [](LoadArchive& ar) { ar.ReadString(); }),
              u"An attempt was made to access an unnamed file past its end.");
    EXPECT_EQ(ErrorReading({0xFF, 0xFE, 0xFF, 0xFF, 0xFE, 0xFF, 0x00}, [](LoadArchive& ar) { ar.ReadString(); }),
              u"C:\\notes\\book.vnb has a bad format.");
}

TEST(ArchiveReader, CompressedStringsTakeJb01OrTheBytesThemselves)
{
    ArchiveWriter w;
    w.CompressedString("packed text packed text packed text", kit::Compression::Jb01);
    w.CompressedString("plain \xe9", kit::Compression::Raw);
    w.CompressedString("", kit::Compression::Jb01);
    const uint8_t headerOnly[] = {'J', 'B', '0', '1', 0, 0, 0, 0};
    w.CompressedRaw(headerOnly);
    ReadBytes(w.Bytes(), [](LoadArchive& ar) {
        EXPECT_EQ(ar.ReadCompressedString(), u"packed text packed text packed text");
        EXPECT_EQ(ar.ReadCompressedString(), u"plain \u00e9");
        EXPECT_EQ(ar.ReadCompressedString(), u"");
        EXPECT_EQ(ar.ReadCompressedString(), u"JB01");  // size 0: not a stream, so text
    });
}

TEST(ArchiveReader, BrokenCompressedStringsRaise)
{
    kit::Jb01Writer jb;
    jb.Literal('a');
    jb.Match(5, 3);  // reaches before the start
    ArchiveWriter bad;
    bad.CompressedRaw(jb.Finish(4));
    EXPECT_EQ(ErrorReading(bad.Bytes(), [](LoadArchive& ar) { ar.ReadCompressedString(); }),
              u"An unknown error occurred while accessing C:\\notes\\book.vnb.");
    ArchiveWriter shortOne;
    shortOne.Dword(100);
    shortOne.Raw(std::string_view("abc"));
    EXPECT_EQ(ErrorReading(shortOne.Bytes(), [](LoadArchive& ar) { ar.ReadCompressedString(); }),
              u"An attempt was made to access an unnamed file past its end.");
}

TEST(ArchiveReader, ClassTagsAreNumberedPerStream)
{
    for (auto form : {kit::KnownTagForm::Short, kit::KnownTagForm::Long}) {
        ArchiveWriter w;
        w.SetKnownTagForm(form);
        w.ClassTag("CBook", 17);
        w.ClassTag("CPage", 9);
        w.ClassTag("CPage", 9);
        w.ClassTag("CBook", 17);
        ReadBytes(w.Bytes(), [](LoadArchive& ar) {
            EXPECT_EQ(ar.ReadClassTag(ArchiveClass::Book), 17u);
            EXPECT_EQ(ar.ReadClassTag(ArchiveClass::Page), 9u);
            EXPECT_EQ(ar.ReadClassTag(ArchiveClass::Page), 9u);  // known tag keeps the schema
            EXPECT_EQ(ar.ReadClassTag(ArchiveClass::Book), 17u);
        });
    }
    // A second stream starts numbering again: index 1 there is its own first class.
    ArchiveWriter second;
    second.ClassTag("CPage", 23);
    second.KnownClassTag(1, kit::KnownTagForm::Short);
    ReadBytes(second.Bytes(), [](LoadArchive& ar) {
        EXPECT_EQ(ar.ReadClassTag(ArchiveClass::Page), 23u);
        EXPECT_EQ(ar.ReadClassTag(ArchiveClass::Page), 23u);
    });
}

TEST(ArchiveReader, MalformedClassTagsRaiseTheirCauseWithTheArchiveName)
{
    const std::u16string kBadFormat = u"C:\\notes\\book.vnb has a bad format.";
    const std::u16string kUnexpected = u"C:\\notes\\book.vnb contained an unexpected object.";
    const std::u16string kSchema = u"C:\\notes\\book.vnb contains an incorrect schema.";
    struct Case {
        const char* what;
        std::function<void(ArchiveWriter&)> write;
        ArchiveClass expected;
        std::u16string message;
    } cases[] = {
        {"null tag", [](ArchiveWriter& w) { w.Word(0x0000); }, ArchiveClass::Book, kBadFormat},
        {"plain word", [](ArchiveWriter& w) { w.Word(0x1234); }, ArchiveClass::Book, kBadFormat},
        {"big tag without high bit", [](ArchiveWriter& w) { w.Word(0x7FFF); w.Dword(5); }, ArchiveClass::Book, kBadFormat},
        {"index 0", [](ArchiveWriter& w) { w.KnownClassTag(0, kit::KnownTagForm::Short); }, ArchiveClass::Book, kBadFormat},
        {"unknown index", [](ArchiveWriter& w) { w.KnownClassTag(3, kit::KnownTagForm::Long); }, ArchiveClass::Book, kBadFormat},
        {"other class", [](ArchiveWriter& w) { w.ClassTag("CPage", 23); }, ArchiveClass::Book, kUnexpected},
        {"unknown class", [](ArchiveWriter& w) { w.NewClassTag("CNote", 1); }, ArchiveClass::Book, kUnexpected},
        {"case matters", [](ArchiveWriter& w) { w.NewClassTag("cbook", 17); }, ArchiveClass::Book, kUnexpected},
        {"name of 64", [](ArchiveWriter& w) { w.NewClassTag(std::string(64, 'C'), 1); }, ArchiveClass::Book, kUnexpected},
        {"fixed schema", [](ArchiveWriter& w) { w.NewClassTag("CRefs", 2); }, ArchiveClass::Refs, kSchema},
    };
    for (const Case& c : cases) {
        ArchiveWriter w;
        c.write(w);
        EXPECT_EQ(ErrorReading(w.Bytes(), [&](LoadArchive& ar) { ar.ReadClassTag(c.expected); }), c.message) << c.what;
    }
    ArchiveWriter odd;
    odd.NewClassTag("CPage", 99);
    ReadBytes(odd.Bytes(), [](LoadArchive& ar) { EXPECT_EQ(ar.ReadClassTag(ArchiveClass::Page), 99u); });
    ArchiveWriter refs;
    refs.NewClassTag("CRefs", 1);
    ReadBytes(refs.Bytes(), [](LoadArchive& ar) { EXPECT_EQ(ar.ReadClassTag(ArchiveClass::Refs), 1u); });
}

TEST(ArchiveReader, MessagesNameTheDocumentOrAnUnnamedFile)
{
    using docfile::ArchiveMessage;
    EXPECT_EQ(ArchiveMessage(ArchiveCause::None, u"x"), u"No error occurred.");
    EXPECT_EQ(ArchiveMessage(ArchiveCause::Generic, u"x.vnb"), u"An unknown error occurred while accessing x.vnb.");
    EXPECT_EQ(ArchiveMessage(ArchiveCause::ReadOnly, u"x.vnb"), u"An attempt was made to write to the reading x.vnb.");
    EXPECT_EQ(ArchiveMessage(ArchiveCause::WriteOnly, u""), u"An attempt was made to read from the writing an unnamed file.");
    EXPECT_EQ(ArchiveMessage(ArchiveCause::BadIndex, u""), u"an unnamed file has a bad format.");
    // End of file is reported unnamed even for a named archive.
    EXPECT_EQ(ErrorReading({0x01, 0x02, 0x03}, [](LoadArchive& ar) { ar.ReadDword(); }),
              u"An attempt was made to access an unnamed file past its end.");
}
