#include <gtest/gtest.h>

#include "docfile/Messages.h"
#include "platform/CodePage.h"

using docfile::FormatText;

TEST(Messages, FormatTakesArgumentsInTurnAndFileNamePartDropsFolders)
{
    EXPECT_EQ(FormatText(docfile::kCantEncodeWithPassword, {u"pw", u"a.vnb"}), u"Cant encode with password [pw] file a.vnb");
    EXPECT_EQ(FormatText(u"%s and %s", {u"one"}), u"one and %s");
    EXPECT_EQ(FormatText(u"100%", {u"x"}), u"100%");
    for (const char16_t* path : {u"C:\\notes\\book.vnb", u"/home/a/book.vnb", u"C:book.vnb", u"book.vnb"})
        EXPECT_EQ(docfile::FileNamePart(path), u"book.vnb") << platform::WideToUtf8(path);
}
