#include <gtest/gtest.h>

#include <set>

#include "docfile/TempFiles.h"

using docfile::AppendExtension;
using docfile::TempFileList;

namespace {

class FakeFileSystem : public docfile::TempFileSystem {
public:
    // The clock stands still: every attempt moves the number on by one.
    std::u16string UniqueTempName(uint32_t attempt) override
    {
        if (next.empty())
            return next;
        return u"C:\\Temp\\abc" + std::u16string(1, static_cast<char16_t>(u'A' + attempt)) + u".tmp";
    }
    bool Exists(const std::u16string& path) override { return files.count(path) != 0; }
    void Delete(const std::u16string& path) override
    {
        if (locked.count(path) == 0)
            files.erase(path);
    }

    std::u16string next = u"set";
    std::set<std::u16string> files;
    std::set<std::u16string> locked;
};

}  // namespace

TEST(TempFiles, NamesAreUniqueWithOneDotBeforeTheExtensionAndGoAtCloseUnlessOneSurvives)
{
    EXPECT_EQ(AppendExtension(u"C:\\T\\abc1.", u"htm"), u"C:\\T\\abc1.htm");
    EXPECT_EQ(AppendExtension(u"", u"htm"), u"");

    FakeFileSystem fs;
    TempFileList list(fs);
    fs.files = {u"C:\\Temp\\abcB.tmp.htm"};  // left behind by someone else
    EXPECT_EQ(list.Make(u"htm"), u"C:\\Temp\\abcA.tmp.htm");
    EXPECT_EQ(list.Make(u".htm"), u"C:\\Temp\\abcC.tmp.htm");
    EXPECT_EQ(list.Make(u"mht"), u"C:\\Temp\\abcA.tmp.mht");
    list.Register(u"C:\\Temp\\icon.txt");
    fs.files = {u"C:\\Temp\\abcA.tmp.mht", u"C:\\Temp\\icon.txt"};
    fs.locked = {u"C:\\Temp\\abcA.tmp.mht"};
    list.DeleteAll();
    EXPECT_EQ(list.Paths().size(), 4u);  // a survivor keeps the whole list
    EXPECT_EQ(fs.files.count(u"C:\\Temp\\icon.txt"), 0u);
    fs.locked.clear();
    list.DeleteAll();
    EXPECT_TRUE(list.Paths().empty());
    EXPECT_TRUE(fs.files.empty());

    fs.next.clear();
    EXPECT_EQ(list.Make(u"htm"), u"");
    EXPECT_TRUE(list.Paths().empty());
}
