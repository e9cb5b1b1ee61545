// What users read: archive error messages and formatted texts.
#include <gtest/gtest.h>

#include "docfile/ArchiveError.h"
#include "opening/Messages.h"
#include "platform/CodePage.h"

using docfile::ArchiveCause;
using opening::FormatText;

// The message table itself is data; what can go wrong is the naming.
TEST(Messages, ArchiveErrorsNameTheArchiveAndFormattingTakesArgumentsInTurn)
{
    const std::tuple<ArchiveCause, std::u16string, std::u16string> cases[] = {
        {ArchiveCause::BadIndex, u"x.vnb", u"x.vnb has a bad format."},
        {ArchiveCause::BadIndex, u"", u"an unnamed file has a bad format."},
        {ArchiveCause::None, u"x.vnb", u"No error occurred."},
        {static_cast<ArchiveCause>(99), u"x.vnb", u"An unknown error occurred while accessing x.vnb."},
    };
    for (const auto& [cause, name, message] : cases)
        EXPECT_EQ(docfile::ArchiveMessage(cause, name), message);

    // Formatting takes arguments in turn; the file name part drops folders.
    EXPECT_EQ(FormatText(opening::kCantEncodeWithPassword, {u"pw", u"a.vnb"}), u"Cant encode with password [pw] file a.vnb");
    EXPECT_EQ(FormatText(u"%s and %s", {u"one"}), u"one and %s");
    EXPECT_EQ(FormatText(u"100%", {u"x"}), u"100%");
    for (const char16_t* path : {u"C:\\notes\\book.vnb", u"/home/a/book.vnb", u"C:book.vnb", u"book.vnb"})
        EXPECT_EQ(opening::FileNamePart(path), u"book.vnb") << platform::WideToUtf8(path);
}
