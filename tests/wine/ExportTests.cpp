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

// The last part of the short (8.3) name Windows gives `name` in an empty folder.
std::wstring ShortAlias(const std::wstring& scratch, const std::wstring& name, bool folder)
{
    const std::wstring path = scratch + name;
    CreateDirectoryW(scratch.c_str(), nullptr);
    if (folder)
        CreateDirectoryW(path.c_str(), nullptr);
    else
        CloseHandle(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr));
    wchar_t alias[MAX_PATH] = {};
    GetShortPathNameW(path.c_str(), alias, MAX_PATH);
    folder ? RemoveDirectoryW(path.c_str()) : DeleteFileW(path.c_str());
    const std::wstring text = alias;
    return text.substr(text.find_last_of(L'\\') + 1);
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
    const std::wstring folder = std::wstring(temp) + L"vvtest_export" + std::to_wstring(GetCurrentProcessId()) + L"\\";
    CreateDirectoryW(folder.c_str(), nullptr);
    const std::wstring fileTitle = L"Long title number one", folderTitle = L"Long folder name here";
    const std::wstring fileAlias = ShortAlias(folder + L"scratch\\", fileTitle + L".txt", false);
    const std::wstring folderAlias = ShortAlias(folder + L"scratch\\", folderTitle, true);
    auto u16 = [](const std::wstring& text) { return std::u16string(text.begin(), text.end()); };

    // Sorted by title, each long name comes before its alias.
    std::vector<kit::PageSpec> pages = {
        kit::Page(1, 1, 4, u"Root"), kit::Page(2, 1, 0, u"\u03c3", u"t"), kit::Page(3, 1, 0, u"\u03c2", u"t"),
        kit::Page(4, 1, 0, u"\u00b5", u"t"), kit::Page(5, 1, 0, u"\u03bc", u"t"),
        kit::Page(6, 1, 0, u16(fileTitle), u"t"), kit::Page(7, 1, 0, u16(fileAlias.substr(0, fileAlias.find(L'.'))), u"t"),
        kit::Page(8, 1, 4, u16(folderTitle)), kit::Page(9, 1, 4, u16(folderAlias)),
        kit::Page(10, 8, 0, u"in the folder", u"t"), kit::Page(11, 9, 0, u"in the alias", u"t")};
    for (uint32_t id = 12; id < 18; ++id)  // six nested pages with 80-character titles
        pages.push_back(kit::Page(id, id == 12 ? 1 : id - 1, 0, std::u16string(80, static_cast<char16_t>(u'a' + id)), u"t"));
    const std::vector<uint8_t> bytes = kit::WriteDocument(kit::BookOf(pages));
    const HANDLE doc = CreateFileW((folder + L"book.vnb").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD wrote = 0;
    ASSERT_TRUE(WriteFile(doc, bytes.data(), static_cast<DWORD>(bytes.size()), &wrote, nullptr));
    CloseHandle(doc);

    // The export folder is named relative to the current folder.
    std::wstring command = L"\"" + ProgramFolder() + L"tools\\vnbview\\vnbview.exe\" export book.vnb out";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup, &process));
    DWORD exitCode = STILL_ACTIVE;
    WaitForSingleObject(process.hProcess, 30000);
    GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    EXPECT_EQ(exitCode, 0u);

    size_t longest = 0;
    EXPECT_EQ(CountFiles(L"\\\\?\\" + folder + L"out", longest), 1u + 4 + 2 + 2 + 6);  // index.html and every page
    EXPECT_GT(longest, 4u + MAX_PATH);
}

}  // namespace
}  // namespace wine_tests
