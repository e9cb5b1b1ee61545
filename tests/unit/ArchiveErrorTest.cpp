#include <gtest/gtest.h>

#include "docfile/ArchiveError.h"
#include "tests/unit/Helpers.h"

using docfile::ArchiveCause;

// The message table itself is data; what can go wrong is the naming.
TEST(ArchiveError, MessagesNameTheArchiveOrAnUnnamedFile)
{
    const struct Case {
        ArchiveCause cause;
        std::u16string name;
        std::u16string message;
    } cases[] = {
        {ArchiveCause::BadIndex, u"x.vnb", u"x.vnb has a bad format."},
        {ArchiveCause::BadIndex, u"", u"an unnamed file has a bad format."},
        {ArchiveCause::None, u"x.vnb", u"No error occurred."},
        {static_cast<ArchiveCause>(99), u"x.vnb", u"An unknown error occurred while accessing x.vnb."},
    };
    for (const auto& c : cases)
        EXPECT_EQ(docfile::ArchiveMessage(c.cause, c.name), c.message);
    // End of file is reported unnamed even by a named archive.
    EXPECT_EQ(testing_helpers::ErrorReading({1, 2, 3}, [](docfile::LoadArchive& ar) { ar.ReadDword(); }),
              testing_helpers::kEndOfFile);
}
