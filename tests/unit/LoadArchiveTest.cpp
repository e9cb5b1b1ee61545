// Reading archive streams. Cuts at every position of whole documents are
// swept in OpenDocumentTest; here are the forms and the malformed values.
#include <gtest/gtest.h>

#include "tests/unit/Helpers.h"

using docfile::ArchiveClass;
using docfile::LoadArchive;
using kit::ArchiveWriter;
using kit::PrefixForm;
using namespace testing_helpers;

TEST(LoadArchive, StringsOfEveryForm)
{
    std::vector<uint8_t> wide254 = {0xFF, 0xFE, 0xFF, 0xFE};              // byte prefixes up to 254
    std::vector<uint8_t> wide255 = {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0x00};  // then a WORD
    for (int i = 0; i < 255; ++i) {
        if (i < 254)
            wide254.insert(wide254.end(), {0x41, 0x00});
        wide255.insert(wide255.end(), {0x42, 0x00});
    }
    const std::tuple<std::vector<uint8_t>, std::u16string> cases[] = {
        {{0x00}, u""},
        {{0xFF, 0xFE, 0xFF, 0x00}, u""},
        {wide254, std::u16string(254, u'A')},
        {wide255, std::u16string(255, u'B')},
        {Written([](auto& w) { w.String(std::u16string(70000, u'x')); }), std::u16string(70000, u'x')},
        {Written([](auto& w) { w.String(u"short", PrefixForm::Word); }), u"short"},
        {Written([](auto& w) { w.String(u"short", PrefixForm::Dword); }), u"short"},
        {Written([](auto& w) { w.NarrowString(std::string(300, 'n')); }), std::u16string(300, u'n')},
        // Narrow text ends at a NUL and is read in the ANSI code page; wide keeps NULs.
        {Written([](auto& w) { w.NarrowString(std::string("caf\xe9 \x80\0cd", 8)); }), u"caf\u00e9 \u20ac"},
        {Written([](auto& w) { w.String(std::u16string(u"ab\0cd", 5)); }), std::u16string(u"ab\0cd", 5)},
    };
    for (const auto& [bytes, text] : cases)
        ReadBytes(bytes, [&](LoadArchive& ar) { EXPECT_EQ(ar.ReadString(), text) << text.size(); });

    // Compressed strings without a valid header are the text itself.
    ArchiveWriter w;
    w.CompressedString("plain \xe9", kit::Compression::Raw);
    w.CompressedRaw(std::vector<uint8_t>{'J', 'B', '0', '1', 0, 0, 0, 0});
    ReadBytes(w.Bytes(), [](LoadArchive& ar) {
        EXPECT_EQ(ar.ReadCompressedString(), u"plain \u00e9");
        EXPECT_EQ(ar.ReadCompressedString(), u"JB01");  // size 0: not a stream, so text
    });

    // Where the ANSI code page is UTF-8, each ill-formed piece reads as U+FFFD and the rest stays.
    platform::SetAnsiCodePage(65001);
    ReadBytes(Written([](auto& out) { out.NarrowString("a\xFF" "b\x80\xC0\xAF\xED\xA0\x80\xF4\x90\x80\x80\xC3\xA9\xC3"); }),
              [](LoadArchive& ar) { EXPECT_EQ(ar.ReadString(), u"a\uFFFDb" + std::u16string(10, u'\uFFFD') + u"\u00E9\uFFFD"); });
    platform::SetAnsiCodePage(0);
}

TEST(LoadArchive, MalformedValuesRaiseTheirCause)
{
    const auto tag = [](ArchiveClass expected) { return [=](LoadArchive& ar) { ar.ReadClassTag(expected); }; };
    const std::tuple<const char*, std::function<void(ArchiveWriter&)>, ReadFn, std::u16string> cases[] = {
        {"null tag", [](auto& w) { w.Word(0x0000); }, tag(ArchiveClass::Book), kBadFormat},
        {"big tag without high bit", [](auto& w) { w.Word(0x7FFF), w.Dword(5); }, tag(ArchiveClass::Book), kBadFormat},
        {"index 0", [](auto& w) { w.KnownClassTag(0, kit::KnownTagForm::Short); }, tag(ArchiveClass::Book), kBadFormat},
        {"index not given out", [](auto& w) { w.KnownClassTag(1, kit::KnownTagForm::Long); }, tag(ArchiveClass::Book),
         kBadFormat},
        {"case matters", [](auto& w) { w.NewClassTag("cbook", 17); }, tag(ArchiveClass::Book), kUnexpected},
        {"name of 64", [](auto& w) { w.NewClassTag(std::string(64, 'C'), 1); }, tag(ArchiveClass::Book), kUnexpected},
        {"fixed schema", [](auto& w) { w.NewClassTag("CRefs", 2); }, tag(ArchiveClass::Refs), kBadSchema},
        {"wide marker twice", [](auto& w) { w.Raw(std::vector<uint8_t>{0xFF, 0xFE, 0xFF, 0xFF, 0xFE, 0xFF}); },
         [](LoadArchive& ar) { ar.ReadString(); }, kBadFormat},
    };
    const auto string = [](LoadArchive& ar) { ar.ReadString(); };
    // A length one byte past what remains.
    const std::tuple<const char*, std::vector<uint8_t>, ReadFn> cuts[] = {
        {"narrow", {3, 'a', 'b'}, string},
        {"wide", {0xFF, 0xFE, 0xFF, 2, 'a', 0, 'b'}, string},
        {"compressed", {3, 0, 0, 0, 'a', 'b'}, [](LoadArchive& ar) { ar.ReadCompressedString(); }},
    };
    for (const auto& [what, bytes, read] : cuts)
        EXPECT_EQ(ErrorReading(bytes, read), kEndOfFile) << what;
    for (const auto& [what, write, read, message] : cases)
        EXPECT_EQ(ErrorReading(Written(write), read), message) << what;
}
