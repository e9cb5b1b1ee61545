#include "PluginFixture.h"

#include "tests/kit/Document.h"
#include "tests/kit/TourBook.h"

#include <shlobj.h>

#include <fstream>

namespace wine_tests {

std::wstring ProgramFolder()
{
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring text = path;
    return text.substr(0, text.find_last_of(L"\\/") + 1);
}

std::wstring PluginFileName()
{
#ifdef _WIN64
    return L"VornView.wlx64";
#else
    return L"VornView.wlx";
#endif
}

std::wstring PluginPath() { return ProgramFolder() + PluginFileName(); }

std::wstring ProfilePath()
{
    wchar_t windows[MAX_PATH] = {};
    GetWindowsDirectoryW(windows, MAX_PATH);
    return std::wstring(windows) + L"\\VornView.INI";
}

std::wstring UserProfilePath(const std::wstring& name)
{
    wchar_t data[MAX_PATH] = {};
    SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, data);
    return std::wstring(data) + L"\\VornView\\" + name;
}

void RemoveSettings()
{
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Tarrow");
    DeleteFileW(ProfilePath().c_str());
    DeleteFileW(UserProfilePath().c_str());
}

void Pump(DWORD ms)
{
    DWORD start = GetTickCount();
    do {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        Sleep(5);
    } while (GetTickCount() - start < ms);
}

std::string Narrow(const std::wstring& text)
{
    int n = WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string out(n > 0 ? n - 1 : 0, '\0');
    if (n > 1)
        WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, out.data(), n, nullptr, nullptr);
    return out;
}

bool ReadDword(const wchar_t* key, const wchar_t* name, DWORD& value)
{
    DWORD size = sizeof value;
    return RegGetValueW(HKEY_CURRENT_USER, key, name, RRF_RT_REG_DWORD, nullptr, &value, &size) == ERROR_SUCCESS;
}

bool ReadString(const wchar_t* key, const wchar_t* name, std::wstring& value)
{
    wchar_t buffer[1024] = {};
    DWORD size = sizeof buffer;
    if (RegGetValueW(HKEY_CURRENT_USER, key, name, RRF_RT_REG_SZ, nullptr, buffer, &size) != ERROR_SUCCESS)
        return false;
    value = buffer;
    return true;
}

void WriteDword(const wchar_t* key, const wchar_t* name, DWORD value)
{
    RegSetKeyValueW(HKEY_CURRENT_USER, key, name, REG_DWORD, &value, sizeof value);
}

kit::PageSpec Page(uint32_t id, uint32_t parent, uint32_t kind, std::u16string title)
{
    const std::u16string text = u"text of " + title;
    return {.id = id, .parentId = parent, .kind = kind, .title = std::move(title), .text = text};
}

kit::BookSpec BookUnderRoot(std::vector<kit::PageSpec> pages)
{
    kit::BookSpec book;
    book.pages.push_back(Page(1, 1, 4, u"Root"));
    book.pages.insert(book.pages.end(), pages.begin(), pages.end());
    return book;
}

RECT ChildRect(HWND child)
{
    RECT rc{};
    GetWindowRect(child, &rc);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&rc), 2);
    return rc;
}

HWND ChildById(HWND parent, int id) { return parent ? GetDlgItem(parent, id) : nullptr; }

std::wstring ClassOf(HWND hwnd)
{
    wchar_t buffer[64] = {};
    GetClassNameW(hwnd, buffer, 64);
    return buffer;
}

void PluginTest::SetUp()
{
    RemoveSettings();
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(info->test_suite_name()) + "_" + info->name();
    folder = std::wstring(temp) + L"vvtest_" + std::wstring(name.begin(), name.end()) + L"\\";
    CreateDirectoryW(folder.c_str(), nullptr);
    dialogs = std::make_unique<DialogAnswerer>();
    ASSERT_TRUE(plugin.Load(PluginPath())) << "cannot load " << Narrow(PluginPath()) << " error " << GetLastError();
}

void PluginTest::TearDown()
{
    listers.clear();
    plugin.Unload();
    dialogs.reset();
    RemoveSettings();
}

listerhost::ListerWindow& PluginTest::NewLister(bool embedded, int width, int height)
{
    auto lister = std::make_unique<listerhost::ListerWindow>(plugin);
    RECT rect{40, 40, 40 + width, 40 + height};
    EXPECT_TRUE(lister->Create(rect, embedded));
    lister->Resize(width, height);
    listers.push_back(std::move(lister));
    return *listers.back();
}

std::wstring PluginTest::WriteFile(const std::wstring& name, const std::vector<uint8_t>& bytes)
{
    std::wstring path = folder + name;
    std::ofstream out(path.c_str(), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return path;
}

std::wstring PluginTest::TourPath() { return WriteFile(L"tour.vnb", kit::WriteDocument(kit::MakeTourBook())); }

std::wstring PluginTest::ProtectedPath(const std::wstring& name)
{
    kit::DocumentOptions options;
    options.password = kit::kTourPassword;
    return WriteFile(name, kit::WriteDocument(kit::MakeTourBook(), options));
}

Panes PluginTest::OpenTour(int width, int height)
{
    auto& lister = NewLister(false, width, height);
    EXPECT_TRUE(lister.Open(TourPath()));
    return FindPanes(lister);
}

Panes PluginTest::OpenBook(const kit::BookSpec& book, const std::wstring& name)
{
    auto& lister = NewLister(false, 700, 500);
    EXPECT_TRUE(lister.Open(WriteFile(name, kit::WriteDocument(book))));
    return FindPanes(lister);
}

}  // namespace wine_tests
