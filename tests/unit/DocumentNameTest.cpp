// Which file names the viewer takes.
#include <gtest/gtest.h>

#include "docfile/OpenDocument.h"

TEST(DocumentName, OnlyNamesEndingInVnbInAnyCase)
{
    const struct {
        std::u16string_view name;
        bool document;
    } cases[] = {
        {u"C:\\notes\\book.vnb", true}, {u"NOTES.VNB", true},      {u"Mixed.VnB", true},  {u".vnb", true},
        {u"notes.vnb.bak", false},      {u"notes.vn", false},      {u"vnb", false},       {u"", false},
        {u"notes.vnbx", false},         {u"notes_vnb", false},     {u"notes.wnb", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(docfile::IsDocumentName(c.name), c.document) << std::string(c.name.begin(), c.name.end());
}
