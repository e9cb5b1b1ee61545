// The temporary-file list over the real file system.
#include "docfile/TempFiles.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace wine_tests {
namespace {

std::wstring W(const std::u16string& text) { return std::wstring(text.begin(), text.end()); }

void Touch(const std::u16string& path)
{
    HANDLE file = CreateFileW(W(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    CloseHandle(file);
}

bool Exists(const std::u16string& path) { return GetFileAttributesW(W(path).c_str()) != INVALID_FILE_ATTRIBUTES; }

TEST(TempFiles, NamesLiveInTheTempFolderWithOneDotBeforeTheExtension)
{
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    docfile::TempFileList& list = docfile::TempFiles();
    std::u16string a = list.Make(u"htm");
    Sleep(20);
    std::u16string b = list.Make(u".htm");
    for (const auto& name : {a, b}) {
        std::wstring path = W(name);
        EXPECT_EQ(path.rfind(temp, 0), 0u) << std::string(path.begin(), path.end());
        EXPECT_EQ(path.substr(path.size() - 8), L".tmp.htm");
        EXPECT_EQ(path.substr(wcslen(temp), 3), L"abc");
        EXPECT_FALSE(Exists(name)) << "names are made, files are not";
    }
    list.DeleteAll();
    EXPECT_TRUE(list.Paths().empty());
}

TEST(TempFiles, ALockedFileKeepsTheWholeListForTheNextClose)
{
    docfile::TempFileList& list = docfile::TempFiles();
    std::u16string a = list.Make(u"txt");
    Sleep(20);
    std::u16string b = list.Make(u"txt");
    ASSERT_NE(a, b);
    Touch(a);
    Touch(b);
    HANDLE lock = CreateFileW(W(b).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);

    list.DeleteAll();
    EXPECT_FALSE(Exists(a));
    EXPECT_TRUE(Exists(b));
    EXPECT_EQ(list.Paths().size(), 2u);

    CloseHandle(lock);
    list.DeleteAll();
    EXPECT_FALSE(Exists(b));
    EXPECT_TRUE(list.Paths().empty());
}

}  // namespace
}  // namespace wine_tests
