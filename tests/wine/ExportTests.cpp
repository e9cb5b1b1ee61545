// vnbview.exe's export run as a process: names the Windows file system sees
// as one (a short 8.3 alias of a sibling, case), and paths past 260
// characters.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "PluginFixture.h"
#include "tests/kit/Document.h"

namespace wine_tests {
namespace {

// The short (8.3) name Windows gives `name` in an empty folder, without its
// extension; a folder of that name gets the same.
std::u16string ShortAlias(const std::wstring& folder, const std::wstring& name)
{
    const std::wstring path = folder + name;
    CloseHandle(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr));
    wchar_t alias[MAX_PATH] = {};
    GetShortPathNameW(path.c_str(), alias, MAX_PATH);
    DeleteFileW(path.c_str());
    const std::wstring text = alias;
    const size_t start = text.find_last_of(L'\\') + 1;
    return std::u16string(text.begin() + start, text.begin() + std::min(text.find(L'.', start), text.size()));
}

// The files below `folder` (in long form); `longest` grows to the longest path.
size_t CountFiles(const std::wstring& folder, size_t& longest)
{
    size_t files = 0;
    WIN32_FIND_DATAW found;
    const HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    for (bool more = search != INVALID_HANDLE_VALUE; more; more = FindNextFileW(search, &found)) {
        const std::wstring name = found.cFileName, path = folder + L"\\" + name;
        longest = std::max(longest, path.size());
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            ++files;
        else if (name != L"." && name != L"..")
            files += CountFiles(path, longest);
    }
    FindClose(search);
    return files;
}

TEST(VnbviewExport, WritesEveryPageWhereWindowsSeesNamesAsOneAndPathsPast260Characters)
{
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    const std::wstring folder = temp + (L"vvtest_export" + std::to_wstring(GetCurrentProcessId())) + L"\\";
    CreateDirectoryW(folder.c_str(), nullptr);
    // Sorted by title, the long name comes before its alias.
    std::vector<kit::PageSpec> pages = {kit::Page(1, 1, 4, u"Root"), kit::Page(2, 1, 0, u"\u03c3", u"t"),
                                        kit::Page(3, 1, 0, u"\u03c2", u"t"), kit::Page(4, 1, 0, u"\u00b5", u"t"),
                                        kit::Page(5, 1, 0, u"\u03bc", u"t"), kit::Page(6, 1, 0, u"Long title one", u"t"),
                                        kit::Page(7, 1, 0, ShortAlias(folder, L"Long title one.txt"), u"t"),
                                        kit::Page(8, 1, 4, u"Long folder one"), kit::Page(9, 8, 0, u"in it", u"t"),
                                        kit::Page(10, 1, 4, ShortAlias(folder, L"Long folder one")),
                                        kit::Page(11, 10, 0, u"in it", u"t")};
    for (uint32_t id = 12; id < 18; ++id)  // six nested pages with 80-character titles
        pages.push_back(kit::Page(id, id == 12 ? 1 : id - 1, 0, std::u16string(80, u'a' + id), u"t"));
    const std::vector<uint8_t> bytes = kit::WriteDocument(kit::BookOf(pages));
    const HANDLE doc = CreateFileW((folder + L"book.vnb").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
    DWORD wrote = 0;
    ASSERT_TRUE(WriteFile(doc, bytes.data(), static_cast<DWORD>(bytes.size()), &wrote, nullptr));
    CloseHandle(doc);

    // The export folder is named relative to the current folder.
    std::wstring command = L"\"" + ProgramFolder() + L"tools\\vnbview\\vnbview.exe\" export book.vnb out";
    STARTUPINFOW startup{.cb = sizeof startup};
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup, &process));
    DWORD exitCode = STILL_ACTIVE;
    WaitForSingleObject(process.hProcess, 30000);
    GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    EXPECT_EQ(exitCode, 0u);
    size_t longest = 0;
    // index.html, and every page as HTML beside its own text
    EXPECT_EQ(CountFiles(L"\\\\?\\" + folder + L"out", longest), 29u);
    EXPECT_GT(longest, 4u + MAX_PATH);
}

}  // namespace
}  // namespace wine_tests
